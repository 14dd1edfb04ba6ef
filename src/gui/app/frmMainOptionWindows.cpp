// The main window's options window and About box.
#include <QMessageBox>

#include "core/values/format/Version.h"
#include "gui/app/frmMain.h"

namespace ferrovane::gui {

void frmMain::Option_Item_Click() {}

void frmMain::ShowAboutBox() {
    mWs.Host->HideToolBox();
    QMessageBox::about(this, QStringLiteral("Ferrovane"),
                       QStringLiteral("<b>Ferrovane</b> Ver %1.%2.%3<br><br>"
                                      "カタログ通りの線路部品でレイアウトを設計するエディタです。")
                           .arg(app::VersionMajor)
                           .arg(app::VersionMinor)
                           .arg(app::VersionRevision));
    mWs.Host->ShowToolBox();
}

} // namespace ferrovane::gui
