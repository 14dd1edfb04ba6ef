#include "core/commands/edit/PerformUndo.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/commands/placement/Detection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/model/RailIndex.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::optional<double> NumberOf(std::string_view text) {
    text = Trimmed(text);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A colour (Long) from its decimal text; nullopt when the text is none.
std::optional<std::int32_t> ColourOf(std::string_view text) {
    const std::optional<double> v = NumberOf(text);
    if (!v) return std::nullopt;
    const double rounded = std::nearbyint(*v);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return std::nullopt;
    return static_cast<std::int32_t>(rounded);
}

// A move offset (Single); nullopt when the text is none or out of range.
std::optional<float> OffsetOf(std::string_view text) {
    const std::optional<double> v = NumberOf(text);
    if (!v || std::fabs(*v) > 3.0e38) return std::nullopt;
    return static_cast<float>(*v);
}

// The index rebuilt; with no live rail left it is simply empty (the extents of an
// all-deleted layout do not describe a grid).
void RefreshIndex(model::Layout& layout) {
    for (int n = 1; n <= layout.RailCount; ++n) {
        if (layout.Rails[static_cast<std::size_t>(n)].Valid) {
            model::RebuildRailIndex(layout);
            return;
        }
    }
    layout.Index = model::RailIndex{};
}

bool EndExists(const model::Rail& rail, int end) {
    return end == 0 || end == 1 || (end == 2 && rail.Kind == model::KindPoint);
}

// Undo of a deletion. The rail's joined ends are joined again to the neighbours they
// name, directly: those neighbours were freed by the deletion, and an end they have
// since given to another rail stays with it (the restored end becomes free). Its free
// ends then join whatever free end lies on them.
void UndoDelete(app::Workspace& ws, int n, bool& indexStale) {
    model::Layout& layout = ws.Layout;
    if (n < 1 || n > layout.RailCount || layout.Rails[n].Valid) return;
    for (int e = 0; e < 3; ++e) {
        model::Rail& self = layout.Rails[n];
        if (self.Free(e) || !EndExists(self, e)) continue;
        const int m = self.Link(e);
        const int f = self.LinkEnd(e);
        // An end closed inside a rail box is not free and names no rail: it stays closed,
        // as it was before the deletion.
        if (m == 0) continue;
        const bool canJoin =
            m != n && layout.IsLive(m) && EndExists(layout.Rails[m], f) && layout.Rails[m].Free(f);
        if (!canJoin) {
            self.Free(e) = true;
            continue;
        }
        model::Rail& other = layout.Rails[m];
        other.Free(f) = false;
        other.Link(f) = static_cast<std::int16_t>(n);
        other.LinkEnd(f) = static_cast<std::uint8_t>(e);
    }
    if (indexStale) {
        RefreshIndex(layout);
        indexStale = false;
    }
    // The rail is not in the index yet, so it cannot find its own ends.
    geometry::ConnectJoints(ws, n, false);
    layout.Rails[n].Valid = true;
    // Rails restored later in the same action must find this one.
    if (layout.Index.Empty() || !model::AddRailToIndex(layout.Index, layout, n))
        model::RebuildRailIndex(layout);
}

void UndoMove(app::Workspace& ws, const UndoRecord& r) {
    const std::optional<float> dx = OffsetOf(r.NumberText);
    const std::optional<float> dy = OffsetOf(r.Data);
    if (!dx || !dy) return;
    platform::BusyPointer busy(*ws.Host);
    // PerformUndo rebuilds the index once when the whole action is undone.
    geometry::ShiftAllRails(ws.Layout, -*dx, -*dy);
}

void Apply(app::Workspace& ws, const UndoRecord& r, bool& indexStale) {
    model::Layout& layout = ws.Layout;
    const int n = r.Number;
    const bool isRail = n >= 1 && n <= layout.RailCount;
    switch (r.Code) {
    case UndoDEL:
        UndoDelete(ws, n, indexStale);
        break;
    case UndoREN:
        if (isRail) layout.Rails[n].Name = r.Data;
        break;
    case UndoSET:
        // A rail that is gone already has no joints left to give back.
        if (isRail && layout.Rails[n].Valid) {
            geometry::RemoveRail(layout, n);
            indexStale = true;
        }
        break;
    case UndoRCL:
        if (isRail) {
            if (const auto colour = ColourOf(r.Data)) layout.Rails[n].Color = *colour;
        }
        break;
    case UndoUPR:
        if (isRail) {
            model::Rail& rail = layout.Rails[n];
            rail.Upper = !rail.Upper;
            const std::string_view data = r.Data;
            if (const auto colour = ColourOf(data.substr(0, 10))) rail.Color = *colour;
            rail.Name = data.size() > 10 ? std::string(data.substr(10)) : std::string();
        }
        break;
    case UndoMOV:
        UndoMove(ws, r);
        break;
    default:
        // Unknown codes and codes no operation writes are only taken off.
        break;
    }
}

} // namespace

void PerformUndo(app::Workspace& ws) {
    if (ws.Undo.UndoCount() == 0) return;
    bool indexStale = false;
    while (ws.Undo.UndoCount() > 0) {
        const UndoRecord r = ws.Undo.ReadLastUndo();
        ws.Undo.PopUndo();
        Apply(ws, r, indexStale);
        if (r.GroupStart) break;
    }
    RefreshIndex(ws.Layout);
    ws.Redraw->ReDrawBackScreen();
}

void UndoCommand(app::Workspace& ws) {
    if (ws.Undo.UndoCount() == 0) return;
    PerformUndo(ws);
    ws.Layout.Modified = true;
}

} // namespace ferrovane::editor
