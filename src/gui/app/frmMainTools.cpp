// The main window's tool windows: delete, recolour, elevation, flexible rails and text
// labels, opened from the menus and the tool box's command entries.
#include "gui/app/frmMain.h"
#include "gui/editor/MainPicture.h"
#include "gui/editor/frmChangeColor.h"
#include "gui/editor/frmCloseGap.h"
#include "gui/editor/frmDelete.h"
#include "gui/editor/frmInsertString.h"
#include "gui/editor/frmMakeFlex.h"
#include "gui/editor/frmMakeUpper.h"
#include "gui/editor/frmTool.h"

namespace ferrovane::gui {

namespace {

template <class Window> Window* OpenWindow(editor::Board& board, QWidget* mainWindow) {
    auto* window = new Window(board, mainWindow);
    window->Open();
    return window;
}

} // namespace

void frmMain::ShowToolWindow(ToolWindow* window) {
    mToolWindow = window;
    connect(window, &ToolWindow::Changed, this, [this] { ApplyChanges(); });
    connect(window, &ToolWindow::ToolClosed, this, [this] {
        if (mTool) {
            // The tool box shows the board's mode again (placing, or a command kind).
            mTool->setlstRails();
            mTool->setButton();
        }
        mRenderer->RefreshMainPicture();
        ApplyChanges();
    });
    // The tool box is hidden while a tool works with the board; its place, usually
    // beside the track being worked on rather than over it, suits the tool's window.
    window->ShowOverBoard(mPicture);
    if (mTool) window->move(mTool->pos());
    ApplyChanges();
}

void frmMain::OpenToolWindow(editor::ToolCommand command) {
    // Two tools cannot share the board.
    if (mToolWindow) mToolWindow->close();
    switch (command) {
    case editor::ToolCommand::FlexibleRail:
        ShowToolWindow(OpenWindow<frmMakeFlex>(*mBoard, this));
        break;
    case editor::ToolCommand::Elevate:
        ShowToolWindow(OpenWindow<frmMakeUpper>(*mBoard, this));
        break;
    case editor::ToolCommand::Delete:
        ShowToolWindow(OpenWindow<frmDelete>(*mBoard, this));
        break;
    case editor::ToolCommand::InsertText:
        ShowToolWindow(OpenWindow<frmInsertString>(*mBoard, this));
        break;
    case editor::ToolCommand::CloseGap:
        ShowToolWindow(OpenWindow<frmCloseGap>(*mBoard, this));
        break;
    case editor::ToolCommand::None:
        break;
    }
}

void frmMain::OpenRecolourWindow() {
    if (mToolWindow) mToolWindow->close();
    ShowToolWindow(OpenWindow<frmChangeColor>(*mBoard, this));
}

} // namespace ferrovane::gui
