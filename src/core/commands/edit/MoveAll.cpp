#include "core/commands/edit/MoveAll.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

bool Inside(float v) {
    // A NaN is outside too.
    return v >= MoveLimitLow && v <= MoveLimitHigh;
}

// The points that make up a rail as it is drawn and found: the middle point, and for
// pieces the ends and outline corners (a point also its third end and side points).
// The arc centre lies off the rail, and a label uses no other field.
// The smallest and largest of the coordinates that StaysInside tests. Adding the same
// offset to floats keeps their order, so the extremes moved tell for every rail.
struct Span {
    float Low = 0, High = 0;
    bool Any = false;
    bool Bad = false; // a NaN among them
    void Take(float v) {
        if (std::isnan(v)) Bad = true;
        if (!Any || v < Low) Low = v;
        if (!Any || v > High) High = v;
        Any = true;
    }
};

bool LayoutStaysInside(const model::Layout& layout, float dx, float dy) {
    Span xs, ys;
    for (int n = 1; n <= layout.RailCount; ++n) {
        const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        if (!r.Valid) continue;
        xs.Take(r.MidX);
        ys.Take(r.MidY);
        if (r.Kind >= model::KindText) continue;
        for (float x : {r.X0, r.X1, r.C1X, r.C2X, r.C3X, r.C4X})
            xs.Take(x);
        for (float y : {r.Y0, r.Y1, r.C1Y, r.C2Y, r.C3Y, r.C4Y})
            ys.Take(y);
        if (r.Kind != model::KindPoint) continue;
        for (float x : {r.X2, r.C5X, r.C6X})
            xs.Take(x);
        for (float y : {r.Y2, r.C5Y, r.C6Y})
            ys.Take(y);
    }
    if (xs.Bad || ys.Bad) return false;
    return (!xs.Any || (Inside(xs.Low + dx) && Inside(xs.High + dx))) &&
           (!ys.Any || (Inside(ys.Low + dy) && Inside(ys.High + dy)));
}

} // namespace

std::optional<float> ParseMoveOffset(const std::string& text) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size() || !std::isfinite(value) ||
        std::fabs(value) > 3.0e38)
        return std::nullopt;
    return static_cast<float>(value);
}

bool MoveAll(app::Workspace& ws, float dx, float dy) {
    if (!LayoutStaysInside(ws.Layout, dx, dy)) {
        platform::ShowModal(*ws.Host,
                            {text::Msg(text::MessageId::MoveOutOfRange),
                             text::Msg(text::MessageId::WarningTitle),
                             platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
        return false;
    }
    platform::BusyPointer busy(*ws.Host);
    LayoutMoved move{dx, dy, model::RailPositions(ws.Layout)};
    geometry::TranslateAllRails(ws.Layout, dx, dy);
    ws.Layout.Modified = true;
    ws.Changed.Mark(app::Change::Layout);
    ws.Undo.Record(std::move(move));
    ws.Redraw->ReDrawBackScreen();
    return true;
}

bool MoveAllByText(app::Workspace& ws, const std::string& dxText, const std::string& dyText) {
    const auto dx = ParseMoveOffset(dxText);
    const auto dy = ParseMoveOffset(dyText);
    if (!dx || !dy) {
        platform::ShowModal(*ws.Host,
                            {MoveOffsetText(), MoveAllTitle(), platform::MessageIcon::Exclamation,
                             platform::MessageButtons::Ok});
        return false;
    }
    return MoveAll(ws, *dx, *dy);
}

} // namespace ferrovane::editor
