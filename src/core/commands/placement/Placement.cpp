#include "core/commands/placement/Placement.h"

#include <string>

#include "core/commands/check/CheckEdits.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/placement/RailBoxPlacement.h"
#include "core/commands/placement/RailCapacity.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/CurveGeometry.h"
#include "core/compute/geometry/IndexUpkeep.h"
#include "core/compute/geometry/PointGeometry.h"
#include "core/compute/geometry/StraightGeometry.h"
#include "core/values/model/Angle.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::geometry {

namespace {

inline const char* PlaceHint() {
    return text::Msg(text::MessageId::PlaceHint);
}
inline const char* TurnPlaceHint() {
    return text::Msg(text::MessageId::TurnPlaceHint);
}
inline const char* BoxHint() {
    return text::Msg(text::MessageId::BoxHint);
}

const catalogue::RType* Selected(const std::vector<catalogue::RType>& types, int index) {
    if (index < 0 || index >= static_cast<int>(types.size())) return nullptr;
    return &types[static_cast<std::size_t>(index)];
}

// The detected end, when it is an end of a live rail.
bool SnapEndExists(const app::Workspace& ws) {
    const auto& ed = ws.Editor;
    return ws.Layout.IsLive(ed.SnapRail) && ed.SnapEnd <= 2;
}

bool SnapEndFree(const app::Workspace& ws) {
    return SnapEndExists(ws) && ws.Layout.Rails[ws.Editor.SnapRail].Free(ws.Editor.SnapEnd);
}

// The slot a per-kind step fills, or -1 when a commit is refused. A commit at an end
// that is already joined would leave the old neighbour pointing at an end that no
// longer points back, so it places nothing.
int BeginPlacement(app::Workspace& ws, int mode, bool atSnap) {
    if (mode == PlacePreview) {
        ws.Layout.RailCount = 0;
        return 0;
    }
    if (mode != PlaceCommit) return -1;
    if (atSnap && !SnapEndFree(ws)) return -1;
    if (!RoomForRails(ws, 1)) return -1;
    model::Rail& r = ws.Layout.AppendRail();
    r.Free0 = r.Free1 = r.Free2 = true;
    return ws.Layout.RailCount;
}

void FillCommon(app::Workspace& ws, model::Rail& r, int n, const catalogue::RType& type) {
    r.No = static_cast<std::int16_t>(n);
    r.Name = type.Name;
    r.Upper = ws.Editor.IsUpperMode;
    r.Valid = true;
    r.Free1 = true;
    r.Color = type.Color;
}

void SetCells(model::Rail& r, bool withEnd2) {
    r.MidCellX = model::CellOf(r.MidX);
    r.MidCellY = model::CellOf(r.MidY);
    r.Cell0X = model::CellOf(r.X0);
    r.Cell0Y = model::CellOf(r.Y0);
    r.Cell1X = model::CellOf(r.X1);
    r.Cell1Y = model::CellOf(r.Y1);
    if (withEnd2) {
        r.Cell2X = model::CellOf(r.X2);
        r.Cell2Y = model::CellOf(r.Y2);
    }
}

// Writes both sides of the joint between end `end` of new rail n and the detected end.
// Done after the record is filled, so that the filling cannot free the joined end.
void JoinToSnap(app::Workspace& ws, int n, int end) {
    const auto& ed = ws.Editor;
    model::Rail& r = ws.Layout.Rails[n];
    r.LinkEnd(end) = ed.SnapEnd;
    r.Free(end) = false;
    r.Link(end) = ed.SnapRail;
    model::Rail& other = ws.Layout.Rails[ed.SnapRail];
    other.Link(ed.SnapEnd) = static_cast<std::int16_t>(n);
    other.Free(ed.SnapEnd) = false;
    other.LinkEnd(ed.SnapEnd) = static_cast<std::uint8_t>(end);
}

// The common frame of every per-kind step: start point and angle, the slot, the common
// fields, the kind's geometry (lay), the cells and the joint at the detected end.
template <class Lay>
int PlacePiece(app::Workspace& ws, float x, float y, float angle, int mode, bool atSnap,
               const catalogue::RType* type, bool withEnd2, int joinedEnd, Lay lay) {
    if (!type || (mode != PlaceCommit && mode != PlacePreview)) return -1;
    float a = model::NormalizeAngle(angle);
    const int n = BeginPlacement(ws, mode, atSnap);
    if (n < 0) return -1;
    if (atSnap) {
        x = ws.Editor.SnapX;
        y = ws.Editor.SnapY;
        a = ws.Editor.SnapAngle;
    }
    model::Rail& r = ws.Layout.Rails[n];
    FillCommon(ws, r, n, *type);
    lay(r, x, y, a);
    SetCells(r, withEnd2);
    if (mode == PlaceCommit && atSnap) JoinToSnap(ws, n, joinedEnd);
    return n;
}

} // namespace

int PlaceStraight(app::Workspace& ws, float x, float y, float angle, int mode, bool atSnap) {
    const auto* type = Selected(ws.Catalogue.StraightTypes, ws.Editor.SelStraight);
    const int w = ws.Settings.RailWidth;
    return PlacePiece(ws, x, y, angle, mode, atSnap, type, false, 0,
                      [&](model::Rail& r, float px, float py, float a) {
                          LayStraight(r, {{px, py}, a}, type->Length, w);
                      });
}

