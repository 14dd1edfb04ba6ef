#include "core/commands/check/CheckEdits.h"

#include <algorithm>
#include <cmath>

#include "core/commands/edit/Selection.h"
#include "core/commands/placement/FlexRail.h"
#include "core/commands/placement/RailCapacity.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/IndexUpkeep.h"
#include "core/compute/geometry/PointGeometry.h"
#include "core/values/text/Messages.h"

namespace ferrovane::check {

namespace {

void Link(model::Layout& layout, EndRef a, EndRef b) {
    model::Rail& ra = layout.Rails[static_cast<std::size_t>(a.Rail)];
    ra.Free(a.End) = false;
    ra.Link(a.End) = static_cast<std::int16_t>(b.Rail);
    ra.LinkEnd(a.End) = static_cast<std::uint8_t>(b.End);
}

void Join(model::Layout& layout, EndRef a, EndRef b) {
    Link(layout, a, b);
    Link(layout, b, a);
}

geometry::PieceStart StartOf(const model::Layout& layout, EndRef e) {
    const model::Rail& r = layout.Rails[static_cast<std::size_t>(e.Rail)];
    return {{r.X(e.End), r.Y(e.End)}, r.EndAngle(e.End)};
}

bool TwoFreeEnds(const model::Layout& layout, EndRef a, EndRef b) {
    return IsFreeEnd(layout, a.Rail, a.End) && IsFreeEnd(layout, b.Rail, b.End) && !(a == b);
}

} // namespace

bool JoinNearEnds(app::Workspace& ws, EndRef a, EndRef b) {
    model::Layout& layout = ws.Layout;
    if (!TwoFreeEnds(layout, a, b) || a.Rail == b.Rail) return false;
    const auto pa = StartOf(layout, a), pb = StartOf(layout, b);
    const float range = ws.Settings.DetectRange;
    if (!(std::fabs(pa.At.X - pb.At.X) < range && std::fabs(pa.At.Y - pb.At.Y) < range))
        return false;
    Join(layout, a, b);
    layout.Modified = true;
    ws.Undo.Record(editor::EndsJoined{a.Rail, a.End, b.Rail, b.End});
    ws.Changed.Mark(app::Change::Layout);
    return true;
}

std::optional<GapReading> PreviewGapReading(const app::Workspace& ws) {
    const auto& ed = ws.Editor;
    if (!IsFreeEnd(ws.Layout, ed.SnapRail, ed.SnapEnd)) return std::nullopt;
    int joinedEnd = 0;
    switch (ed.PlaceKind) {
    case model::PieceKind::Straight:
    case model::PieceKind::Curve:
        break;
    case model::PieceKind::Point:
        joinedEnd = geometry::JoinedEndOfOrient(ed.PointOrient);
        break;
    default:
        return std::nullopt;
    }
    const model::Rail& piece = ws.Layout.Rails[0];
    if (!piece.Valid || EndCountOf(piece.Kind) == 0) return std::nullopt;
    return GapOfPreview(ws.Layout, piece, joinedEnd, ed.SnapRail);
}

std::string WithGapReadout(const app::Workspace& ws, const std::string& hint) {
    const auto reading = PreviewGapReading(ws);
    return reading ? hint + "  " + GapReadoutText(*reading) : hint;
}

std::vector<Finding> CheckLayout(const app::Workspace& ws) {
    return RunDesignCheck(ws.Layout,
                          {ws.Settings.RailWidth, static_cast<float>(ws.Settings.DetectRange)});
}

void FocusFinding(app::Workspace& ws, const Finding& finding) {
    editor::ClearSelection(ws.Editor);
    if (ws.Layout.IsLive(finding.A.Rail)) editor::ToggleSelection(ws, finding.A.Rail);
    if (finding.B.Rail != finding.A.Rail && ws.Layout.IsLive(finding.B.Rail))
        editor::ToggleSelection(ws, finding.B.Rail);
    auto& view = ws.View;
    auto centre = [](render::ScrollBar& bar, float at, float size) {
        const float v = std::round(at - size / 2);
        bar.Value = static_cast<int>(std::clamp(v, static_cast<float>(bar.Min),
                                                static_cast<float>(std::max(bar.Min, bar.Max))));
    };
    centre(view.HScroll, finding.X, view.Screen.Width);
    centre(view.VScroll, finding.Y, view.Screen.Height);
    ws.Changed.Mark({app::Change::View, app::Change::Selection});
}

std::vector<std::string> FindingRow(const Finding& f) {
    auto end = [](const EndRef& r) {
        return std::to_string(r.Rail) + "(" + std::to_string(r.End + 1) + ")";
    };
    auto figures = [&] {
        return text::Msg(text::MessageId::GapReadout, {CheckNumber(f.Gap), CheckNumber(f.Angle)});
    };
    switch (f.Kind) {
    case FindingKind::OpenEnd:
        return {text::Msg(text::MessageId::FindingOpenEnd), end(f.A),
                "(" + CheckNumber(f.X) + ", " + CheckNumber(f.Y) + ")"};
    case FindingKind::Strained:
        return {text::Msg(text::MessageId::FindingStrained), end(f.A) + " - " + end(f.B),
                figures()};
    case FindingKind::NearMiss:
        return {text::Msg(text::MessageId::FindingNearMiss), end(f.A) + " - " + end(f.B),
                figures()};
    case FindingKind::Overlap:
        return {text::Msg(text::MessageId::FindingOverlap),
                std::to_string(f.A.Rail) + " - " + std::to_string(f.B.Rail), ""};
    case FindingKind::Duplicate:
        return {text::Msg(text::MessageId::FindingDuplicate),
                std::to_string(f.A.Rail) + " - " + std::to_string(f.B.Rail), ""};
    }
    return {"", "", ""};
}

std::vector<CloserSuggestion> SuggestClosers(const app::Workspace& ws, EndRef a, EndRef b) {
    if (!TwoFreeEnds(ws.Layout, a, b)) return {};
    return FindClosers(ws.Catalogue, ws.Settings.RailWidth, StartOf(ws.Layout, a),
                       StartOf(ws.Layout, b));
}

int LayCloser(app::Workspace& ws, EndRef a, EndRef b, const CloserSuggestion& suggestion) {
    model::Layout& layout = ws.Layout;
    const int count = static_cast<int>(suggestion.Pieces.size());
    if (count == 0 || !TwoFreeEnds(layout, a, b)) return -1;
    if (!geometry::RoomForRails(ws, count)) return -1;
    const int first = layout.RailCount + 1;
    editor::UndoGroup group(ws.Undo);
    EndRef previous = a;
    for (const ClosePiece& piece : suggestion.Pieces) {
        const geometry::PieceStart start = StartOf(layout, previous);
        model::Rail& r = layout.AppendRail();
        const int n = layout.RailCount;
        const catalogue::RType& type = ClosePieceType(ws.Catalogue, piece);
        LayClosePiece(r, ws.Catalogue, piece, start, ws.Settings.RailWidth);
        r.No = static_cast<std::int16_t>(n);
        r.Name = type.Name;
        r.Color = type.Color;
        r.Upper = ws.Editor.IsUpperMode;
        r.Valid = true;
        r.Free0 = r.Free1 = r.Free2 = true;
        model::UpdateCells(r);
        Join(layout, previous, {n, 0});
        group.Add(editor::RailPlaced{n});
        previous = {n, 1};
    }
    Join(layout, previous, b);
    geometry::IndexNewRails(layout, first);
    layout.Modified = true;
    for (int n = first; n <= layout.RailCount; ++n)
        ws.Redraw->DrawRailOnBackScreen(n);
    ws.Redraw->RefreshMainPicture();
    ws.Changed.Mark(app::Change::Layout);
    return first;
}

int LayCloserFlex(app::Workspace& ws, EndRef a, EndRef b) {
    if (!TwoFreeEnds(ws.Layout, a, b)) return -1;
    auto& ed = ws.Editor;
    const geometry::FlexDef keptDef = ed.FlexDef;
    const auto keptMode = ed.AStatus;
    geometry::RecordFlexSideAtEnd(ws, geometry::FlexSide::Start, a.Rail, a.End);
    geometry::RecordFlexSideAtEnd(ws, geometry::FlexSide::End, b.Rail, b.End);
    // Handles a third of the way across make a smooth bend for any gap.
    auto& def = ed.FlexDef;
    const float third = std::max(1.0f, EndDistance(def.StartX, def.StartY, def.EndX, def.EndY) / 3);
    def.Handle1X = def.Handle1Y = def.Handle2X = def.Handle2Y = third;
    const bool made = geometry::CreateFlexRail(ws);
    ed.FlexDef = keptDef;
    ed.AStatus = keptMode;
    if (!made) return -1;
    ws.Changed.Mark(app::Change::Layout);
    return ws.Layout.RailCount;
}

} // namespace ferrovane::check

namespace ferrovane::editor {

// Taking a joint back frees both ends, unless one of them has been given to another
// rail since.
void EndsJoined::TakeBack(app::Workspace& ws, UndoPass& pass) const {
    model::Layout& layout = ws.Layout;
    auto linked = [&](int n, int e, int m, int f) {
        if (n < 1 || n > layout.RailCount) return false;
        const model::Rail& r = layout.Rails[static_cast<std::size_t>(n)];
        return !r.Free(e) && r.Link(e) == m && r.LinkEnd(e) == f;
    };
    if (!linked(RailA, EndA, RailB, EndB) || !linked(RailB, EndB, RailA, EndA)) return;
    // Redo puts the two rails back as they were joined.
    pass.Keep(layout, RailA);
    pass.Keep(layout, RailB);
    layout.Rails[static_cast<std::size_t>(RailA)].Free(EndA) = true;
    layout.Rails[static_cast<std::size_t>(RailB)].Free(EndB) = true;
}

} // namespace ferrovane::editor
