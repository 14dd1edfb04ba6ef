// The main window's catalogue windows: the catalogue editor and the user rail.
#include "gui/app/frmMain.h"

namespace ferrovane::gui {

void frmMain::EditRail_Item_Click() {}

void frmMain::MakeUserRail_Item_Click() {}

} // namespace ferrovane::gui
