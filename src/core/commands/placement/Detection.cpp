#include "core/commands/placement/Detection.h"

#include <string>

#include "core/commands/workspace/Workspace.h"
#include "core/values/model/Layout.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::geometry {

std::int16_t DetectRail(app::Workspace& ws) {
    auto& ed = ws.Editor;
    const Hit hit = HitTest(ws.Layout, ed.MouseX, ed.MouseY, ed.MouseCellX, ed.MouseCellY,
                            ws.Settings.DetectRange);
    if (hit.Status == DetectMiddle) {
        ed.PointedRail = hit.Rail;
    } else if (hit.Status != DetectNothing) {
        ed.SnapX = hit.X;
        ed.SnapY = hit.Y;
        ed.SnapAngle = hit.Angle;
        ed.SnapRail = hit.Rail;
        ed.SnapEnd = hit.End;
    } else {
        ed.SnapX = -100;
        ed.PointedRail = -1;
        ed.SnapRail = -1;
        ed.BoxTurn = 0;
    }
    return hit.Status;
}

bool SnapToEnd(app::Workspace& ws, int rail, int end) {
    const model::Layout& layout = ws.Layout;
    if (!layout.IsLive(rail) || end < 0 || end > 2) return false;
    const model::Rail& r = layout.Rails[rail];
    if (r.Kind == model::KindText || (end == 2 && r.Kind != model::KindPoint)) return false;
    auto& ed = ws.Editor;
    ed.MouseX = ed.SnapX = r.X(end);
    ed.MouseY = ed.SnapY = r.Y(end);
    ed.MouseCellX = model::CellOf(ed.MouseX);
    ed.MouseCellY = model::CellOf(ed.MouseY);
    ed.SnapAngle = r.EndAngle(end);
    ed.SnapRail = static_cast<std::int16_t>(rail);
    ed.SnapEnd = static_cast<std::uint8_t>(end);
    return true;
}

std::uint8_t FindJoint(app::Workspace& ws, float x, float y, std::int16_t& rail, bool showMessage) {
    auto& ed = ws.Editor;
    const float keepX = ed.MouseX, keepY = ed.MouseY;
    const float keepCellX = ed.MouseCellX, keepCellY = ed.MouseCellY;
    ed.MouseX = x;
    ed.MouseY = y;
    ed.MouseCellX = model::CellOf(x);
    ed.MouseCellY = model::CellOf(y);
    const std::int16_t status = DetectRail(ws);
    std::uint8_t result = NoJoint;
    rail = 0;
    if (status >= DetectEnd0 && status <= DetectEnd2) {
        rail = ed.SnapRail;
        result = static_cast<std::uint8_t>(status - DetectEnd0);
        if (showMessage) {
            // Announced before it is known whether the joint can be made.
            ws.Host->ShowNote(text::Msg(text::MessageId::EndFoundNote,
                                        {std::to_string(result + 1), std::to_string(rail)}));
        }
    }
    ed.MouseX = keepX;
    ed.MouseY = keepY;
    ed.MouseCellX = keepCellX;
    ed.MouseCellY = keepCellY;
    return result;
}

void ConnectJoints(app::Workspace& ws, int n, bool showMessage,
                   const std::function<void(int)>& beforeJoin) {
    model::Layout& layout = ws.Layout;
    // A label has no ends; its end flags are its bold and italic.
    if (n < 1 || n > layout.RailCount || layout.Rails[n].Kind == model::KindText) return;
    const int ends = layout.Rails[n].Kind == model::KindPoint ? 3 : 2;
    for (int e = 0; e < ends; ++e) {
        if (!layout.Rails[n].Free(e)) continue;
        std::int16_t m = 0;
        const std::uint8_t f =
            FindJoint(ws, layout.Rails[n].X(e), layout.Rails[n].Y(e), m, showMessage);
        if (m == 0 || f > 2 || m == n || m > layout.RailCount) continue;
        model::Rail& other = layout.Rails[m];
        if (!other.Free(f)) continue;
        if (beforeJoin) beforeJoin(m);
        other.Link(f) = static_cast<std::int16_t>(n);
        other.LinkEnd(f) = static_cast<std::uint8_t>(e);
        other.Free(f) = false;
        model::Rail& self = layout.Rails[n];
        self.Link(e) = m;
        self.LinkEnd(e) = f;
        self.Free(e) = false;
    }
}

} // namespace ferrovane::geometry
