#pragma once

#include <QString>

#include <string>
#include <vector>

#include "core/app/options/FormFont.h"

class QWidget;

namespace ferrovane::gui {

// The fonts installed here, in the font configuration's order of preference for
// Japanese sans-serif text; read once.
const std::vector<app::InstalledFont>& InstalledFonts();

// The installed family the windows use for a WindowFontName; empty for the desktop's.
QString FormFontFamily(const std::string& windowFontName);

// Every window takes the family of WINDOWFONTNAME at the desktop's size: the
// application font changes, so windows opened later follow it too. A name with no
// installed family brings the desktop's font back.
void SetFormFont(const std::string& windowFontName);

} // namespace ferrovane::gui
