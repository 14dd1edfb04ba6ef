#include <gtest/gtest.h>

#include "core/commands/placement/Detection.h"
#include "core/compute/geometry/Joints.h"
#include "core/compute/geometry/PointGeometry.h"
#include "core/values/model/RailIndex.h"
#include "support/CatalogueFixtures.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

namespace ferrovane::testing {
namespace {

using geometry::DetectRail;

class Joints : public ::testing::Test, protected CatalogueWorkspace {
protected:
    std::int16_t DetectAt(float x, float y) {
        Ws.Editor.MouseX = x;
        Ws.Editor.MouseY = y;
        Ws.Editor.MouseCellX = model::CellOf(x);
        Ws.Editor.MouseCellY = model::CellOf(y);
        return DetectRail(Ws);
    }
};

TEST_F(Joints, DetectWindowIsStrictOnBothAxes) {
    // A 100-unit straight from (100, 100) towards -x: end 0 at (100, 100), middle at
    // (50, 100), end 1 at (0, 100).
    ASSERT_EQ(PlaceFree(0, Straight100, 100, 100, 90), 1);
    struct Case {
        float x, y;
        std::int16_t status;
    } cases[] = {
        {107.9f, 92.1f, geometry::DetectEnd0}, {92.1f, 107.9f, geometry::DetectEnd0},
        {108, 100, geometry::DetectNothing},   {100, 108, geometry::DetectNothing},
        {100, 92, geometry::DetectNothing},    {-7.9f, 100, geometry::DetectEnd1},
        {50, 107.99f, geometry::DetectMiddle}, {58, 100, geometry::DetectNothing},
        {5000, 5000, geometry::DetectNothing}, {-5000, -99999, geometry::DetectNothing},
    };
    for (const auto& c : cases) {
        Ws.Editor.BoxTurn = 3;
        const std::int16_t status = DetectAt(c.x, c.y);
        SCOPED_TRACE(::testing::Message() << "(" << c.x << ", " << c.y << ")");
        EXPECT_EQ(status, c.status);
        if (status == geometry::DetectEnd0) {
            EXPECT_EQ(Ws.Editor.SnapRail, 1);
            EXPECT_EQ(Ws.Editor.SnapEnd, 0);
            EXPECT_EQ(Ws.Editor.SnapX, 100);
            EXPECT_EQ(Ws.Editor.SnapY, 100);
            EXPECT_EQ(Ws.Editor.SnapAngle, 270);
        } else if (status == geometry::DetectEnd1) {
            EXPECT_EQ(Ws.Editor.SnapEnd, 1);
            EXPECT_EQ(Ws.Editor.SnapAngle, 90);
        } else if (status == geometry::DetectMiddle) {
            EXPECT_EQ(Ws.Editor.PointedRail, 1);
        } else {
            EXPECT_EQ(Ws.Editor.SnapX, -100);
            EXPECT_EQ(Ws.Editor.SnapRail, -1);
            EXPECT_EQ(Ws.Editor.PointedRail, -1);
            EXPECT_EQ(Ws.Editor.BoxTurn, 0);
        }
    }
}

TEST_F(Joints, MiddlePointWinsOverEndsAndEnd0OverEnd1) {
    Ws.Catalogue.StraightTypes.push_back(Piece(0, 3, "S10", 10, 0, 0));
    ASSERT_EQ(PlaceFree(0, 3, 300, 300, 90), 1); // middle at (295, 300)
    EXPECT_EQ(DetectAt(300, 300), geometry::DetectMiddle);
    EXPECT_EQ(Ws.Editor.PointedRail, 1);
    // Where rail 2 joins rail 3, end 1 of 2 and end 0 of 3 coincide: end 0 is tested
    // first although rail 2 comes first in the cell.
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 2);
    ASSERT_EQ(PlaceAt(0, Straight248, 2, 1), 3);
    EXPECT_EQ(DetectAt(752, 1000), geometry::DetectEnd0);
    EXPECT_EQ(Ws.Editor.SnapRail, 3);
}

TEST_F(Joints, NewStraightJoinsBothEndsAndAnnouncesTheFoundEnd) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1); // 1000 -> 752
    ASSERT_EQ(PlaceFree(0, Straight248, 504, 1000, 90), 2);  // 504 -> 256
    Host.Notes.clear();
    ASSERT_EQ(PlaceAt(0, Straight248, 1, 1), 3); // 752 -> 504, onto end 0 of rail 2
    EXPECT_FALSE(Rail(3).Free0);
    EXPECT_FALSE(Rail(3).Free1);
    EXPECT_EQ(Rail(3).Link1, 2);
    EXPECT_EQ(Rail(3).LinkEnd1, 0);
    EXPECT_EQ(Rail(2).Link0, 3);
    EXPECT_EQ(Rail(2).LinkEnd0, 1);
    ASSERT_EQ(Host.Notes.size(), 1u);
    EXPECT_EQ(Host.Notes[0],
              "[1] 他のレールの端が見つかりました。(No.2) \rレールどうしを接続します。");
    EXPECT_TRUE(LinksConsistent(Ws.Layout));
}

