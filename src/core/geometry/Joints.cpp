#include "core/geometry/Joints.h"

#include <cmath>
#include <string>

#include "core/app/Workspace.h"
#include "core/model/Layout.h"
#include "core/model/RailIndex.h"
#include "core/platform/UiHost.h"

namespace ferrovane::geometry {

namespace {

// A cell value as a grid coordinate; out-of-range values (a pointer far off the board)
// become a coordinate no grid has.
std::int64_t CellCoordinate(float cell, std::int32_t origin) {
    const double v = static_cast<double>(cell) - origin;
    if (!(v > -1.0e9 && v < 1.0e9)) return -1;
    return static_cast<std::int64_t>(std::floor(v));
}

bool InWindow(float fx, float fy, float mx, float my, float range) {
    return std::fabs(fx - mx) < range && std::fabs(fy - my) < range;
}

struct Feature {
    char Letter;
    int End; // -1 for the middle point
    std::int16_t Status;
};

// The order in which features are tested: middle points win over any end.
constexpr Feature Features[] = {
    {'O', -1, DetectMiddle}, {'S', 0, DetectEnd0}, {'E', 1, DetectEnd1}, {'F', 2, DetectEnd2}};

} // namespace

std::int16_t DetectRail(app::Workspace& ws) {
    auto& ed = ws.Editor;
    const model::Layout& layout = ws.Layout;
    const model::RailIndex& index = layout.Index;
    const float range = ws.Settings.DetectRange;
    if (!index.Empty()) {
        const std::int64_t ci = CellCoordinate(ed.MouseCellX, index.OriginX);
        const std::int64_t cj = CellCoordinate(ed.MouseCellY, index.OriginY);
        // Testing letter by letter over the nine cells in collection order is the same
        // as collecting four lists first and testing them in turn.
        for (const Feature& feature : Features) {
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    const auto* cell = index.At(ci + dx, cj + dy);
                    if (!cell) continue;
                    for (const model::IndexToken& token : *cell) {
                        if (token.Letter != feature.Letter) continue;
                        if (token.Rail < 0 || token.Rail > layout.RailCount) continue;
                        const model::Rail& r = layout.Rails[token.Rail];
                        const int e = feature.End;
                        const float fx = e < 0 ? r.MidX : r.X(e);
                        const float fy = e < 0 ? r.MidY : r.Y(e);
                        if (!InWindow(fx, fy, ed.MouseX, ed.MouseY, range)) continue;
                        if (e < 0) {
                            ed.PointedRail = static_cast<std::int16_t>(token.Rail);
                        } else {
                            ed.SnapX = fx;
                            ed.SnapY = fy;
                            ed.SnapAngle = r.EndAngle(e);
                            ed.SnapRail = static_cast<std::int16_t>(token.Rail);
                            ed.SnapEnd = static_cast<std::uint8_t>(e);
                        }
                        return feature.Status;
                    }
                }
            }
        }
    }
    ed.SnapX = -100;
    ed.PointedRail = -1;
    ed.SnapRail = -1;
    ed.BoxTurn = 0;
    return DetectNothing;
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
            // Built piecewise: GCC 12 misreports chained string additions here.
            std::string note = "[";
            note += std::to_string(result + 1);
            note += "] 他のレールの端が見つかりました。(No.";
            note += std::to_string(rail);
            note += ") \rレールどうしを接続します。";
            ws.Host->ShowNote(note);
        }
    }
    ed.MouseX = keepX;
    ed.MouseY = keepY;
    ed.MouseCellX = keepCellX;
    ed.MouseCellY = keepCellY;
    return result;
}

void ConnectJoints(app::Workspace& ws, int n, bool showMessage) {
    model::Layout& layout = ws.Layout;
    if (n < 1 || n > layout.RailCount) return;
    const int ends = layout.Rails[n].Kind == model::KindPoint ? 3 : 2;
    for (int e = 0; e < ends; ++e) {
        if (!layout.Rails[n].Free(e)) continue;
        std::int16_t m = 0;
        const std::uint8_t f =
            FindJoint(ws, layout.Rails[n].X(e), layout.Rails[n].Y(e), m, showMessage);
        if (m == 0 || f > 2 || m == n || m > layout.RailCount) continue;
        model::Rail& other = layout.Rails[m];
        if (!other.Free(f)) continue;
        other.Link(f) = static_cast<std::int16_t>(n);
        other.LinkEnd(f) = static_cast<std::uint8_t>(e);
        other.Free(f) = false;
        model::Rail& self = layout.Rails[n];
        self.Link(e) = m;
        self.LinkEnd(e) = f;
        self.Free(e) = false;
    }
}

void RemoveRail(model::Layout& layout, int n) {
    if (n < 1 || n > layout.RailCount) return;
    model::Rail& r = layout.Rails[n];
    r.Valid = false;
    for (int e = 0; e < 3; ++e) {
        if (r.Free(e)) continue;
        const int m = r.Link(e);
        const int f = r.LinkEnd(e);
        if (m < 1 || m > layout.RailCount || f > 2 || m == n) continue;
        model::Rail& other = layout.Rails[m];
        // Only an end that really is joined back here is freed: a damaged file may name
        // a neighbour that is joined elsewhere.
        if (!other.Free(f) && other.Link(f) == n && other.LinkEnd(f) == e) other.Free(f) = true;
    }
}

namespace {

void MoveRecord(model::Rail& r, float dx, float dy) {
    for (float* x :
         {&r.X0, &r.X1, &r.X2, &r.C1X, &r.C2X, &r.C3X, &r.C4X, &r.C5X, &r.C6X, &r.CenterX, &r.MidX})
        *x += dx;
    for (float* y :
         {&r.Y0, &r.Y1, &r.Y2, &r.C1Y, &r.C2Y, &r.C3Y, &r.C4Y, &r.C5Y, &r.C6Y, &r.CenterY, &r.MidY})
        *y += dy;
    model::UpdateCells(r);
}

} // namespace

void TranslateRail(model::Layout& layout, int n, float dx, float dy) {
    if (n < 0 || n > layout.RailCount) return;
    MoveRecord(layout.Rails[n], dx, dy);
    layout.Modified = true;
    model::RebuildRailIndex(layout);
}

void ShiftAllRails(model::Layout& layout, float dx, float dy) {
    for (int n = 1; n <= layout.RailCount; ++n)
        MoveRecord(layout.Rails[n], dx, dy);
    layout.Modified = true;
}

void TranslateAllRails(model::Layout& layout, float dx, float dy) {
    ShiftAllRails(layout, dx, dy);
    model::RebuildRailIndex(layout);
}

} // namespace ferrovane::geometry
