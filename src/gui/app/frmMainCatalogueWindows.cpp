// The main window's catalogue windows: the catalogue editor and the user rail.
#include "core/values/platform/UiHost.h"
#include "gui/app/frmMain.h"
#include "gui/catalogue/frmEditRail.h"
#include "gui/catalogue/frmMakeUserRail.h"
#include "gui/editor/frmTool.h"

namespace ferrovane::gui {

namespace {

// The tool box stays away while a catalogue window is open; the questions the window
// asks leave it there.
class ToolBoxAway {
public:
    explicit ToolBoxAway(app::Workspace& ws) : mHost(*ws.Host) { mHost.HideToolBox(); }
    ~ToolBoxAway() { mHost.ShowToolBox(); }
    ToolBoxAway(const ToolBoxAway&) = delete;
    ToolBoxAway& operator=(const ToolBoxAway&) = delete;

private:
    platform::UiHost& mHost;
};

} // namespace

void frmMain::EditRail_Item_Click() {
    {
        ToolBoxAway away(mWs);
        frmEditRail dialog(mWs, this);
        dialog.exec();
    }
    if (mTool) {
        mTool->setlstRails();
        mTool->setButton();
    }
    ApplyChanges();
}

void frmMain::MakeUserRail_Item_Click() {
    {
        ToolBoxAway away(mWs);
        frmMakeUserRail dialog(mWs, this);
        dialog.exec();
    }
    if (mTool) {
        mTool->setlstRails();
        mTool->setButton();
    }
    ApplyChanges();
}

} // namespace ferrovane::gui
