#include "core/commands/placement/RailBoxPlacement.h"

#include <string>

#include "core/commands/placement/Detection.h"
#include "core/commands/placement/RailCapacity.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/RailBoxRail.h"
#include "core/compute/geometry/CurveGeometry.h"
#include "core/compute/geometry/IndexUpkeep.h"
#include "core/compute/geometry/RailBoxWork.h"
#include "core/compute/geometry/StraightGeometry.h"
#include "core/values/model/Angle.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::geometry {

namespace {

// Lays member w into rail r at `origin`, the box turned by `angle`.
void LayMember(model::Rail& r, const RailBoxWorkRail& w, model::Point origin, float angle,
               int railWidth) {
    float turnBy = angle;
    const model::Point p = origin + RotateOffset(model::Point{w.OffsetX, w.OffsetY}, turnBy);
    const float b = model::NormalizeAngle(angle + w.RelAngle);
    if (w.MemberKind == catalogue::MemberCurve)
        LayCurve(r, {p, b}, {w.Size, w.CurveAngle}, w.CurveFlip != 0, railWidth);
    else
        LayStraight(r, {p, b}, w.Size, railWidth);
    r.Name = w.Name;
    r.Color = w.Color;
}

model::Point StartPoint(const editor::EditorState& e, bool atSnap) {
    return atSnap ? model::Point{e.SnapX, e.SnapY} : model::Point{e.MouseX, e.MouseY};
}

bool SnapEndIsFree(const app::Workspace& ws) {
    const int rail = ws.Editor.SnapRail;
    const int end = ws.Editor.SnapEnd;
    if (!ws.Layout.IsLive(rail) || end > 2) return false;
    const model::Rail& r = ws.Layout.Rails[rail];
    if (end == 2 && r.Kind != model::KindPoint) return false;
    return r.Free(end);
}

} // namespace

std::vector<model::Rail> LayRailBoxSample(const catalogue::Catalogue& catalogue, int box,
                                          int railWidth) {
    std::vector<model::Rail> rails;
    RailBoxWork work;
    if (!BuildRailBoxWork(catalogue, box, work)) return rails;
    for (int k = 1; k <= work.BoxHigh(); ++k) {
        model::Rail& r = rails.emplace_back();
        LayMember(r, work.Rails[static_cast<std::size_t>(k)], {0, 0}, 0, railWidth);
        r.Valid = true;
        r.Upper = false;
    }
    return rails;
}

void PreviewRailBox(app::Workspace& ws, float angle, std::int16_t& turn, bool atSnap) {
    NormalizeBoxTurn(ws.Catalogue, ws.Editor.SelBox, turn);
    RailBoxWork work;
    if (!BuildRailBoxWork(ws.Catalogue, ws.Editor.SelBox, work)) return;
    TurnRailBox(work, turn);
    const model::Point origin = StartPoint(ws.Editor, atSnap);
    // Members are drawn one after another through the preview slot.
    for (int k = 1; k <= work.BoxHigh(); ++k) {
        model::Rail& slot = ws.Layout.Rails[0];
        slot = model::Rail{};
        LayMember(slot, work.Rails[static_cast<std::size_t>(k)], origin, angle,
                  ws.Settings.RailWidth);
        slot.Valid = true;
        slot.Upper = ws.Editor.IsUpperMode;
        slot.Free0 = slot.Free1 = slot.Free2 = true;
        model::UpdateCells(slot);
        ws.Redraw->DrawPreviewOnMainPicture();
    }
}

void PlaceRailBox(app::Workspace& ws, float angle, std::int16_t turn, bool atSnap) {
    RailBoxWork work;
    if (!BuildRailBoxWork(ws.Catalogue, ws.Editor.SelBox, work)) return;
    if (work.BoxHigh() < 1) {
        // Copying a selection without straights or curves leaves the clipboard box
        // empty; the click says so instead of doing nothing silently.
        if (work.Rails[0].Name == catalogue::ClipRailBoxName)
            ws.Host->SetStatusText(text::Msg(text::MessageId::ClipBoxEmpty));
        return;
    }
    // Joining an end that is joined already would leave its old neighbour pointing at an
    // end that no longer points back.
    if (atSnap && !SnapEndIsFree(ws)) return;
    if (!RoomForRails(ws, work.BoxHigh())) return;
    TurnRailBox(work, turn);
    const model::Point origin = StartPoint(ws.Editor, atSnap);
    const bool isClip = work.Rails[0].Name == catalogue::ClipRailBoxName;
    model::Layout& layout = ws.Layout;
    const int first = layout.RailCount + 1;
    editor::UndoGroup undo(ws.Undo);
    std::int16_t seq = 0;
    for (int k = 1; k <= work.BoxHigh(); ++k) {
        const RailBoxWorkRail& w = work.Rails[static_cast<std::size_t>(k)];
        model::Rail& r = layout.AppendRail();
        const int n = layout.RailCount;
        LayMember(r, w, origin, angle, ws.Settings.RailWidth);
        r.No = static_cast<std::int16_t>(n);
        r.Valid = true;
        r.Upper = ws.Editor.IsUpperMode;
        r.Free0 = w.Free0;
        r.Free1 = w.Free1;
        r.Free2 = true;
        if (!w.Ungrouped) {
            // The laid kind (straight or curve) keeps its offset within the group's kinds.
            const int first = seq == 0 ? model::KindBoxHeadStraight : model::KindBoxMemberStraight;
            r.Kind = static_cast<std::uint8_t>(first + r.Kind);
            ++seq;
            r.BoxSeq = seq;
            r.Name = work.Rails[0].Name;
        } else {
            seq = 0;
        }
        model::UpdateCells(r);
        ConnectJoints(ws, n, false);
        // Clipboard members join each other as they are laid.
        if (isClip) IndexNewRails(layout, n);
        ws.Redraw->DrawRailOnBackScreen(n);
        undo.Add(editor::RailPlaced{n});
    }
    if (!isClip) IndexNewRails(layout, first);
    layout.Modified = true;
    ws.Redraw->RefreshMainPicture();
}

} // namespace ferrovane::geometry
