#include "core/commands/placement/FlexRail.h"

#include <cmath>
#include <cstdio>

#include "core/commands/edit/StatusText.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/placement/RailCapacity.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/FlexGeometry.h"
#include "core/compute/geometry/IndexUpkeep.h"
#include "core/values/model/Angle.h"
#include "core/values/text/Messages.h"

namespace ferrovane::geometry {

namespace {

bool EndExists(const model::Rail& rail, int end) {
    return end == 0 || end == 1 || (end == 2 && rail.Kind == model::KindPoint);
}

// A rail end the new rail may be joined to: live, existing and not joined yet.
bool IsFreeEnd(const model::Layout& layout, int rail, int end) {
    return layout.IsLive(rail) && EndExists(layout.Rails[rail], end) &&
           layout.Rails[rail].Free(end);
}

bool IsJoinedEnd(const model::Layout& layout, int rail, int end) {
    return layout.IsLive(rail) && EndExists(layout.Rails[rail], end) &&
           !layout.Rails[rail].Free(end);
}

std::int16_t& ChosenRail(editor::EditorState& editor, FlexSide side) {
    return side == FlexSide::Start ? editor.FlexStartRail : editor.FlexEndRail;
}

void Record(editor::EditorState& editor, FlexSide side, float x, float y, float angle,
            std::int16_t link, std::uint8_t linkEnd) {
    FlexDef& def = editor.FlexDef;
    if (side == FlexSide::Start) {
        def.StartX = x, def.StartY = y, def.StartAngle = angle;
        def.StartLink = link, def.StartLinkEnd = linkEnd;
    } else {
        def.EndX = x, def.EndY = y, def.EndAngle = angle;
        def.EndLink = link, def.EndLinkEnd = linkEnd;
    }
    ChosenRail(editor, side) = link;
}

bool ChooseSide(app::Workspace& ws, FlexSide side, const FlexAnglePicker& pickAngle) {
    const std::int16_t status = DetectRail(ws);
    const editor::EditorState& e = ws.Editor;
    if (status >= DetectEnd0 && status <= DetectEnd2) {
        // A second link on a joined end would break the joint it holds.
        if (IsJoinedEnd(ws.Layout, e.SnapRail, status - DetectEnd0)) {
            editor::SetStatusText(ws, FlexEndJoinedText());
            return false;
        }
        return RecordFlexSideAtEnd(ws, side, e.SnapRail, status - DetectEnd0);
    }
    if (!pickAngle) return false;
    const std::optional<float> angle = pickAngle();
    if (!angle) return false;
    RecordFlexSideFree(ws, side, e.MouseX, e.MouseY, *angle);
    return true;
}

// Whole units, halves to even, as the position is shown to the user.
std::string WholeUnits(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::nearbyint(static_cast<double>(v)));
    return buffer;
}

} // namespace

void OpenFlexRail(app::Workspace& ws) {
    ws.Editor.AStatus = model::EditorMode::FlexChoosingStart;
    ws.Editor.FlexStartRail = -1;
    ws.Editor.FlexEndRail = -1;
}

bool RecordFlexSideAtEnd(app::Workspace& ws, FlexSide side, int rail, int end) {
    if (!ws.Layout.IsLive(rail) || !EndExists(ws.Layout.Rails[rail], end)) return false;
    const model::Rail& r = ws.Layout.Rails[rail];
    Record(ws.Editor, side, r.X(end), r.Y(end), r.EndAngle(end), static_cast<std::int16_t>(rail),
           static_cast<std::uint8_t>(end));
    return true;
}

void RecordFlexSideFree(app::Workspace& ws, FlexSide side, float x, float y, float angle) {
    Record(ws.Editor, side, x, y, angle, 0, 0);
}

bool SetFlexEnd(app::Workspace& ws, const FlexAnglePicker& pickAngle) {
    if (!ChooseSide(ws, FlexSide::Start, pickAngle)) return false;
    ws.Editor.AStatus = model::EditorMode::FlexChoosingEnd;
    return true;
}

bool SetFlexRail(app::Workspace& ws, const FlexAnglePicker& pickAngle) {
    if (!ChooseSide(ws, FlexSide::End, pickAngle)) return false;
    EnterFlexShaping(ws);
    return true;
}

void EnterFlexShaping(app::Workspace& ws) {
    FlexDef& def = ws.Editor.FlexDef;
    def.Handle1X = def.Handle1Y = def.Handle2X = def.Handle2Y = 50;
    ComputeFlexControls(def);
    ws.Editor.AStatus = model::EditorMode::FlexShaping;
}

