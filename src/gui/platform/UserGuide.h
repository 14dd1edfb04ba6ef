#pragma once

#include <QString>

#include <optional>
#include <string>

class QAbstractButton;

namespace ferrovane::gui {

// The user's guide where this installation has it: beside the program, in the
// installed documents, or in the sources of a build tree.
std::optional<QString> UserGuidePath();

// Opens the guide at ANCHOR in the desktop's browser; false when there is no guide.
bool OpenUserGuide(const std::string& anchor);

// A window's Help button: opens the guide at ANCHOR, and is hidden while there is none.
void SetUpHelpButton(QAbstractButton* button, const std::string& anchor);

} // namespace ferrovane::gui