int PlaceCurve(app::Workspace& ws, float x, float y, float angle, bool flip, int mode,
               bool atSnap) {
    const auto* type = Selected(ws.Catalogue.CurveTypes, ws.Editor.SelCurve);
    const int w = ws.Settings.RailWidth;
    return PlacePiece(ws, x, y, angle, mode, atSnap, type, false, 0,
                      [&](model::Rail& r, float px, float py, float a) {
                          LayCurve(r, {{px, py}, a}, {type->Radius, type->Angle}, flip, w);
                      });
}

int PlacePoint(app::Workspace& ws, float x, float y, float angle, int orient, int mode,
               bool atSnap) {
    const auto* type = Selected(ws.Catalogue.PointTypes, ws.Editor.SelPoint);
    if (orient < 0 || orient > 5) orient = 0;
    const int w = ws.Settings.RailWidth;
    return PlacePiece(
        ws, x, y, angle, mode, atSnap, type, true, JoinedEndOfOrient(orient),
        [&](model::Rail& r, float px, float py, float a) {
            if (type->Length < 0)
                LayCurvedPoint(r, {{px, py}, a}, {-type->Length, type->Radius, type->Angle}, orient,
                               w);
            else
                LayPoint(r, {{px, py}, a}, {type->Length, type->Radius, type->Angle}, orient, w);
        });
}

int PlaceRail(app::Workspace& ws, float& angle, int dir, int mode, bool atSnap) {
    if (mode != PlaceCommit && mode != PlacePreview) return -1;
    auto& ed = ws.Editor;
    angle = atSnap ? ed.SnapAngle : model::NormalizeAngle(angle);
    const float x = ed.MouseX, y = ed.MouseY;
    int n = -1;
    switch (ed.PlaceKind) {
    case model::PieceKind::Straight:
        n = PlaceStraight(ws, x, y, angle, mode, atSnap);
        break;
    case model::PieceKind::Curve:
        n = PlaceCurve(ws, x, y, angle, dir != 0, mode, atSnap);
        break;
    case model::PieceKind::Point:
        n = PlacePoint(ws, x, y, angle, dir, mode, atSnap);
        break;
    default:
        return -1;
    }
    model::Layout& layout = ws.Layout;
    if (mode == PlacePreview) {
        if (n == 0) ws.Redraw->DrawPreviewOnMainPicture();
        layout.RailCount = layout.SavedRailCount;
        return n;
    }
    if (n < 0) return -1;
    ConnectJoints(ws, n, true);
    IndexNewRails(layout, n);
    // Rails are drawn in number order over the grid and border, and joining changes
    // no other rail's look: drawing the new, highest-numbered rail over the off-screen
    // image gives exactly the pixels of a full redraw, without redrawing every rail.
    ws.Redraw->DrawRailOnBackScreen(n);
    ws.Redraw->RefreshMainPicture();
    layout.Modified = true;
    ws.Undo.Record(editor::RailPlaced{n});
    return n;
}

void PreviewNextRail(app::Workspace& ws) {
    auto& ed = ws.Editor;
    if (!SnapEndFree(ws)) return;
    float angle = 0;
    switch (ed.PlaceKind) {
    case model::PieceKind::Straight:
        PlaceRail(ws, angle, 0, PlacePreview, true);
        ws.Host->SetStatusText(check::WithGapReadout(ws, PlaceHint()));
        break;
    case model::PieceKind::Curve:
        PlaceRail(ws, angle, ed.CurveFlip ? 1 : 0, PlacePreview, true);
        ws.Host->SetStatusText(check::WithGapReadout(ws, TurnPlaceHint()));
        break;
    case model::PieceKind::Point:
        PlaceRail(ws, angle, ed.PointOrient, PlacePreview, true);
        ws.Host->SetStatusText(check::WithGapReadout(ws, TurnPlaceHint()));
        break;
    case model::PieceKind::RailBox:
        PreviewRailBox(ws, ed.SnapAngle, ed.BoxTurn, true);
        ws.Host->SetStatusText(BoxHint());
        break;
    default:
        break;
    }
}

void SetNextRail(app::Workspace& ws, int button, float /*x*/, float /*y*/) {
    auto& ed = ws.Editor;
    if (button == 2) {
        if (ed.PlaceKind == model::PieceKind::Curve)
            ed.CurveFlip = !ed.CurveFlip;
        else if (ed.PlaceKind == model::PieceKind::Point)
            ed.PointOrient = NextPointOrient(ed.PointOrient);
        else if (ed.PlaceKind == model::PieceKind::RailBox && ed.BoxTurn < INT16_MAX)
            ++ed.BoxTurn;
        ws.Redraw->RefreshMainPicture();
        PreviewNextRail(ws);
        return;
    }
    if (button != 1) return;
    float angle = 0;
    int n = -1;
    switch (ed.PlaceKind) {
    case model::PieceKind::Straight:
        n = PlaceRail(ws, angle, 0, PlaceCommit, true);
        break;
    case model::PieceKind::Curve:
        n = PlaceRail(ws, angle, ed.CurveFlip ? 1 : 0, PlaceCommit, true);
        break;
    case model::PieceKind::Point:
        n = PlaceRail(ws, angle, ed.PointOrient, PlaceCommit, true);
        break;
    case model::PieceKind::RailBox:
        PlaceRailBox(ws, ed.SnapAngle, ed.BoxTurn, true);
        return;
    default:
        return;
    }
    // PlaceRail has drawn the new rail and refreshed the board.
    (void)n;
}

} // namespace ferrovane::geometry
