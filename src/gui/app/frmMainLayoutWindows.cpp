// The main window's layout windows: move all, layout size, layout information and the
// parts list.
#include "gui/app/frmMain.h"

namespace ferrovane::gui {

void frmMain::mnuMoveAll_Click() {}

void frmMain::itmSetLayoutSize_Click() {}

void frmMain::itmLayoutInformation_Click() {}

void frmMain::ShowRailCount_Click() {}

} // namespace ferrovane::gui
