#pragma once

class QApplication;

namespace ferrovane::gui {

// Runs the editor: the welcome window, then the main window and the tool box, until
// the program ends. Returns the exit status.
int RunFerrovane(QApplication& app);

} // namespace ferrovane::gui
