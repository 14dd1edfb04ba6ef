#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/commands/placement/Detection.h"
#include "core/commands/placement/Placement.h"
#include "core/compute/geometry/IndexUpkeep.h"
#include "core/compute/geometry/Joints.h"
#include "core/compute/geometry/PointGeometry.h"
#include "core/geometry/GeometryFixture.h"
#include "core/values/model/RailIndex.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

namespace ferrovane::testing {
namespace {

using geometry::PlaceCommit;
using geometry::PlacePreview;

// Records the drawing requests placement makes.
struct RecordingRedraw : render::RedrawTarget {
    std::vector<std::string> Calls;
    void ReDrawBackScreen() override { Calls.push_back("back"); }
    void DrawRailOnBackScreen(int rail) override {
        Calls.push_back("rail " + std::to_string(rail));
    }
    void RefreshMainPicture() override { Calls.push_back("refresh"); }
    void DrawPreviewOnMainPicture() override { Calls.push_back("preview"); }
};

::testing::AssertionResult SameIndex(const model::RailIndex& a, const model::RailIndex& b) {
    if (a.OriginX != b.OriginX || a.OriginY != b.OriginY || a.W != b.W || a.H != b.H)
        return ::testing::AssertionFailure()
               << "grid (" << a.OriginX << ", " << a.OriginY << ", " << a.W << ", " << a.H
               << ") differs from (" << b.OriginX << ", " << b.OriginY << ", " << b.W << ", " << b.H
               << ")";
    if (a.Cells != b.Cells) return ::testing::AssertionFailure() << "cell contents differ";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult IndexIsRebuilt(const model::Layout& layout) {
    model::Layout copy = layout;
    model::RebuildRailIndex(copy);
    return SameIndex(layout.Index, copy.Index);
}

class Placement : public GeometryFixture {
protected:
    RecordingRedraw redraw;
    Placement() { ws.Redraw = &redraw; }
};

TEST_F(Placement, FreeCommitFillsTheRecordAndRecordsIt) {
    ws.Editor.IsUpperMode = true;
    float angle = -270; // normalised to 90 and written back
    ws.Editor.PlaceKind = model::PieceKind::Straight;
    ws.Editor.MouseX = 1000;
    ws.Editor.MouseY = 1000;
    EXPECT_EQ(geometry::PlaceRail(ws, angle, 0, PlaceCommit, false), 1);
    EXPECT_EQ(angle, 90);
    const model::Rail& r = R(1);
    EXPECT_TRUE(r.Valid);
    EXPECT_EQ(r.No, 1);
    EXPECT_EQ(r.Name, "S248");
    EXPECT_EQ(r.Color, 111);
    EXPECT_TRUE(r.Upper);
    EXPECT_TRUE(r.Free0 && r.Free1 && r.Free2);
    EXPECT_EQ(r.X1, 752);
    EXPECT_EQ(r.Cell1X, 7);
    EXPECT_EQ(r.MidCellX, 8);
    EXPECT_EQ(ws.Layout.RailCount, 1);
    EXPECT_EQ(ws.Layout.SavedRailCount, 1);
    EXPECT_TRUE(ws.Layout.Modified);
    ASSERT_EQ(ws.Undo.UndoCount(), 1);
    EXPECT_EQ(ws.Undo.UndoList().back(), "1,SET,1,");
    EXPECT_EQ(redraw.Calls, (std::vector<std::string>{"rail 1", "refresh"}));
    EXPECT_TRUE(IndexIsRebuilt(ws.Layout));
}

TEST_F(Placement, SnappedCommitJoinsBothSides) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_EQ(PlaceAt(1, Curve541x30, 1, 1, 1), 2);
    EXPECT_EQ(R(2).Angle0, 270); // SnapAngle 90: the joint's angles differ by 180
    EXPECT_EQ(R(2).Dir, 255);
    EXPECT_EQ(R(2).X0, 752);
    EXPECT_FALSE(R(2).Free0);
    EXPECT_EQ(R(2).Link0, 1);
    EXPECT_EQ(R(2).LinkEnd0, 1);
    EXPECT_FALSE(R(1).Free1);
    EXPECT_EQ(R(1).Link1, 2);
    EXPECT_EQ(R(1).LinkEnd1, 0);
    EXPECT_TRUE(R(2).Free1);
    EXPECT_EQ(ws.Undo.UndoList().back(), "1,SET,2,");
}

TEST_F(Placement, CommitAtAJoinedEndIsRefused) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_EQ(PlaceAt(0, Straight248, 1, 1), 2);
    const model::Layout before = ws.Layout;
    const auto undoCount = ws.Undo.UndoCount();
    for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(PlaceAt(kind, 0, 1, 1), -1);
    EXPECT_EQ(ws.Layout.RailCount, 2);
    EXPECT_EQ(ws.Layout.Rails[1], before.Rails[1]);
    EXPECT_EQ(ws.Layout.Rails[2], before.Rails[2]);
    EXPECT_EQ(ws.Undo.UndoCount(), undoCount);
    EXPECT_TRUE(LinksConsistent(ws.Layout));
}

TEST_F(Placement, FullLayoutRefusesWithAWarning) {
    ws.Layout.Rails.resize(model::MaxRailCount); // slots 0..32766, all deleted
    ws.Layout.RailCount = ws.Layout.SavedRailCount = model::MaxRailCount - 1;
    EXPECT_EQ(PlaceFree(0, Straight248, 500, 500, 90), model::MaxRailCount);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(PlaceFree(0, Straight248, 500, 500, 90), -1);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "レールの数が上限に達しました。これ以上レールを置けません。");
    EXPECT_EQ(host.Messages[0].Title, "警告");
    EXPECT_EQ(ws.Layout.RailCount, model::MaxRailCount);
    EXPECT_EQ(ws.Layout.SavedRailCount, model::MaxRailCount);
    EXPECT_EQ(static_cast<int>(ws.Layout.Rails.size()), model::MaxRailCount + 1);
    // A commit at an end of the last rail is refused the same way, leaving it free.
    EXPECT_EQ(PlaceAt(0, Straight248, model::MaxRailCount, 1), -1);
    EXPECT_TRUE(R(model::MaxRailCount).Free1);
}

