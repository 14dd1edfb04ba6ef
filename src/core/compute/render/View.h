#pragma once

#include <cstdint>

#include "core/compute/render/TScreen.h"

namespace ferrovane::render {

// One scroll bar of the board, in layout units.
struct ScrollBar {
    int Value = 0;
    int Max = 0;
    bool Enabled = false;
    int Min = 0; // below 0 where rails lie left of or above the board
};

// Automatic-scroll zones: the pointer rests in a zone (1..4), or scrolling (11..14).
enum AutoScrollZone : std::int16_t {
    AutoScrollNone = 0,
    AutoScrollLeft = 1,
    AutoScrollTop = 2,
    AutoScrollRight = 3,
    AutoScrollBottom = 4,
    AutoScrollActive = 10, // added to a zone while scrolling
};

// How the board is viewed: the zoom factor Z (one pixel covers Z + 1 layout units),
// the visible window, the scroll bars and the View menu's flags.
struct View {
    float Zoom = 0;
    render::TScreen Screen;
    ScrollBar HScroll;
    ScrollBar VScroll;
    bool IsGrid = true;
    bool IsMemori = false;
    bool IsNumber = false;
    // Set only while selected or hovered rails are drawn.
    bool IsHighlighting = false;
    std::int16_t AutoScrollState = AutoScrollNone;

    float UnitsPerPixel() const { return Zoom + 1; }
};

} // namespace ferrovane::render