TEST_F(Joints, FindJointRestoresThePointerAndNamesTheEnd) {
    ASSERT_EQ(PlaceFree(2, Point186, 1000, 1000, 90, 0), 1);
    Ws.Editor.MouseX = 1.5f;
    Ws.Editor.MouseY = 2.5f;
    Ws.Editor.MouseCellX = 7;
    Ws.Editor.MouseCellY = 8;
    struct Case {
        int end;
        const char* prefix;
    } cases[] = {{0, "[1] "}, {1, "[2] "}, {2, "[3] "}};
    for (const auto& c : cases) {
        Host.Notes.clear();
        std::int16_t rail = -5;
        const auto found = geometry::FindJoint(Ws, Rail(1).X(c.end), Rail(1).Y(c.end), rail, true);
        EXPECT_EQ(found, c.end);
        EXPECT_EQ(rail, 1);
        ASSERT_EQ(Host.Notes.size(), 1u);
        EXPECT_EQ(Host.Notes[0], std::string(c.prefix) + "他のレールの端が見つかりました。(No.1) \r"
                                                         "レールどうしを接続します。");
    }
    Host.Notes.clear();
    std::int16_t rail = -5;
    EXPECT_EQ(geometry::FindJoint(Ws, 0, 0, rail, true), geometry::NoJoint);
    EXPECT_EQ(rail, 0);
    EXPECT_TRUE(Host.Notes.empty());
    EXPECT_EQ(Ws.Editor.MouseX, 1.5f);
    EXPECT_EQ(Ws.Editor.MouseY, 2.5f);
    EXPECT_EQ(Ws.Editor.MouseCellX, 7);
    EXPECT_EQ(Ws.Editor.MouseCellY, 8);
}

TEST_F(Joints, RemovingTheMiddleOfThreeFreesExactlyItsNeighboursEnds) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_EQ(PlaceAt(0, Straight248, 1, 1), 2);
    ASSERT_EQ(PlaceAt(0, Straight248, 2, 1), 3);
    geometry::RemoveRail(Ws.Layout, 2);
    model::RebuildRailIndex(Ws.Layout);
    EXPECT_FALSE(Rail(2).Valid);
    EXPECT_TRUE(Rail(1).Free1);
    EXPECT_TRUE(Rail(3).Free0);
    EXPECT_TRUE(Rail(1).Free0);
    EXPECT_TRUE(Rail(3).Free1);
    // Links still name the deleted rail, and the deleted rail keeps its own for undo.
    EXPECT_EQ(Rail(1).Link1, 2);
    EXPECT_EQ(Rail(3).Link0, 2);
    EXPECT_FALSE(Rail(2).Free0);
    EXPECT_FALSE(Rail(2).Free1);
    EXPECT_TRUE(LinksConsistent(Ws.Layout));
    // The deleted rail is no longer found; its former neighbours' ends are.
    EXPECT_EQ(DetectAt(Rail(2).MidX, Rail(2).MidY), geometry::DetectNothing);
    EXPECT_EQ(DetectAt(752, 1000), geometry::DetectEnd1);
    EXPECT_EQ(Ws.Editor.SnapRail, 1);
}