TEST_F(Placement, PreviewFillsSlotZeroOnly) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ws.Layout.Modified = false;
    const model::Rail first = R(1);
    redraw.Calls.clear();
    ASSERT_TRUE(geometry::SnapToEnd(ws, 1, 1));
    struct Case {
        std::int16_t kind;
        const char* status;
    } cases[] = {{0, "左クリックでレールを作成します。"},
                 {1, "右クリックで方向転換, 左クリックでレールを作成します。"},
                 {2, "右クリックで方向転換, 左クリックでレールを作成します。"}};
    for (const auto& c : cases) {
        for (int twice = 0; twice < 2; ++twice) {
            host.StatusTexts.clear();
            ws.Editor.PlaceKind = static_cast<model::PieceKind>(c.kind);
            geometry::PreviewNextRail(ws);
            EXPECT_EQ(ws.Layout.RailCount, 1);
            EXPECT_EQ(ws.Layout.SavedRailCount, 1);
            EXPECT_FALSE(ws.Layout.Modified);
            EXPECT_EQ(R(1), first);
            EXPECT_TRUE(R(0).Valid);
            EXPECT_EQ(R(0).No, 0);
            EXPECT_EQ(R(0).Kind, c.kind);
            EXPECT_EQ(R(0).X0 == 752 || c.kind == 2, true);
            EXPECT_EQ(host.StatusTexts, std::vector<std::string>{c.status});
        }
    }
    EXPECT_EQ(redraw.Calls.size(), 6u);
    EXPECT_EQ(redraw.Calls.front(), "preview");
    EXPECT_EQ(ws.Undo.UndoCount(), 1);
    // At a joined end nothing is previewed.
    ASSERT_EQ(PlaceAt(0, Straight248, 1, 1), 2);
    ASSERT_TRUE(geometry::SnapToEnd(ws, 1, 1));
    redraw.Calls.clear();
    host.StatusTexts.clear();
    geometry::PreviewNextRail(ws);
    EXPECT_TRUE(redraw.Calls.empty());
    EXPECT_TRUE(host.StatusTexts.empty());
}

