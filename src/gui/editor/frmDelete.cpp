#include "gui/editor/frmDelete.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ferrovane::gui {

frmDelete::frmDelete(editor::Board& board, QWidget* mainWindow)
    : ToolWindow(mainWindow, "frmDelete", QStringLiteral("レールや文字の削除")),
      mTool(board, *this) {
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(QStringLiteral("クリックしたレールや文字を削除します。"), this));
    mRailField = new QLineEdit(this);
    mRailField->setObjectName(QStringLiteral("railField"));
    mRailField->setReadOnly(true);
    mRailField->setMinimumWidth(220);
    column->addWidget(mRailField);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    column->addLayout(buttons);
}

void frmDelete::ShowRailField(const std::string& text) {
    mRailField->setText(QString::fromStdString(text));
}

} // namespace ferrovane::gui
