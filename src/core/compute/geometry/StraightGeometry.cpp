#include "core/compute/geometry/StraightGeometry.h"

#include "core/compute/geometry/PlaneVector.h"
#include "core/values/model/Angle.h"

namespace ferrovane::geometry {

void LayStraight(model::Rail& r, PieceStart start, float length, int railWidth) {
    const float x = start.At.X, y = start.At.Y, a = start.Angle;
    const float b = a + 180;
    const float w = static_cast<float>(railWidth);
    const float sb = model::SinDegOf(b), cb = model::CosDegOf(b);
    r.Kind = model::KindStraight;
    r.Length = length;
    r.Angle0 = model::NormalizeAngle(a + 180);
    r.Angle1 = a;
    r.X0 = x;
    r.Y0 = y;
    r.X1 = x + length * sb;
    r.Y1 = y + length * cb;
    r.C1X = x + w * cb;
    r.C1Y = y - w * sb;
    r.C2X = x - w * cb;
    r.C2Y = y + w * sb;
    r.C3X = r.C2X + length * sb;
    r.C3Y = r.C2Y + length * cb;
    r.C4X = r.C1X + length * sb;
    r.C4Y = r.C1Y + length * cb;
    r.MidX = (r.X1 + r.X0) / 2;
    r.MidY = (r.Y1 + r.Y0) / 2;
}

} // namespace ferrovane::geometry
