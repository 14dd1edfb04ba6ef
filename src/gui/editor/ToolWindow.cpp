#include "gui/editor/ToolWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>

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

QLayout* ToolWindow::ClosingRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout();
    row->addStretch(1);
    for (QPushButton* b : buttons)
        row->addWidget(b);
    auto* close = new QPushButton(tr("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(close);
    return row;
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
