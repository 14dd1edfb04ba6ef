#pragma once

#include <functional>
#include <vector>

#include "core/compute/render/BoardSnapshot.h"
#include "core/compute/render/Surface.h"
#include "core/compute/render/TileGrid.h"

namespace ferrovane::render {

// How far past the area a drawing surface reaches at most, in device pixels.
inline constexpr int MaxScratchMargin = 1024;

// Pixels around a rail's box that its pens may touch.
int PenMargin(const BoardSnapshot& snapshot);

// The rails that may put pixels into the area at that scale (a superset of those that
// do), in drawing order.
std::vector<int> RailsNear(const BoardSnapshot& snapshot, float scale, const PixelRect& area);

// What drawing an area of the board takes.
struct AreaDrawing {
    // The rails putting pixels into the area, in drawing order.
    std::vector<int> Rails;
    // The pixels to draw on: the area with a little room around it, and the whole of
    // every rail that touches it, so that no rail is cut short at the area's edge (a
    // line cut there would be stepped from another start and could miss the whole
    // picture's pixels by one); but no farther than MaxScratchMargin past the area.
    PixelRect Scratch;
};
AreaDrawing PrepareBoardArea(const BoardSnapshot& snapshot, float scale, const PixelRect& area);

// The scratch rectangle of PrepareBoardArea alone.
PixelRect ScratchRect(const BoardSnapshot& snapshot, float scale, const PixelRect& area);

// Draws the area of the board picture as the whole-board redraw draws it: the area
// white, the grid if shown, the board's right and bottom border, then the rails. The
// surface covers at least the scratch rectangle and is drawn in the whole picture's
// pixel coordinates; only the area's pixels are kept. When stopped() turns true (the
// picture is no longer wanted) the rails left are not drawn.
void DrawBoardArea(Surface& surface, const BoardSnapshot& snapshot, float scale,
                   const PixelRect& area, const AreaDrawing& drawing,
                   const std::function<bool()>& stopped = {});

} // namespace ferrovane::render
