#include "gui/app/frmLayoutInformation.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ferrovane::gui {

frmLayoutInformation::frmLayoutInformation(const editor::LayoutInformation& info, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmLayoutInformation"));
    setWindowTitle(tr("レイアウト情報"));
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    for (const auto& [caption, value] : editor::LayoutInformationFields(info)) {
        auto* shown = new QLabel(QString::fromStdString(value), this);
        shown->setAccessibleName(QString::fromStdString(caption));
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString::fromStdString(caption) + QStringLiteral(" :"), shown);
    }
    column->addLayout(form);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* close = new QPushButton(tr("閉じる (&C)"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(close);
    column->addLayout(buttons);
}

QString frmLayoutInformation::Value(const QString& caption) const {
    for (const QLabel* label : findChildren<QLabel*>())
        if (label->accessibleName() == caption) return label->text();
    return {};
}

} // namespace ferrovane::gui
