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

std::vector<int> RailsNear(const BoardSnapshot& snapshot, float scale, const PixelRect& area) {
    // The area in layout units, a little wider than any rail PixelsOf puts on it needs.
    const double s = scale > 0 ? scale : 1.0;
    const int margin = PenMargin(snapshot) + 2;
    DrawnBox units;
    units.Add(static_cast<float>(static_cast<double>(area.X - margin) * s),
              static_cast<float>(static_cast<double>(area.Y - margin) * s));
    units.Add(static_cast<float>(static_cast<double>(area.Right() + margin) * s),
              static_cast<float>(static_cast<double>(area.Bottom() + margin) * s));
    return snapshot.Buckets().Near(units);
}

namespace {
// A line lying on (or a hair outside) the edge of the surface or of its clip may be
// stepped one pixel inside it, where the whole picture has no such pixel. Drawn on a
// surface and clipped a little wider than the area, that pixel falls outside what is
// kept.
PixelRect AroundArea(const PixelRect& area) {
    constexpr int slack = 2;
    return {area.X - slack, area.Y - slack, area.W + 2 * slack, area.H + 2 * slack};
}
} // namespace

AreaDrawing PrepareBoardArea(const BoardSnapshot& snapshot, float scale, const PixelRect& area) {
    AreaDrawing drawing{{}, AroundArea(area)};
    const int margin = PenMargin(snapshot);
    for (const int i : RailsNear(snapshot, scale, area)) {
        const auto u = static_cast<std::size_t>(i);
        if (u >= snapshot.Rails.size() || !snapshot.Rails[u].Valid) continue;
        const PixelRect box = PixelsOf(snapshot.RailBoxes[u], scale, margin);
        if (!box.Intersects(area)) continue;
        drawing.Rails.push_back(i);
        drawing.Scratch = drawing.Scratch.United(box);
    }
    const PixelRect limit{area.X - MaxScratchMargin, area.Y - MaxScratchMargin,
                          area.W + 2 * MaxScratchMargin, area.H + 2 * MaxScratchMargin};
    drawing.Scratch = drawing.Scratch.Intersected(limit);
    return drawing;
}

PixelRect ScratchRect(const BoardSnapshot& snapshot, float scale, const PixelRect& area) {
    return PrepareBoardArea(snapshot, scale, area).Scratch;
}

namespace {
void ClipTo(Surface& surface, const PixelRect& r) {
    surface.ClipToPixels(static_cast<int>(r.X), static_cast<int>(r.Y), static_cast<int>(r.W),
                         static_cast<int>(r.H));
}
void KeepOnly(Surface& surface, const PixelRect& r) {
    surface.KeepOnlyPixels(static_cast<int>(r.X), static_cast<int>(r.Y), static_cast<int>(r.W),
                           static_cast<int>(r.H));
}
} // namespace

void DrawBoardArea(Surface& surface, const BoardSnapshot& snapshot, float scale,
                   const PixelRect& area, const AreaDrawing& drawing,
                   const std::function<bool()>& stopped) {
    const PixelRect& scratch = drawing.Scratch;
    surface.SetScale(scale);
    surface.SetPixelOrigin(static_cast<int>(scratch.X), static_cast<int>(scratch.Y));
    // Only the area is kept: what lies around it needs no white.
    surface.ClearPixels(static_cast<int>(area.X), static_cast<int>(area.Y),
                        static_cast<int>(area.W), static_cast<int>(area.H));
    const int w = snapshot.LayoutWidth, h = snapshot.LayoutHeight;
    // The grid and the border end at the board's last pixel, as in the whole-board image.
    const PixelSize board = BackScreenPixelSize(w, h, scale - 1);
    const PixelRect clip = AroundArea(area);
    const PixelRect boardArea = clip.Intersected({0, 0, board.Width, board.Height});
    ClipTo(surface, boardArea);
    if (snapshot.IsGrid) SetGrid(surface, snapshot.Settings, w, h);
    surface.SetDrawWidth(BoardBorderWidth);
    const Colour border = snapshot.Settings.NextRailColor;
    const auto fw = static_cast<float>(w), fh = static_cast<float>(h);
    surface.Line({fw, 0}, {fw, fh}, border);
    surface.Line({0, fh}, {fw, fh}, border);
    surface.Unclip();
    // Thin rails are clipped to the area: only the area is kept, and a clipped thin line
    // is written pixel by pixel, much faster. The clip moves no pixel, since a line is
    // stepped from its own ends whatever the clip. A wide pen is filled as an outline,
    // whose smoothed edges the clip would shade a little differently from tile to tile,
    // so wide rails are drawn unclipped.
    bool clipped = false;
    KeepOnly(surface, area);
    const DrawContext context{snapshot.Rails, snapshot.Settings, {0, 0}, false};
    for (const int i : drawing.Rails) {
        if (stopped && stopped()) break;
        const bool wide = snapshot.Rails[static_cast<std::size_t>(i)].Upper;
        if (wide == clipped) {
            if (wide)
                surface.Unclip();
            else
                ClipTo(surface, clip);
            clipped = !wide;
        }
        surface.SetDrawWidth(wide ? ElevatedPenWidth : BoardPenWidth);
        DrawRailByKind(context, i, GetRailColor(context, i), surface, true);
    }
    surface.SetDrawWidth(BoardPenWidth);
    surface.Unclip();
    surface.KeepAllPixels();
}

} // namespace ferrovane::render
