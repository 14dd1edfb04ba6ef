#pragma once

#include <QString>

#include <optional>
#include <string>

class QAbstractButton;
class QAction;
class QMenu;

namespace ferrovane::gui {

// The user's guide in the user's language where this installation has it: beside the
// program, in the installed data folder, or among a build tree's generated documents.
std::optional<QString> UserGuidePath();

// Opens the guide at ANCHOR in the desktop's browser; false when there is no guide.
bool OpenUserGuide(const std::string& anchor);

// A window's Help button: opens the guide at ANCHOR, and is hidden while there is none.
void SetUpHelpButton(QAbstractButton* button, const std::string& anchor);

// The Help menu's first item, with F1: opens the guide at its start; hidden while there
// is none.
QAction* AddUserGuideItem(QMenu* menu);

} // namespace ferrovane::gui