TEST_F(Placement, RightClickTurnsAndPreviewsAgain) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_TRUE(geometry::SnapToEnd(ws, 1, 1));
    ws.Editor.PlaceKind = model::PieceKind::Curve;
    geometry::SetNextRail(ws, 2, 0, 0);
    EXPECT_TRUE(ws.Editor.CurveFlip);
    EXPECT_EQ(R(0).Dir, 255);
    geometry::SetNextRail(ws, 2, 0, 0);
    EXPECT_FALSE(ws.Editor.CurveFlip);
    EXPECT_EQ(R(0).Dir, 0);
    ws.Editor.PlaceKind = model::PieceKind::Point;
    const std::int16_t expected[] = {2, 5, 0, 2};
    for (std::int16_t o : expected) {
        geometry::SetNextRail(ws, 2, 0, 0);
        EXPECT_EQ(ws.Editor.PointOrient, o);
        EXPECT_EQ(R(0).Dir, o);
    }
    EXPECT_EQ(ws.Layout.RailCount, 1);
    EXPECT_EQ(redraw.Calls[redraw.Calls.size() - 2], "refresh");
    EXPECT_EQ(redraw.Calls.back(), "preview");
}

TEST_F(Placement, LeftClickCommitsAndDrawsTheNewRail) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_TRUE(geometry::SnapToEnd(ws, 1, 1));
    ws.Editor.PlaceKind = model::PieceKind::Point;
    ws.Editor.PointOrient = 4;
    redraw.Calls.clear();
    geometry::SetNextRail(ws, 1, 0, 0);
    ASSERT_EQ(ws.Layout.RailCount, 2);
    EXPECT_EQ(R(2).Dir, 4);
    EXPECT_EQ(R(1).LinkEnd1, 2);
    EXPECT_EQ(redraw.Calls, (std::vector<std::string>{"rail 2", "refresh"}));
}

TEST_F(Placement, EveryPointOrientationAttachesAtTheDetectedEnd) {
    for (std::int16_t sel : {Point186, CurvedPoint60}) {
        for (int orient = 0; orient < 6; ++orient) {
            for (float a : {90.0f, 37.5f, 300.0f}) {
                SCOPED_TRACE(::testing::Message()
                             << "point " << sel << " orient " << orient << " at " << a);
                ws.Layout = model::NewLayout();
                ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, a), 1);
                const int n = PlaceAt(2, sel, 1, 1, orient);
                ASSERT_EQ(n, 2);
                const int e = geometry::JoinedEndOfOrient(orient);
                EXPECT_EQ(R(2).Dir, (sel == CurvedPoint60 ? 100 : 0) + orient);
                EXPECT_TRUE(NearPoint(R(2).X(e), R(2).Y(e), R(1).X1, R(1).Y1));
                EXPECT_TRUE(NearAngle(R(2).EndAngle(e), R(1).Angle1 + 180));
                EXPECT_EQ(R(2).Link(e), 1);
                EXPECT_EQ(R(1).LinkEnd1, e);
                for (int other = 0; other < 3; ++other) {
                    if (other == e) continue;
                    EXPECT_TRUE(R(2).Free(other));
                }
                EXPECT_TRUE(LinksConsistent(ws.Layout));
                EXPECT_TRUE(JointsMeet(ws.Layout, PointTolerance, AngleTolerance));
            }
        }
    }
}

