#include "core/compute/render/BoardAreaDriver.h"

#include <algorithm>

#include "core/compute/render/BackScreenSize.h"
#include "core/compute/render/DrawContext.h"
#include "core/compute/render/GridAndRuler.h"
#include "core/compute/render/RailColor.h"
#include "core/compute/render/RailDispatch.h"

namespace ferrovane::render {

int PenMargin(const BoardSnapshot& snapshot) {
    return std::max({snapshot.MaxPenWidth, BoardBorderWidth, BoardPenWidth}) + 2;
}

bool RailTouches(const BoardSnapshot& snapshot, int i, float scale, const PixelRect& area) {
    if (i < 1 || i > snapshot.LastRail()) return false;
    const auto u = static_cast<std::size_t>(i);
    if (!snapshot.Rails[u].Valid) return false;
    return PixelsOf(snapshot.RailBoxes[u], scale, PenMargin(snapshot)).Intersects(area);
}

std::vector<int> RailsNear(const BoardSnapshot& snapshot, float scale, const PixelRect& area) {
    // The area in layout units, a little wider than any rail PixelsOf puts on it needs.
    const double s = scale > 0 ? scale : 1.0;
    const int margin = PenMargin(snapshot) + 2;
    DrawnBox units;
    units.Add(static_cast<float>(static_cast<double>(area.X - margin) * s),
              static_cast<float>(static_cast<double>(area.Y - margin) * s));
    units.Add(static_cast<float>(static_cast<double>(area.Right() + margin) * s),
              static_cast<float>(static_cast<double>(area.Bottom() + margin) * s));
    return snapshot.Buckets.Near(units);
}

PixelRect ScratchRect(const BoardSnapshot& snapshot, float scale, const PixelRect& area) {
    PixelRect scratch = area;
    const int margin = PenMargin(snapshot);
    for (const int i : RailsNear(snapshot, scale, area)) {
        const auto u = static_cast<std::size_t>(i);
        if (u >= snapshot.Rails.size() || !snapshot.Rails[u].Valid) continue;
        const PixelRect box = PixelsOf(snapshot.RailBoxes[u], scale, margin);
        if (box.Intersects(area)) scratch = scratch.United(box);
    }
    const PixelRect limit{area.X - MaxScratchMargin, area.Y - MaxScratchMargin,
                          area.W + 2 * MaxScratchMargin, area.H + 2 * MaxScratchMargin};
    return scratch.Intersected(limit);
}

void DrawBoardArea(Surface& surface, const BoardSnapshot& snapshot, float scale,
                   const PixelRect& area, const PixelRect& scratch) {
    surface.SetScale(scale);
    surface.SetPixelOrigin(static_cast<int>(scratch.X), static_cast<int>(scratch.Y));
    // Only the area is kept: what lies around it needs no white.
    surface.ClearPixels(static_cast<int>(area.X), static_cast<int>(area.Y),
                        static_cast<int>(area.W), static_cast<int>(area.H));
    const int w = snapshot.LayoutWidth, h = snapshot.LayoutHeight;
    // The grid and the border end at the board's last pixel, as in the whole-board image.
    const PixelSize board = BackScreenPixelSize(w, h, scale - 1);
    surface.ClipToPixels(0, 0, static_cast<int>(board.Width), static_cast<int>(board.Height));
    if (snapshot.IsGrid) SetGrid(surface, snapshot.Settings, w, h);
    surface.SetDrawWidth(BoardBorderWidth);
    const Colour border = snapshot.Settings.NextRailColor;
    const auto fw = static_cast<float>(w), fh = static_cast<float>(h);
    surface.Line({fw, 0}, {fw, fh}, border);
    surface.Line({0, fh}, {fw, fh}, border);
    surface.Unclip();
    const DrawContext context{snapshot.Rails, snapshot.Settings, {0, 0}, false};
    for (const int i : RailsNear(snapshot, scale, area)) {
        if (!RailTouches(snapshot, i, scale, area)) continue;
        surface.SetDrawWidth(snapshot.Rails[static_cast<std::size_t>(i)].Upper ? ElevatedPenWidth
                                                                               : BoardPenWidth);
        DrawRailByKind(context, i, GetRailColor(context, i), surface, true);
    }
    surface.SetDrawWidth(BoardPenWidth);
}

} // namespace ferrovane::render
