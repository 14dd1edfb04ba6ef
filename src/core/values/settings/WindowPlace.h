#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ferrovane::app {

// Where a window was on the desktop, in device-independent pixels; unset (zero size)
// until a first shutdown stores it.
struct WindowPlace {
    int X = 0, Y = 0, Width = 0, Height = 0;

    bool IsSet() const { return Width > 0 && Height > 0; }
    bool operator==(const WindowPlace&) const = default;
};

// The stored text "x,y,width,height"; empty for an unset place.
std::string WindowPlaceToText(const WindowPlace& place);
// An unset place for any text that is not four whole numbers with a positive size.
WindowPlace WindowPlaceFromText(const std::string& text);

// Where a stored window opens on the screens there are now (their usable areas): as it
// was when its top-left part is on one of them, pulled inside that screen and no larger
// than it; on the first screen when it is on none (a screen was unplugged). nullopt for
// an unset place or when there is no screen.
std::optional<WindowPlace> FitOnScreens(const WindowPlace& place,
                                        const std::vector<WindowPlace>& screens);

} // namespace ferrovane::app