TEST_F(Placement, RingOfEightQuarterCurvesClosesByItself) {
    for (bool flip : {false, true}) {
        ws.Layout = model::NewLayout();
        host.Notes.clear();
        ASSERT_EQ(PlaceFree(1, Curve300x45, 1000, 1000, 90, flip), 1);
        for (int n = 2; n <= 8; ++n)
            ASSERT_EQ(PlaceAt(1, Curve300x45, n - 1, 1, flip), n);
        EXPECT_FALSE(R(8).Free1);
        EXPECT_EQ(R(8).Link1, 1);
        EXPECT_EQ(R(8).LinkEnd1, 0);
        EXPECT_FALSE(R(1).Free0);
        EXPECT_EQ(R(1).Link0, 8);
        EXPECT_EQ(R(1).LinkEnd0, 1);
        EXPECT_TRUE(NearPoint(R(8).X1, R(8).Y1, 1000, 1000));
        EXPECT_EQ(host.Notes.back(),
                  "[1] 他のレールの端が見つかりました。(No.1) \rレールどうしを接続します。");
        EXPECT_TRUE(LinksConsistent(ws.Layout));
        EXPECT_TRUE(JointsMeet(ws.Layout, PointTolerance, AngleTolerance));
    }
}

TEST_F(Placement, IncrementalIndexEqualsRebuiltIndex) {
    // Rails inside the grid take the incremental path, rails far outside grow it.
    const float spots[][3] = {{1000, 1000, 90},  {1000, 1200, 90},  {1030, 1010, 45},
                              {5000, 5000, 180}, {-3000, 900, 270}, {1500, 1500, 10}};
    for (const auto& s : spots) {
        ASSERT_GT(PlaceFree(0, Straight248, s[0], s[1], s[2]), 0);
        EXPECT_TRUE(IndexIsRebuilt(ws.Layout)) << s[0] << ", " << s[1];
    }
    const int n = ws.Layout.RailCount;
    ASSERT_GT(PlaceAt(2, Point186, n, 1, 4), 0);
    EXPECT_TRUE(IndexIsRebuilt(ws.Layout));
}

// Random placements, deletions and index rebuilds: after every step the links are
// consistent, joined ends meet and the index is what a rebuild gives.
TEST_F(Placement, LongRandomSequenceKeepsEveryInvariant) {
    std::mt19937 rng(20240611);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const float quarter[] = {0, 45, 90, 135, 180, 225, 270, 315, 30, 60, 17.5f};
    for (int step = 0; step < 600; ++step) {
        std::vector<std::pair<int, int>> freeEnds;
        for (int n = 1; n <= ws.Layout.RailCount; ++n) {
            if (!R(n).Valid) continue;
            for (int e = 0; e < (R(n).Kind == 2 ? 3 : 2); ++e)
                if (R(n).Free(e)) freeEnds.emplace_back(n, e);
        }
        const int op = pick(10);
        const std::int16_t kind = static_cast<std::int16_t>(pick(3));
        const std::int16_t sel = static_cast<std::int16_t>(pick(2));
        const int dir = kind == 2 ? pick(6) : pick(2);
        if (op == 0 || freeEnds.empty()) {
            PlaceFree(kind, sel, static_cast<float>(pick(3000)), static_cast<float>(pick(3000)),
                      quarter[pick(11)], dir);
        } else if (op == 1 && ws.Layout.RailCount > 0) {
            geometry::RemoveRail(ws.Layout, 1 + pick(ws.Layout.RailCount));
            model::RebuildRailIndex(ws.Layout);
        } else {
            const auto [rail, end] =
                freeEnds[static_cast<std::size_t>(pick(static_cast<int>(freeEnds.size())))];
            EXPECT_GT(PlaceAt(kind, sel, rail, end, dir), 0);
        }
        ASSERT_TRUE(LinksConsistent(ws.Layout)) << "step " << step;
        ASSERT_TRUE(JointsMeet(ws.Layout, ws.Settings.DetectRange, 360)) << "step " << step;
        ASSERT_TRUE(IndexIsRebuilt(ws.Layout)) << "step " << step;
    }
    EXPECT_GT(ws.Layout.RailCount, 400);
}

} // namespace
} // namespace ferrovane::testing
