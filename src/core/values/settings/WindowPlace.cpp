#include "core/values/settings/WindowPlace.h"

#include <algorithm>
#include <charconv>

namespace ferrovane::app {

namespace {

// How much of a window's top-left corner must lie on a screen to be reached there.
constexpr int GrabSize = 40;

bool Contains(const WindowPlace& screen, int x, int y) {
    return x >= screen.X && y >= screen.Y && x < screen.X + screen.Width &&
           y < screen.Y + screen.Height;
}

WindowPlace Inside(WindowPlace place, const WindowPlace& screen) {
    place.Width = std::min(place.Width, screen.Width);
    place.Height = std::min(place.Height, screen.Height);
    place.X = std::clamp(place.X, screen.X, screen.X + screen.Width - place.Width);
    place.Y = std::clamp(place.Y, screen.Y, screen.Y + screen.Height - place.Height);
    return place;
}

} // namespace

std::string WindowPlaceToText(const WindowPlace& place) {
    if (!place.IsSet()) return {};
    return std::to_string(place.X) + "," + std::to_string(place.Y) + "," +
           std::to_string(place.Width) + "," + std::to_string(place.Height);
}

WindowPlace WindowPlaceFromText(const std::string& text) {
    int values[4] = {};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 4; ++i) {
        const auto [next, ec] = std::from_chars(at, end, values[i]);
        if (ec != std::errc{}) return {};
        at = next;
        if (i < 3) {
            if (at == end || *at != ',') return {};
            ++at;
        }
    }
    if (at != end) return {};
    WindowPlace place{values[0], values[1], values[2], values[3]};
    return place.IsSet() ? place : WindowPlace{};
}

std::optional<WindowPlace> FitOnScreens(const WindowPlace& place,
                                        const std::vector<WindowPlace>& screens) {
    if (!place.IsSet() || screens.empty()) return std::nullopt;
    for (const WindowPlace& screen : screens) {
        if (screen.IsSet() && Contains(screen, place.X + GrabSize / 2, place.Y + GrabSize / 2))
            return Inside(place, screen);
    }
    return Inside(place, screens.front());
}

} // namespace ferrovane::app
