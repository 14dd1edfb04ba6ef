#include "gui/app/frmSetLayoutSize.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/commands/edit/LayoutSize.h"
#include "core/commands/workspace/Workspace.h"
#include "gui/platform/TitleWidth.h"

namespace ferrovane::gui {

frmSetLayoutSize::frmSetLayoutSize(app::Workspace& ws, QWidget* parent) : QDialog(parent), mWs(ws) {
    setObjectName(QStringLiteral("frmSetLayoutSize"));
    setWindowTitle(QString::fromUtf8(editor::LayoutSizeTitle()));
    KeepTitleWhole(this);
    mWidth = new QLineEdit(QString::number(ws.Layout.LayoutWidth), this);
    mWidth->setObjectName(QStringLiteral("widthEdit"));
    mHeight = new QLineEdit(QString::number(ws.Layout.LayoutHeight), this);
    mHeight->setObjectName(QStringLiteral("heightEdit"));
    for (QLineEdit* e : {mWidth, mHeight}) {
        e->setAlignment(Qt::AlignRight);
        e->setMaximumWidth(100);
    }

    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout();
    form->addRow(tr("幅 :"), mWidth);
    form->addRow(tr("高さ :"), mHeight);
    column->addLayout(form);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmSetLayoutSize::Accept);
    auto* cancel = new QPushButton(tr("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);

    mWidth->setFocus();
    mWidth->selectAll();
}

void frmSetLayoutSize::Accept() {
    if (editor::AcceptLayoutSize(mWs, mWidth->text().toStdString(),
                                 mHeight->text().toStdString())) {
        accept();
        return;
    }
    mWidth->setFocus();
    mWidth->selectAll();
}

} // namespace ferrovane::gui