TEST_F(Joints, RemovingAPointFreesTheEndItWasJoinedBy) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    for (int orient = 0; orient < 6; ++orient) {
        const int n = PlaceAt(2, Point186, 1, 1, orient);
        ASSERT_GT(n, 1);
        EXPECT_FALSE(Rail(1).Free1);
        EXPECT_EQ(Rail(1).LinkEnd1, geometry::JoinedEndOfOrient(orient));
        geometry::RemoveRail(Ws.Layout, n);
        model::RebuildRailIndex(Ws.Layout);
        EXPECT_TRUE(Rail(1).Free1) << orient;
    }
}

TEST_F(Joints, TranslateRailMovesEveryPositionAndTheIndex) {
    ASSERT_EQ(PlaceFree(2, Point186, 1000, 1000, 90, 0), 1);
    const model::Rail before = Rail(1);
    Ws.Layout.Modified = false;
    geometry::TranslateRail(Ws.Layout, 1, 150.5f, -230);
    const model::Rail& r = Rail(1);
    const float xs[][2] = {{r.X0, before.X0},     {r.X1, before.X1},          {r.X2, before.X2},
                           {r.C1X, before.C1X},   {r.C4X, before.C4X},        {r.C6X, before.C6X},
                           {r.MidX, before.MidX}, {r.CenterX, before.CenterX}};
    for (const auto& x : xs)
        EXPECT_FLOAT_EQ(x[0], x[1] + 150.5f);
    const float ys[][2] = {{r.Y0, before.Y0},
                           {r.Y2, before.Y2},
                           {r.C5Y, before.C5Y},
                           {r.MidY, before.MidY},
                           {r.CenterY, before.CenterY}};
    for (const auto& y : ys)
        EXPECT_FLOAT_EQ(y[0], y[1] - 230);
    EXPECT_EQ(r.Angle2, before.Angle2);
    EXPECT_EQ(r.ArcStart, before.ArcStart);
    EXPECT_EQ(r.Cell0X, 11);
    EXPECT_EQ(r.Cell0Y, 7);
    EXPECT_TRUE(Ws.Layout.Modified);
    EXPECT_EQ(DetectAt(r.X2, r.Y2), geometry::DetectEnd2);
}

TEST_F(Joints, SnapToEndRefusesWhatIsNoEnd) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    EXPECT_FALSE(geometry::SnapToEnd(Ws, 1, 2));
    EXPECT_FALSE(geometry::SnapToEnd(Ws, 2, 0));
    EXPECT_FALSE(geometry::SnapToEnd(Ws, 0, 0));
    EXPECT_FALSE(geometry::SnapToEnd(Ws, 1, -1));
    EXPECT_TRUE(geometry::SnapToEnd(Ws, 1, 1));
    EXPECT_EQ(Ws.Editor.SnapX, 752);
    EXPECT_EQ(Ws.Editor.MouseX, 752);
    EXPECT_EQ(Ws.Editor.MouseCellX, 7);
}

TEST_F(Joints, LaidPointJoinsAFreeEndLyingOnItsThirdEnd) {
    CatalogueWorkspace scratch; // where a point laid at (1000, 1000) puts its end 2
    ASSERT_EQ(scratch.PlaceFree(2, Point186, 1000, 1000, 90), 1);
    const model::Rail& p = scratch.Rail(1);
    // A straight whose end 0 lies on that end 2, facing it.
    ASSERT_EQ(PlaceFree(0, Straight248, p.X2, p.Y2, p.Angle2), 1);
    ASSERT_EQ(PlaceFree(2, Point186, 1000, 1000, 90), 2);
    EXPECT_FALSE(Rail(2).Free2);
    EXPECT_EQ(Rail(2).Link2, 1);
    EXPECT_EQ(Rail(2).LinkEnd2, 0);
    EXPECT_EQ(Rail(1).Link0, 2);
    EXPECT_EQ(Rail(1).LinkEnd0, 2);
    EXPECT_TRUE(Rail(2).Free0 && Rail(2).Free1);
    EXPECT_TRUE(LinksConsistent(Ws.Layout));
}

} // namespace
} // namespace ferrovane::testing
