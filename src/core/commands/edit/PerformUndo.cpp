#include "core/commands/edit/PerformUndo.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/commands/placement/Detection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/editor/IndexRemoval.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/model/RailIndex.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

namespace {

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

bool IsRail(const model::Layout& layout, int n) {
    return n >= 1 && n <= layout.RailCount;
}

} // namespace

// Undo of a deletion. The rail's joined ends are joined again to the neighbours they
// name, directly: those neighbours were freed by the deletion, and an end they have
// since given to another rail stays with it (the restored end becomes free). Its free
// ends then join whatever free end lies on them.
void RailDeleted::TakeBack(app::Workspace& ws, UndoPass& pass) const {
    model::Layout& layout = ws.Layout;
    const int n = Rail;
    if (!IsRail(layout, n) || layout.Rails[n].Valid) return;
    pass.Keep(layout, n);
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
        pass.Keep(layout, m);
        model::Rail& other = layout.Rails[m];
        other.Free(f) = false;
        other.Link(f) = static_cast<std::int16_t>(n);
        other.LinkEnd(f) = static_cast<std::uint8_t>(e);
    }
    if (pass.IndexStale) {
        RefreshIndex(layout);
        pass.IndexStale = false;
    }
    // The rail is not in the index yet, so it cannot find its own ends.
    geometry::ConnectJoints(ws, n, false, [&](int m) { pass.Keep(layout, m); });
    layout.Rails[n].Valid = true;
    // Rails restored later in the same action must find this one; its tokens go where a
    // rebuild would put them, so no rebuild is needed at the end.
    if (layout.Index.Empty() || !model::InsertRailInIndex(layout.Index, layout, n))
        model::RebuildRailIndex(layout);
}

void RailRenamed::TakeBack(app::Workspace& ws, UndoPass& pass) const {
    if (!IsRail(ws.Layout, Rail)) return;
    pass.Keep(ws.Layout, Rail);
    ws.Layout.Rails[Rail].Name = OldName;
}

void RailPlaced::TakeBack(app::Workspace& ws, UndoPass& pass) const {
    model::Layout& layout = ws.Layout;
    // A rail that is gone already has no joints left to give back.
    if (!layout.IsLive(Rail)) return;
    // Removing it frees the ends of the neighbours it is joined to.
    pass.Keep(layout, Rail);
    const model::Rail& self = layout.Rails[Rail];
    for (int e = 0; e < 3; ++e)
        if (!self.Free(e)) pass.Keep(layout, self.Link(e));
    geometry::RemoveRail(layout, Rail);
    RemoveRailFromIndex(layout, Rail);
}

void RailRecoloured::TakeBack(app::Workspace& ws, UndoPass& pass) const {
    if (!IsRail(ws.Layout, Rail)) return;
    pass.Keep(ws.Layout, Rail);
    ws.Layout.Rails[Rail].Color = OldColor;
}

void RailElevated::TakeBack(app::Workspace& ws, UndoPass& pass) const {
    if (!IsRail(ws.Layout, Rail)) return;
    pass.Keep(ws.Layout, Rail);
    model::Rail& rail = ws.Layout.Rails[Rail];
    rail.Upper = !rail.Upper;
    rail.Color = OldColor;
    rail.Name = OldName;
}

void LayoutMoved::TakeBack(app::Workspace& ws, UndoPass& pass) const {
    platform::BusyPointer busy(*ws.Host);
    pass.KeepPositions(ws.Layout);
    Old.RestoreInto(ws.Layout);
    // Rebuilt once when the whole action is undone.
    pass.IndexStale = true;
}

void LayoutResized::TakeBack(app::Workspace& ws, UndoPass&) const {
    ws.Layout.LayoutWidth = OldWidth;
    ws.Layout.LayoutHeight = OldHeight;
}

void LayoutResized::DoAgain(app::Workspace& ws) const {
    ws.Layout.LayoutWidth = NewWidth;
    ws.Layout.LayoutHeight = NewHeight;
}

void SelectionChanged::TakeBack(app::Workspace& ws, UndoPass&) const {
    ws.Editor.SelRailList = OldList.empty() ? std::vector<std::int16_t>{0} : OldList;
}

void SelectionChanged::DoAgain(app::Workspace& ws) const {
    ws.Editor.SelRailList = NewList.empty() ? std::vector<std::int16_t>{0} : NewList;
}

void PerformUndo(app::Workspace& ws) {
    if (ws.Undo.UndoCount() == 0) return;
    RedoStep redo;
    UndoPass pass;
    pass.Kept = &redo.Kept;
    while (std::optional<UndoRecord> r = ws.Undo.PopUndo()) {
        r->TakeBack(ws, pass);
        const bool start = r->GroupStart;
        redo.Records.push_back(std::move(*r));
        if (start) break;
    }
    std::reverse(redo.Records.begin(), redo.Records.end());
    ws.Undo.PushRedo(std::move(redo));
    if (pass.IndexStale) RefreshIndex(ws.Layout);
    ws.Redraw->ReDrawBackScreen();
}

// The rails come back as the undo found them, so links, stale fields of free ends and
// all, the layout is what it was; the records go back on the journal as they stood.
void PerformRedo(app::Workspace& ws) {
    std::optional<RedoStep> redo = ws.Undo.PopRedo();
    if (!redo) return;
    model::Layout& layout = ws.Layout;
    // A few rails changed on a large layout: their tokens are taken out and put back
    // where a rebuild would put them, which costs far less than the rebuild.
    const bool rebuild =
        redo->Kept.HasPositions() || layout.Index.Empty() || layout.Index.SkippedOutside != 0;
    if (!rebuild)
        for (const auto& [n, rail] : redo->Kept.Rails())
            if (layout.IsLive(n)) RemoveRailFromIndex(layout, n);
    redo->Kept.PutBack(layout);
    for (const UndoRecord& r : redo->Records)
        r.DoAgain(ws);
    ws.Undo.PutBack(std::move(redo->Records));
    bool indexed = !rebuild;
    for (const auto& [n, rail] : redo->Kept.Rails())
        if (indexed && layout.IsLive(n))
            indexed = model::InsertRailInIndex(layout.Index, layout, n);
    if (!indexed) RefreshIndex(layout);
    ws.Redraw->ReDrawBackScreen();
}

void UndoCommand(app::Workspace& ws) {
    if (ws.Undo.UndoCount() == 0) return;
    PerformUndo(ws);
    ws.Layout.Modified = true;
}

void RedoCommand(app::Workspace& ws) {
    if (ws.Undo.RedoCount() == 0) return;
    PerformRedo(ws);
    ws.Layout.Modified = true;
}

} // namespace ferrovane::editor
