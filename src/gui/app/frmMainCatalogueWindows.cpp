// The main window's catalogue windows: the catalogue editor and the user rail.
#include "core/values/platform/ToolBoxHeldHost.h"
#include "gui/app/frmMain.h"
#include "gui/catalogue/frmEditRail.h"
#include "gui/catalogue/frmMakeUserRail.h"
#include "gui/editor/frmTool.h"

namespace ferrovane::gui {

namespace {

// The tool box stays away while a catalogue window is open, whatever its questions
// do; the workspace talks to the usual host again afterwards.
class ToolBoxAway {
public:
    explicit ToolBoxAway(app::Workspace& ws) : mWs(ws), mHost(*ws.Host), mHeld(mHost) {
        mHost.HideToolBox();
        mWs.Host = &mHeld;
    }
    ~ToolBoxAway() {
        mWs.Host = &mHost;
        mHost.ShowToolBox();
    }
    ToolBoxAway(const ToolBoxAway&) = delete;
    ToolBoxAway& operator=(const ToolBoxAway&) = delete;

private:
    app::Workspace& mWs;
    platform::UiHost& mHost;
    platform::ToolBoxHeldHost mHeld;
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
