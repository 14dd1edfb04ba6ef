#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "core/compute/geometry/CurveGeometry.h"
#include "core/compute/geometry/PointGeometry.h"
#include "core/compute/geometry/StraightGeometry.h"
#include "support/Tolerance.h"

namespace ferrovane::geometry {
namespace {

using testing::NearAngle;
using testing::NearPoint;

constexpr int W = 5;

TEST(StraightGeometry, HandComputedPlacements) {
    struct Case {
        float x, y, a;
        float x1, y1, angle0;
        float c1x, c1y, c2x, c2y;
    } cases[] = {
        // Leaving towards -x: end 1 at 752, corners on either side in y.
        {1000, 1000, 90, 752, 1000, 270, 1000, 1005, 1000, 995},
        // a = 30 leaves towards 210: (sin, cos) = (-1/2, -sqrt(3)/2) from the table.
        {0, 0, 30, -124, -214.77443f, 210, -4.330127f, 2.5f, 4.330127f, -2.5f},
        // a = 180 stores Angle0 = 360, never 0; sin 360 is not exactly 0 with the rounded pi.
        {10, 20, 180, 9.95404f, 268, 360, 15, 20, 5, 20},
    };
    for (const auto& c : cases) {
        model::Rail r;
        LayStraight(r, {{c.x, c.y}, c.a}, 248, W);
        SCOPED_TRACE(c.a);
        EXPECT_EQ(r.Kind, 0);
        EXPECT_EQ(r.Length, 248);
        EXPECT_TRUE(NearPoint(r.X0, r.Y0, c.x, c.y));
        EXPECT_TRUE(NearPoint(r.X1, r.Y1, c.x1, c.y1));
        EXPECT_EQ(r.Angle0, c.angle0);
        EXPECT_EQ(r.Angle1, c.a);
        EXPECT_TRUE(NearPoint(r.C1X, r.C1Y, c.c1x, c.c1y));
        EXPECT_TRUE(NearPoint(r.C2X, r.C2Y, c.c2x, c.c2y));
        // C3 and C4 are C2 and C1 carried to end 1.
        EXPECT_TRUE(NearPoint(r.C3X, r.C3Y, c.c2x + c.x1 - c.x, c.c2y + c.y1 - c.y));
        EXPECT_TRUE(NearPoint(r.C4X, r.C4Y, c.c1x + c.x1 - c.x, c.c1y + c.y1 - c.y));
        EXPECT_TRUE(NearPoint(r.MidX, r.MidY, (c.x + c.x1) / 2, (c.y + c.y1) / 2));
    }
}

TEST(CurveGeometry, HandComputedPlacements) {
    struct Case {
        float a;
        bool flip;
        float kx, ky, x1, y1, angle0, angle1;
        std::uint8_t dir;
    } cases[] = {
        // R 541, 30 degrees from (1000, 1000) at 90: centre below, end 1 at
        // K + 541 * (cos 120, -sin 120) with the exact table values.
        {90, false, 1000, 1541, 729.5f, 1072.48032f, 270, 120, 0},
        {90, true, 1000, 459, 729.5f, 927.51968f, 270, 60, 255},
        // a = 180 stores Angle0 = 0 (unlike a straight).
        {180, false, 1541, 1000, 1072.48032f, 1270.5f, 0, 210, 0},
        {330, true, 1468.51974f, 1270.5f, 1198.01974f, 801.98026f, 150, 300, 255},
    };
    for (const auto& c : cases) {
        model::Rail r;
        LayCurve(r, {{1000, 1000}, c.a}, {541, 30}, c.flip, W);
        SCOPED_TRACE(::testing::Message() << c.a << (c.flip ? " flipped" : ""));
        EXPECT_EQ(r.Kind, 1);
        EXPECT_EQ(r.Dir, c.dir);
        EXPECT_EQ(r.Radius, 541);
        EXPECT_EQ(r.Angle, 30);
        EXPECT_TRUE(NearPoint(r.CenterX, r.CenterY, c.kx, c.ky));
        EXPECT_TRUE(NearPoint(r.X0, r.Y0, 1000, 1000));
        EXPECT_TRUE(NearPoint(r.X1, r.Y1, c.x1, c.y1));
        EXPECT_EQ(r.Angle0, c.angle0);
        EXPECT_EQ(r.Angle1, c.angle1);
        EXPECT_FLOAT_EQ(r.ArcStart, static_cast<float>(c.a * 3.141592645 / 180));
        EXPECT_FLOAT_EQ(r.ArcSweep, static_cast<float>(30 * 3.141592645 / 180));
        // Corners at R -/+ W on the end-0 side, middle point on the arc.
        EXPECT_NEAR(std::hypot(r.C1X - r.CenterX, r.C1Y - r.CenterY), 536, 0.01);
        EXPECT_NEAR(std::hypot(r.C2X - r.CenterX, r.C2Y - r.CenterY), 546, 0.01);
        EXPECT_NEAR(std::hypot(r.C3X - r.CenterX, r.C3Y - r.CenterY), 546, 0.01);
        EXPECT_NEAR(std::hypot(r.C4X - r.CenterX, r.C4Y - r.CenterY), 536, 0.01);
        EXPECT_NEAR(std::hypot(r.MidX - r.CenterX, r.MidY - r.CenterY), 541, 0.01);
    }
}

TEST(PointGeometry, HandComputedOrientations) {
    // L 186, R 481, 15 degrees at an end whose angle is 90, at (1000, 1000).
    struct Case {
        int orient;
        float x0, y0, x1, y1, x2, y2, angle0, angle1, angle2, kx, ky;
    } cases[] = {
        {0, 1000, 1000, 814, 1000, 875.508f, 1016.390f, 270, 90, 105, 1000, 1481},
        {2, 814, 1000, 1000, 1000, 938.492f, 983.610f, 90, 270, 285, 814, 519},
        {4, 875.508f, 1016.390f, 1055.170f, 968.250f, 1000, 1000, 105, 285, 270, 1000, 1481},
        // The mirror images.
        {1, 1000, 1000, 814, 1000, 875.508f, 983.610f, 270, 90, 75, 1000, 519},
        {3, 814, 1000, 1000, 1000, 938.492f, 1016.390f, 90, 270, 255, 814, 1481},
        {5, 875.508f, 983.610f, 1055.170f, 1031.750f, 1000, 1000, 75, 255, 270, 1000, 519},
    };
    for (const auto& c : cases) {
        model::Rail r;
        LayPoint(r, {{1000, 1000}, 90}, {186, 481, 15}, c.orient, W);
        SCOPED_TRACE(c.orient);
        EXPECT_EQ(r.Kind, 2);
        EXPECT_EQ(r.Dir, c.orient);
        // Expected values use the true sine; off the table angles the stored geometry
        // uses the rounded pi, a few hundredths of a unit away at this radius.
        EXPECT_TRUE(NearPoint(r.X0, r.Y0, c.x0, c.y0, 0.1f));
        EXPECT_TRUE(NearPoint(r.X1, r.Y1, c.x1, c.y1, 0.1f));
        EXPECT_TRUE(NearPoint(r.X2, r.Y2, c.x2, c.y2, 0.1f));
        EXPECT_EQ(r.Angle0, c.angle0);
        EXPECT_EQ(r.Angle1, c.angle1);
        EXPECT_EQ(r.Angle2, c.angle2);
        EXPECT_TRUE(NearPoint(r.CenterX, r.CenterY, c.kx, c.ky));
        EXPECT_NEAR(std::hypot(r.X1 - r.X0, r.Y1 - r.Y0), 186, 0.01);
        EXPECT_TRUE(NearPoint(r.MidX, r.MidY, (r.X0 + r.X1) / 2, (r.Y0 + r.Y1) / 2));
    }
}

TEST(PointGeometry, CurvedPointCode100) {
    model::Rail r;
    LayCurvedPoint(r, {{1000, 1000}, 90}, {60, 481, 15}, 0, W);
    EXPECT_EQ(r.Kind, 2);
    EXPECT_EQ(r.Dir, 100);
    EXPECT_EQ(r.Length, 60);
    EXPECT_EQ(r.BaseAngle, 90);
    EXPECT_TRUE(NearPoint(r.CenterX, r.CenterY, 1000, 1481));
    EXPECT_TRUE(NearPoint(r.X0, r.Y0, 1000, 1000));
    EXPECT_TRUE(NearPoint(r.X1, r.Y1, 875.508f, 1016.390f, 0.05f));
    // The second route is the first moved 60 units on in direction 270.
    EXPECT_TRUE(NearPoint(r.X2, r.Y2, 815.508f, 1016.390f, 0.05f));
    EXPECT_TRUE(NearPoint(r.C5X - r.C3X, r.C5Y - r.C3Y, -60, 0));
    EXPECT_EQ(r.Angle0, 270);
    EXPECT_EQ(r.Angle1, 105);
    EXPECT_EQ(r.Angle2, 105);
    EXPECT_NEAR(std::hypot(r.MidX - 1000, r.MidY - 1481), 481, 0.01);
}

// What the drawer makes of a point's stored data: the arcs it draws (centre, radius R,
// from/to angle in radians) and the curved point's stub vector.
struct DrawnArc {
    float cx, cy, from, to;
};

constexpr double DrawPi = 3.141592645;

bool TurnsAsCurveDir0(std::uint8_t dir) {
    return dir < 100 ? dir % 2 == 0 : dir == 100 || dir == 103 || dir == 104;
}

DrawnArc ArcOf(const model::Rail& r, float cx, float cy) {
    const double a = r.ArcStart, s = r.ArcSweep;
    if (TurnsAsCurveDir0(r.Dir)) return {cx, cy, static_cast<float>(a), static_cast<float>(a + s)};
    return {cx, cy, static_cast<float>(a + DrawPi - s), static_cast<float>(a + DrawPi)};
}

std::pair<float, float> StubOf(const model::Rail& r) {
    const double a = r.ArcStart, s = r.ArcSweep, l = r.Length;
    switch (r.Dir) {
    case 100:
    case 101:
        return {static_cast<float>(-l * std::sin(a)), static_cast<float>(-l * std::cos(a))};
    case 102:
    case 105:
        return {static_cast<float>(l * std::sin(a - s)), static_cast<float>(l * std::cos(a - s))};
    default:
        return {static_cast<float>(l * std::sin(a + s)), static_cast<float>(l * std::cos(a + s))};
    }
}

// The two ends of a drawn arc of radius R are the two given points, in either order.
::testing::AssertionResult ArcJoins(const DrawnArc& arc, float radius, float px, float py, float qx,
                                    float qy) {
    const float ax = arc.cx + radius * static_cast<float>(std::cos(arc.from));
    const float ay = arc.cy - radius * static_cast<float>(std::sin(arc.from));
    const float bx = arc.cx + radius * static_cast<float>(std::cos(arc.to));
    const float by = arc.cy - radius * static_cast<float>(std::sin(arc.to));
    constexpr float tol = 0.3f; // the stored arc data use a finer pi than the corners
    if ((NearPoint(ax, ay, px, py, tol) && NearPoint(bx, by, qx, qy, tol)) ||
        (NearPoint(ax, ay, qx, qy, tol) && NearPoint(bx, by, px, py, tol)))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "arc runs (" << ax << ", " << ay << ") - (" << bx << ", " << by << "), expected ("
           << px << ", " << py << ") - (" << qx << ", " << qy << ")";
}

// Seen from the toe, orientations 0, 2 and 5 turn towards increasing angles.
float ExpectedTurn(int orient, float sweep) {
    return orient == 0 || orient == 2 || orient == 5 ? sweep : -sweep;
}

TEST(PointGeometry, EveryOrientationAttachesItsEndAndKeepsTheDrawingContract) {
    const float angles[] = {90, 30, 37.5f, 200, 333.25f, 360};
    for (bool curved : {false, true}) {
        for (float a : angles) {
            for (int orient = 0; orient < 6; ++orient) {
                SCOPED_TRACE(::testing::Message()
                             << (curved ? "curved " : "") << "orient " << orient << " at " << a);
                model::Rail r;
                if (curved)
                    LayCurvedPoint(r, {{500, 700}, a}, {60, 481, 15}, orient, W);
                else
                    LayPoint(r, {{500, 700}, a}, {186, 481, 15}, orient, W);
                const int joined = JoinedEndOfOrient(orient);
                EXPECT_TRUE(NearPoint(r.X(joined), r.Y(joined), 500, 700));
                EXPECT_TRUE(NearAngle(r.EndAngle(joined), a + 180));
                // Every stored end angle lies in (0, 360].
                for (int e = 0; e < 3; ++e) {
                    EXPECT_GT(r.EndAngle(e), 0);
                    EXPECT_LE(r.EndAngle(e), 360);
                }
                // The heading turns by the diverging angle towards end 2 (and towards end 1
                // on a curved point), to the side the orientation names.
                const float turn = ExpectedTurn(orient, 15);
                EXPECT_TRUE(NearAngle(r.Angle2 + 180 - r.Angle0, turn));
                EXPECT_TRUE(NearAngle(r.Angle1 + 180 - r.Angle0, curved ? turn : 0));
                // The drawer's arcs run between the ends they belong to.
                const DrawnArc first = ArcOf(r, r.CenterX, r.CenterY);
                if (!curved) {
                    EXPECT_TRUE(ArcJoins(first, 481, r.X0, r.Y0, r.X2, r.Y2));
                    EXPECT_NEAR(std::hypot(r.X1 - r.X0, r.Y1 - r.Y0), 186, 0.01);
                    continue;
                }
                EXPECT_TRUE(ArcJoins(first, 481, r.X0, r.Y0, r.X1, r.Y1));
                const auto [dx, dy] = StubOf(r);
                EXPECT_TRUE(NearPoint(r.C5X, r.C5Y, r.C3X + dx, r.C3Y + dy));
                EXPECT_TRUE(NearPoint(r.C6X, r.C6Y, r.C4X + dx, r.C4Y + dy));
                const DrawnArc second = ArcOf(r, r.CenterX + dx, r.CenterY + dy);
                EXPECT_TRUE(ArcJoins(second, 481, r.X0 + dx, r.Y0 + dy, r.X2, r.Y2));
            }
        }
    }
}

TEST(PointGeometry, RightClickCyclesKeepTheirSide) {
    for (std::int16_t start = 0; start < 6; ++start) {
        std::int16_t o = start;
        for (int i = 0; i < 3; ++i) {
            o = NextPointOrient(o);
            EXPECT_EQ(ExpectedTurn(o, 1), ExpectedTurn(start, 1)) << "from " << start;
        }
        EXPECT_EQ(o, start);
    }
    EXPECT_EQ(NextPointOrient(1), 3); // the other side's order (0, 2, 5 is placement's)
}

} // namespace
} // namespace ferrovane::geometry
