#include "core/commands/edit/MoveAll.h"

#include <charconv>
#include <cmath>
#include <utility>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

namespace {

bool Inside(float v) {
    // A NaN is outside too.
    return v >= MoveLimitLow && v <= MoveLimitHigh;
}

// The points that make up a rail as it is drawn and found: the middle point, and for
// pieces the ends and outline corners (a point also its third end and side points).
// The arc centre lies off the rail, and a label uses no other field.
bool StaysInside(const model::Rail& r, float dx, float dy) {
    if (!Inside(r.MidX + dx) || !Inside(r.MidY + dy)) return false;
    if (r.Kind >= model::KindText) return true;
    for (float x : {r.X0, r.X1, r.C1X, r.C2X, r.C3X, r.C4X})
        if (!Inside(x + dx)) return false;
    for (float y : {r.Y0, r.Y1, r.C1Y, r.C2Y, r.C3Y, r.C4Y})
        if (!Inside(y + dy)) return false;
    if (r.Kind != model::KindPoint) return true;
    return Inside(r.X2 + dx) && Inside(r.C5X + dx) && Inside(r.C6X + dx) && Inside(r.Y2 + dy) &&
           Inside(r.C5Y + dy) && Inside(r.C6Y + dy);
}

bool LayoutStaysInside(const model::Layout& layout, float dx, float dy) {
    for (int n = 1; n <= layout.RailCount; ++n) {
        const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        if (r.Valid && !StaysInside(r, dx, dy)) return false;
    }
    return true;
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
        platform::ShowModal(*ws.Host, {"移動後にレールがレイアウトの範囲(-30000〜60000)を超える"
                                       "ため、移動できません。",
                                       "警告", platform::MessageIcon::Exclamation,
                                       platform::MessageButtons::Ok});
        return false;
    }
    platform::BusyPointer busy(*ws.Host);
    LayoutMoved move{dx, dy, model::RailPositions(ws.Layout)};
    geometry::TranslateAllRails(ws.Layout, dx, dy);
    ws.Layout.Modified = true;
    ws.Undo.Record(std::move(move));
    ws.Redraw->ReDrawBackScreen();
    return true;
}

} // namespace ferrovane::editor
