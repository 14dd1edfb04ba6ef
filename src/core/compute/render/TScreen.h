#pragma once

namespace ferrovane::render {

// The visible window in layout units: Left and Top are the scroll bar values, Width
// and Height the board picture's scale size.
struct TScreen {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    float Width = 0;
    float Height = 0;
    bool operator==(const TScreen&) const = default;
};

} // namespace ferrovane::render
