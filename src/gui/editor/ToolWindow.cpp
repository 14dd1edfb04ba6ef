#include "gui/editor/ToolWindow.h"

#include <QCloseEvent>

namespace ferrovane::gui {

ToolWindow::ToolWindow(QWidget* mainWindow, const char* objectName, const QString& title)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
}

void ToolWindow::ShowOverBoard(QWidget* board) {
    adjustSize();
    if (board) move(board->mapToGlobal(QPoint(16, 16)));
    show();
    raise();
}

void ToolWindow::done(int result) {
    if (!mEnded) {
        mEnded = true;
        EndTool();
        emit ToolClosed();
    }
    QDialog::done(result);
}

void ToolWindow::closeEvent(QCloseEvent* event) {
    if (!mEnded) {
        mEnded = true;
        EndTool();
        emit ToolClosed();
    }
    QDialog::closeEvent(event);
}

} // namespace ferrovane::gui
