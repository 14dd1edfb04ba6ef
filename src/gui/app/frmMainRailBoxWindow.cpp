// The main window's rail-box window.
#include "gui/app/frmMain.h"
#include "gui/catalogue/frmEditRailBox.h"
#include "gui/editor/frmTool.h"

namespace ferrovane::gui {

void frmMain::EditRailBox_Item_Click() {
    mWs.Host->HideToolBox();
    {
        frmEditRailBox window(mWs, this);
        window.exec();
    }
    if (mTool) {
        mTool->setlstRails();
        mTool->setButton();
    }
    mWs.Host->ShowToolBox();
    ApplyChanges();
}

} // namespace ferrovane::gui
