// The main window's options window and About box.
#include <QApplication>

#include "gui/app/frmAbout.h"
#include "gui/app/frmMain.h"
#include "gui/app/frmOption.h"
#include "gui/editor/frmTool.h"

namespace ferrovane::gui {

void frmMain::Option_Item_Click() {
    mWs.Host->HideToolBox();
    frmOption dialog(mWs, mContext, mTool, this);
    // The status line takes the windows' font too.
    if (dialog.exec() == QDialog::Accepted)
        SetStatusFont(QApplication::font().family().toStdString());
    mWs.Host->ShowToolBox();
    ApplyChanges();
}

void frmMain::ShowAboutBox() {
    mWs.Host->HideToolBox();
    frmAbout dialog(this);
    dialog.exec();
    mWs.Host->ShowToolBox();
    ApplyChanges();
}

} // namespace ferrovane::gui
