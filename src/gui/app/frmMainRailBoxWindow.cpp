// The main window's rail-box window.
#include "gui/app/frmMain.h"

namespace ferrovane::gui {

void frmMain::EditRailBox_Item_Click() {}

} // namespace ferrovane::gui
