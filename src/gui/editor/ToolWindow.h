#pragma once

#include <QDialog>

#include <initializer_list>

class QLayout;
class QPushButton;

namespace ferrovane::gui {

// A small window that works together with the board (delete, recolour, elevation,
// flexible rail, text label): kept above the main window, placed over the board's top
// left corner, and closed by its own buttons, Esc or the title bar's close box, which
// all end the tool.
class ToolWindow : public QDialog {
    Q_OBJECT
public:
    ToolWindow(QWidget* mainWindow, const char* objectName, const QString& title);

    // Shows the window without taking the keyboard away from the board.
    void ShowOverBoard(QWidget* board);

signals:
    // The tool has ended; the main window brings its widgets up to date.
    void ToolClosed();
    // Something the window did changed the workspace.
    void Changed();

protected:
    // The window's bottom row: the given buttons, then "閉じる" (closeButton), which
    // ends the tool.
    QLayout* ClosingRow(std::initializer_list<QPushButton*> buttons);
    // Ends the tool in the core (the board returns to placing and selecting).
    virtual void EndTool() = 0;
    void done(int result) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool mEnded = false;
};

} // namespace ferrovane::gui
