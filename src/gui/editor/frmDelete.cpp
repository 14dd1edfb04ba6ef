#include "gui/editor/frmDelete.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ferrovane::gui {

frmDelete::frmDelete(editor::Board& board, QWidget* mainWindow)
    : ToolWindow(mainWindow, "frmDelete", tr("レールや文字の削除")), mTool(board, *this) {
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("クリックしたレールや文字を削除します。"), this));
    mRailField = new QLineEdit(this);
    mRailField->setObjectName(QStringLiteral("railField"));
    mRailField->setReadOnly(true);
    mRailField->setMinimumWidth(220);
    column->addWidget(mRailField);
    column->addLayout(ClosingRow({}));
}

void frmDelete::ShowRailField(const std::string& text) {
    mRailField->setText(QString::fromStdString(text));
}

} // namespace ferrovane::gui
