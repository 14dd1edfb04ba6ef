// The main window's layout windows: move all, layout size, layout information and the
// parts list.
#include <utility>

#include "core/compute/editor/LayoutInformation.h"
#include "gui/app/frmLayoutInformation.h"
#include "gui/app/frmMain.h"
#include "gui/app/frmMoveAll.h"
#include "gui/app/frmSetLayoutSize.h"
#include "gui/output/frmRailCount.h"

namespace ferrovane::gui {

namespace {

// The tool box is put aside while one of these windows is open, as for every dialog.
template <class Dialog, class... Args> int RunAside(app::Workspace& ws, Args&&... args) {
    ws.Host->HideToolBox();
    Dialog dialog(std::forward<Args>(args)...);
    const int result = dialog.exec();
    ws.Host->ShowToolBox();
    return result;
}

} // namespace

void frmMain::mnuMoveAll_Click() {
    RunAside<frmMoveAll>(mWs, mWs, this);
    ApplyChanges();
}

void frmMain::itmSetLayoutSize_Click() {
    if (RunAside<frmSetLayoutSize>(mWs, mWs, this) == QDialog::Accepted) {
        // A new board: its scroll range follows, and the view starts at its corner.
        ResizeBoard();
        ScrollTo(0, 0);
    }
    ApplyChanges();
}

void frmMain::itmLayoutInformation_Click() {
    const editor::LayoutInformation info = editor::GetLayoutInformation(
        mWs.Layout, mWs.Catalogue.RTypeFileName, mWs.Settings.FlexibleDivides);
    RunAside<frmLayoutInformation>(mWs, info, this);
    ApplyChanges();
}

void frmMain::ShowRailCount_Click() {
    RunAside<frmRailCount>(mWs, mWs, this);
    ApplyChanges();
}

} // namespace ferrovane::gui
