#include "core/compute/geometry/RailBoxWork.h"

#include <algorithm>
#include <cmath>

#include "core/compute/catalogue/Catalogue.h"
#include "core/compute/geometry/CurveGeometry.h"
#include "core/compute/geometry/StraightGeometry.h"
#include "core/values/model/Angle.h"
#include "core/values/model/Rail.h"

namespace ferrovane::geometry {

namespace {

// Where a member laid from its end 0 ends.
void ComputeEnds(RailBoxWorkRail& w) {
    w.End0X = w.OffsetX;
    w.End0Y = w.OffsetY;
    w.End0Angle = w.RelAngle;
    model::Rail laid;
    const float a = model::NormalizeAngle(w.RelAngle);
    if (w.MemberKind == catalogue::MemberStraight) {
        LayStraight(laid, {{w.OffsetX, w.OffsetY}, a}, w.Size, 0);
    } else if (w.MemberKind == catalogue::MemberCurve) {
        LayCurve(laid, {{w.OffsetX, w.OffsetY}, a}, {w.Size, w.CurveAngle}, w.CurveFlip != 0, 0);
    } else {
        laid.X1 = w.OffsetX;
        laid.Y1 = w.OffsetY;
        laid.Angle1 = a;
    }
    w.End1X = laid.X1;
    w.End1Y = laid.Y1;
    w.End1Angle = model::NormalizeAngle(laid.Angle1);
}

// Whole degrees, halves to even; values no angle has become 0.
float WholeDegrees(float a) {
    if (!std::isfinite(a)) return 0;
    return std::nearbyint(a);
}

} // namespace

bool IsRailBox(const catalogue::Catalogue& catalogue, int box) {
    const auto& rails = catalogue.RailBoxRails;
    const long long last =
        std::min<long long>(catalogue.RailBoxRailMax, static_cast<long long>(rails.size()) - 1);
    if (box < 0 || box > last) return false;
    const int high = rails[static_cast<std::size_t>(box)].BoxHigh;
    return high >= 0 && static_cast<long long>(box) + high <= last;
}

bool BuildRailBoxWork(const catalogue::Catalogue& catalogue, int box, RailBoxWork& work) {
    work.Rails.clear();
    if (!IsRailBox(catalogue, box)) return false;
    const int high = catalogue.RailBoxRails[static_cast<std::size_t>(box)].BoxHigh;
    work.Rails.resize(static_cast<std::size_t>(high) + 1);
    for (int k = 0; k <= high; ++k) {
        const catalogue::RailBoxRail& src =
            catalogue.RailBoxRails[static_cast<std::size_t>(box + k)];
        RailBoxWorkRail& w = work.Rails[static_cast<std::size_t>(k)];
        w.Name = src.Name;
        w.MemberKind = src.MemberKind;
        w.CurveFlip = src.CurveFlip;
        w.Size = src.Size;
        w.CurveAngle = src.CurveAngle;
        w.Free0 = src.Free0;
        w.Free1 = src.Free1;
        w.Color = src.Color;
        w.OffsetX = src.OffsetX;
        w.OffsetY = src.OffsetY;
        w.RelAngle = src.RelAngle;
        w.Ungrouped = src.Ungrouped;
        ComputeEnds(w);
    }
    return true;
}

bool NormalizeBoxTurn(const catalogue::Catalogue& catalogue, int box, std::int16_t& turn) {
    if (!IsRailBox(catalogue, box)) {
        turn = 0;
        return false;
    }
    const int high = catalogue.RailBoxRails[static_cast<std::size_t>(box)].BoxHigh;
    const int joints = 2 * (high + 1);
    int t = turn;
    // A turn left over from a larger box starts again at the first joint.
    if (t < 0 || t >= joints) t = 0;
    for (int tried = 0; tried < joints; ++tried) {
        const catalogue::RailBoxRail& r =
            catalogue.RailBoxRails[static_cast<std::size_t>(box + t / 2)];
        if (t % 2 == 1 ? r.Free1 : r.Free0) {
            turn = static_cast<std::int16_t>(t);
            return true;
        }
        t = t + 1 == joints ? 0 : t + 1;
    }
    // A box with no open joint can only be laid freely.
    turn = 0;
    return false;
}

void TurnRailBox(RailBoxWork& work, int turn) {
    const int m = turn / 2;
    if (turn < 0 || m > work.BoxHigh()) return;
    const RailBoxWorkRail& anchor = work.Rails[static_cast<std::size_t>(m)];
    const bool atEnd1 = turn % 2 == 1;
    const model::Point q = atEnd1 ? model::Point{anchor.End1X, anchor.End1Y}
                                  : model::Point{anchor.End0X, anchor.End0Y};
    const float a =
        WholeDegrees(atEnd1 ? model::NormalizeAngle(anchor.End1Angle + 180) : anchor.End0Angle);
    for (RailBoxWorkRail& w : work.Rails) {
        float back = -a;
        const model::Point p = RotateOffset(model::Point{w.OffsetX, w.OffsetY} - q, back);
        w.OffsetX = p.X;
        w.OffsetY = p.Y;
        w.RelAngle = w.RelAngle - a;
    }
}

model::Point RotateOffset(model::Point point, float& angle) {
    angle = model::NormalizeAngle(angle);
    const float c = model::CosDegOf(angle), s = model::SinDegOf(angle);
    return {point.X * c + point.Y * s, -point.X * s + point.Y * c};
}

} // namespace ferrovane::geometry