void DragFlexHandle(app::Workspace& ws, FlexSide side) {
    FlexDef& def = ws.Editor.FlexDef;
    const float mx = ws.Editor.MouseX, my = ws.Editor.MouseY;
    if (side == FlexSide::Start) {
        def.Handle1X = std::fabs(mx - def.StartX);
        def.Handle1Y = std::fabs(my - def.StartY);
    } else {
        def.Handle2X = std::fabs(mx - def.EndX);
        def.Handle2Y = std::fabs(my - def.EndY);
    }
    ComputeFlexControls(def);
}

std::string FlexPointerText(app::Workspace& ws) {
    const std::int16_t status = DetectRail(ws);
    if (status >= DetectEnd0 && status <= DetectEnd2) return std::to_string(ws.Editor.SnapRail);
    return text::Msg(text::MessageId::FlexUserPoint,
                     {WholeUnits(ws.Editor.MouseX), WholeUnits(ws.Editor.MouseY)});
}

bool CreateFlexRail(app::Workspace& ws) {
    model::Layout& layout = ws.Layout;
    FlexDef& def = ws.Editor.FlexDef;
    // Joining an end that is joined already would leave its old neighbour pointing at an
    // end that no longer points back; one end cannot take both sides either.
    const bool startJoined = def.StartLink >= 1;
    const bool endJoined = def.EndLink >= 1;
    if (startJoined && !IsFreeEnd(layout, def.StartLink, def.StartLinkEnd)) return false;
    if (endJoined && !IsFreeEnd(layout, def.EndLink, def.EndLinkEnd)) return false;
    if (startJoined && endJoined && def.StartLink == def.EndLink &&
        def.StartLinkEnd == def.EndLinkEnd)
        return false;
    if (!RoomForRails(ws, 1)) return false;

    ComputeFlexControls(def);
    const int first = layout.RailCount + 1;
    model::Rail& r = layout.AppendRail();
    const int n = layout.RailCount;
    r.Valid = true;
    r.No = static_cast<std::int16_t>(n);
    r.Name = FlexRailName;
    r.Kind = model::KindFlexible;
    r.X0 = def.StartX, r.Y0 = def.StartY;
    r.X1 = def.EndX, r.Y1 = def.EndY;
    r.C1X = def.Ctl1X, r.C1Y = def.Ctl1Y;
    r.C2X = def.Ctl2X, r.C2Y = def.Ctl2Y;
    r.C3X = def.Handle1X, r.C3Y = def.Handle1Y;
    r.C4X = def.Handle2X, r.C4Y = def.Handle2Y;
    r.MidX = (r.X0 + r.X1) / 2;
    r.MidY = (r.Y0 + r.Y1) / 2;
    r.Angle0 = model::NormalizeAngle(def.StartAngle + 180);
    r.Angle1 = model::NormalizeAngle(def.EndAngle + 180);
    model::UpdateCells(r);
    r.Link0 = startJoined ? def.StartLink : 0;
    r.LinkEnd0 = startJoined ? def.StartLinkEnd : 0;
    r.Link1 = endJoined ? def.EndLink : 0;
    r.LinkEnd1 = endJoined ? def.EndLinkEnd : 0;
    r.Free0 = !startJoined;
    r.Free1 = !endJoined;
    r.Color = ws.Settings.RailColor;
    r.Upper = ws.Editor.IsUpperMode;
    if (startJoined) {
        model::Rail& m = layout.Rails[def.StartLink];
        m.Free(def.StartLinkEnd) = false;
        m.Link(def.StartLinkEnd) = static_cast<std::int16_t>(n);
        m.LinkEnd(def.StartLinkEnd) = 0;
    }
    if (endJoined) {
        model::Rail& m = layout.Rails[def.EndLink];
        m.Free(def.EndLinkEnd) = false;
        m.Link(def.EndLinkEnd) = static_cast<std::int16_t>(n);
        m.LinkEnd(def.EndLinkEnd) = 1;
    }
    IndexNewRails(layout, first);
    layout.Modified = true;
    // Recorded so that undo takes the flexible rail back like any placed piece.
    ws.Undo.Record(editor::RailPlaced{n});
    ws.Editor.AStatus = model::EditorMode::Place;
    ws.Redraw->DrawRailOnBackScreen(n);
    ws.Redraw->RefreshMainPicture();
    return true;
}

void CancelFlexRail(app::Workspace& ws) {
    ws.Editor.AStatus = model::EditorMode::Place;
    ws.Redraw->ReDrawBackScreen();
}

} // namespace ferrovane::geometry
