#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/commands/placement/Detection.h"
#include "core/commands/placement/Placement.h"
#include "core/compute/geometry/IndexUpkeep.h"
#include "core/compute/geometry/Joints.h"
#include "core/compute/geometry/PointGeometry.h"
#include "core/values/model/RailIndex.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"
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

class Placement : public ::testing::Test, protected CatalogueWorkspace {
protected:
    RecordingRedraw redraw;
    Placement() { Ws.Redraw = &redraw; }
};

TEST_F(Placement, FreeCommitFillsTheRecordAndRecordsIt) {
    Ws.Editor.IsUpperMode = true;
    float angle = -270; // normalised to 90 and written back
    Ws.Editor.PlaceKind = model::PieceKind::Straight;
    Ws.Editor.MouseX = 1000;
    Ws.Editor.MouseY = 1000;
    EXPECT_EQ(geometry::PlaceRail(Ws, angle, 0, PlaceCommit, false), 1);
    EXPECT_EQ(angle, 90);
    const model::Rail& r = Rail(1);
    EXPECT_TRUE(r.Valid);
    EXPECT_EQ(r.No, 1);
    EXPECT_EQ(r.Name, "S248");
    EXPECT_EQ(r.Color, 0x00AA00);
    EXPECT_TRUE(r.Upper);
    EXPECT_TRUE(r.Free0 && r.Free1 && r.Free2);
    EXPECT_EQ(r.X1, 752);
    EXPECT_EQ(r.Cell1X, 7);
    EXPECT_EQ(r.MidCellX, 8);
    EXPECT_EQ(Ws.Layout.RailCount, 1);
    EXPECT_EQ(Ws.Layout.SavedRailCount, 1);
    EXPECT_TRUE(Ws.Layout.Modified);
    ASSERT_EQ(Ws.Undo.UndoCount(), 1);
    EXPECT_EQ(Ws.Undo.MenuItem(), (editor::UndoMenuItem{true, "元に戻す - レール設置"}));
    EXPECT_EQ(redraw.Calls, (std::vector<std::string>{"rail 1", "refresh"}));
    EXPECT_TRUE(IndexIsRebuilt(Ws.Layout));
}

TEST_F(Placement, SnappedCommitJoinsBothSides) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_EQ(PlaceAt(1, Curve541x30, 1, 1, 1), 2);
    EXPECT_EQ(Rail(2).Angle0, 270); // SnapAngle 90: the joint's angles differ by 180
    EXPECT_EQ(Rail(2).Dir, 255);
    EXPECT_EQ(Rail(2).X0, 752);
    EXPECT_FALSE(Rail(2).Free0);
    EXPECT_EQ(Rail(2).Link0, 1);
    EXPECT_EQ(Rail(2).LinkEnd0, 1);
    EXPECT_FALSE(Rail(1).Free1);
    EXPECT_EQ(Rail(1).Link1, 2);
    EXPECT_EQ(Rail(1).LinkEnd1, 0);
    EXPECT_TRUE(Rail(2).Free1);
    EXPECT_EQ(Ws.Undo.UndoCount(), 2) << "each placement is an action of its own";
}

TEST_F(Placement, CommitAtAJoinedEndIsRefused) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_EQ(PlaceAt(0, Straight248, 1, 1), 2);
    const model::Layout before = Ws.Layout;
    const auto undoCount = Ws.Undo.UndoCount();
    for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(PlaceAt(kind, 0, 1, 1), -1);
    EXPECT_EQ(Ws.Layout.RailCount, 2);
    EXPECT_EQ(Ws.Layout.Rails[1], before.Rails[1]);
    EXPECT_EQ(Ws.Layout.Rails[2], before.Rails[2]);
    EXPECT_EQ(Ws.Undo.UndoCount(), undoCount);
    EXPECT_TRUE(LinksConsistent(Ws.Layout));
}

TEST_F(Placement, FullLayoutRefusesWithAWarning) {
    Ws.Layout.Rails.resize(model::MaxRailCount); // slots 0..32766, all deleted
    Ws.Layout.RailCount = Ws.Layout.SavedRailCount = model::MaxRailCount - 1;
    EXPECT_EQ(PlaceFree(0, Straight248, 500, 500, 90), model::MaxRailCount);
    EXPECT_TRUE(Host.Messages.empty());
    EXPECT_EQ(PlaceFree(0, Straight248, 500, 500, 90), -1);
    ASSERT_EQ(Host.Messages.size(), 1u);
    EXPECT_EQ(Host.Messages[0].Text, "レールの数が上限に達しました。これ以上レールを置けません。");
    EXPECT_EQ(Host.Messages[0].Title, "警告");
    EXPECT_EQ(Ws.Layout.RailCount, model::MaxRailCount);
    EXPECT_EQ(Ws.Layout.SavedRailCount, model::MaxRailCount);
    EXPECT_EQ(static_cast<int>(Ws.Layout.Rails.size()), model::MaxRailCount + 1);
    // A commit at an end of the last rail is refused the same way, leaving it free.
    EXPECT_EQ(PlaceAt(0, Straight248, model::MaxRailCount, 1), -1);
    EXPECT_TRUE(Rail(model::MaxRailCount).Free1);
}

TEST_F(Placement, PreviewFillsSlotZeroOnly) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    Ws.Layout.Modified = false;
    const model::Rail first = Rail(1);
    redraw.Calls.clear();
    ASSERT_TRUE(geometry::SnapToEnd(Ws, 1, 1));
    struct Case {
        std::int16_t kind;
        const char* status;
    } cases[] = {{0, "左クリックでレールを作成します。"},
                 {1, "右クリックで方向転換, 左クリックでレールを作成します。"},
                 {2, "右クリックで方向転換, 左クリックでレールを作成します。"}};
    for (const auto& c : cases) {
        for (int twice = 0; twice < 2; ++twice) {
            Host.StatusTexts.clear();
            Ws.Editor.PlaceKind = static_cast<model::PieceKind>(c.kind);
            geometry::PreviewNextRail(Ws);
            EXPECT_EQ(Ws.Layout.RailCount, 1);
            EXPECT_EQ(Ws.Layout.SavedRailCount, 1);
            EXPECT_FALSE(Ws.Layout.Modified);
            EXPECT_EQ(Rail(1), first);
            EXPECT_TRUE(Rail(0).Valid);
            EXPECT_EQ(Rail(0).No, 0);
            EXPECT_EQ(Rail(0).Kind, c.kind);
            EXPECT_EQ(Rail(0).X0 == 752 || c.kind == 2, true);
            EXPECT_EQ(Host.StatusTexts, std::vector<std::string>{c.status});
        }
    }
    EXPECT_EQ(redraw.Calls.size(), 6u);
    EXPECT_EQ(redraw.Calls.front(), "preview");
    EXPECT_EQ(Ws.Undo.UndoCount(), 1);
    // At a joined end nothing is previewed.
    ASSERT_EQ(PlaceAt(0, Straight248, 1, 1), 2);
    ASSERT_TRUE(geometry::SnapToEnd(Ws, 1, 1));
    redraw.Calls.clear();
    Host.StatusTexts.clear();
    geometry::PreviewNextRail(Ws);
    EXPECT_TRUE(redraw.Calls.empty());
    EXPECT_TRUE(Host.StatusTexts.empty());
}

TEST_F(Placement, RightClickTurnsAndPreviewsAgain) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_TRUE(geometry::SnapToEnd(Ws, 1, 1));
    Ws.Editor.PlaceKind = model::PieceKind::Curve;
    geometry::SetNextRail(Ws, 2, 0, 0);
    EXPECT_TRUE(Ws.Editor.CurveFlip);
    EXPECT_EQ(Rail(0).Dir, 255);
    geometry::SetNextRail(Ws, 2, 0, 0);
    EXPECT_FALSE(Ws.Editor.CurveFlip);
    EXPECT_EQ(Rail(0).Dir, 0);
    Ws.Editor.PlaceKind = model::PieceKind::Point;
    const std::int16_t expected[] = {2, 5, 0, 2};
    for (std::int16_t o : expected) {
        geometry::SetNextRail(Ws, 2, 0, 0);
        EXPECT_EQ(Ws.Editor.PointOrient, o);
        EXPECT_EQ(Rail(0).Dir, o);
    }
    EXPECT_EQ(Ws.Layout.RailCount, 1);
    EXPECT_EQ(redraw.Calls[redraw.Calls.size() - 2], "refresh");
    EXPECT_EQ(redraw.Calls.back(), "preview");
}

TEST_F(Placement, LeftClickCommitsAndDrawsTheNewRail) {
    ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, 90), 1);
    ASSERT_TRUE(geometry::SnapToEnd(Ws, 1, 1));
    Ws.Editor.PlaceKind = model::PieceKind::Point;
    Ws.Editor.PointOrient = 4;
    redraw.Calls.clear();
    geometry::SetNextRail(Ws, 1, 0, 0);
    ASSERT_EQ(Ws.Layout.RailCount, 2);
    EXPECT_EQ(Rail(2).Dir, 4);
    EXPECT_EQ(Rail(1).LinkEnd1, 2);
    EXPECT_EQ(redraw.Calls, (std::vector<std::string>{"rail 2", "refresh"}));
}

TEST_F(Placement, EveryPointOrientationAttachesAtTheDetectedEnd) {
    for (std::int16_t sel : {Point186, CurvedPoint60}) {
        for (int orient = 0; orient < 6; ++orient) {
            for (float a : {90.0f, 37.5f, 300.0f}) {
                SCOPED_TRACE(::testing::Message()
                             << "point " << sel << " orient " << orient << " at " << a);
                Ws.Layout = model::NewLayout();
                ASSERT_EQ(PlaceFree(0, Straight248, 1000, 1000, a), 1);
                const int n = PlaceAt(2, sel, 1, 1, orient);
                ASSERT_EQ(n, 2);
                const int e = geometry::JoinedEndOfOrient(orient);
                EXPECT_EQ(Rail(2).Dir, (sel == CurvedPoint60 ? 100 : 0) + orient);
                EXPECT_TRUE(NearPoint(Rail(2).X(e), Rail(2).Y(e), Rail(1).X1, Rail(1).Y1));
                EXPECT_TRUE(NearAngle(Rail(2).EndAngle(e), Rail(1).Angle1 + 180));
                EXPECT_EQ(Rail(2).Link(e), 1);
                EXPECT_EQ(Rail(1).LinkEnd1, e);
                for (int other = 0; other < 3; ++other) {
                    if (other == e) continue;
                    EXPECT_TRUE(Rail(2).Free(other));
                }
                EXPECT_TRUE(LinksConsistent(Ws.Layout));
                EXPECT_TRUE(JointsMeet(Ws.Layout, PointTolerance, AngleTolerance));
            }
        }
    }
}

TEST_F(Placement, RingOfEightQuarterCurvesClosesByItself) {
    for (bool flip : {false, true}) {
        Ws.Layout = model::NewLayout();
        Host.Notes.clear();
        ASSERT_EQ(PlaceFree(1, Curve280x45, 1000, 1000, 90, flip), 1);
        for (int n = 2; n <= 8; ++n)
            ASSERT_EQ(PlaceAt(1, Curve280x45, n - 1, 1, flip), n);
        EXPECT_FALSE(Rail(8).Free1);
        EXPECT_EQ(Rail(8).Link1, 1);
        EXPECT_EQ(Rail(8).LinkEnd1, 0);
        EXPECT_FALSE(Rail(1).Free0);
        EXPECT_EQ(Rail(1).Link0, 8);
        EXPECT_EQ(Rail(1).LinkEnd0, 1);
        EXPECT_TRUE(NearPoint(Rail(8).X1, Rail(8).Y1, 1000, 1000));
        EXPECT_EQ(Host.Notes.back(),
                  "[1] 他のレールの端が見つかりました。(No.1) \rレールどうしを接続します。");
        EXPECT_TRUE(LinksConsistent(Ws.Layout));
        EXPECT_TRUE(JointsMeet(Ws.Layout, PointTolerance, AngleTolerance));
    }
}

// Random placements, deletions and index rebuilds: after every step the links are
// consistent, joined ends meet and the index is what a rebuild gives.
TEST_F(Placement, LongRandomSequenceKeepsEveryInvariant) {
    std::mt19937 rng(20240611);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const float quarter[] = {0, 45, 90, 135, 180, 225, 270, 315, 30, 60, 17.5f};
    for (int step = 0; step < 600; ++step) {
        std::vector<std::pair<int, int>> freeEnds;
        for (int n = 1; n <= Ws.Layout.RailCount; ++n) {
            if (!Rail(n).Valid) continue;
            for (int e = 0; e < (Rail(n).Kind == 2 ? 3 : 2); ++e)
                if (Rail(n).Free(e)) freeEnds.emplace_back(n, e);
        }
        const int op = pick(10);
        const std::int16_t kind = static_cast<std::int16_t>(pick(3));
        const std::int16_t sel = static_cast<std::int16_t>(pick(2));
        const int dir = kind == 2 ? pick(6) : pick(2);
        if (op == 0 || freeEnds.empty()) {
            PlaceFree(kind, sel, static_cast<float>(pick(3000)), static_cast<float>(pick(3000)),
                      quarter[pick(11)], dir);
        } else if (op == 1 && Ws.Layout.RailCount > 0) {
            geometry::RemoveRail(Ws.Layout, 1 + pick(Ws.Layout.RailCount));
            model::RebuildRailIndex(Ws.Layout);
        } else {
            const auto [rail, end] =
                freeEnds[static_cast<std::size_t>(pick(static_cast<int>(freeEnds.size())))];
            EXPECT_GT(PlaceAt(kind, sel, rail, end, dir), 0);
        }
        ASSERT_TRUE(LinksConsistent(Ws.Layout)) << "step " << step;
        ASSERT_TRUE(JointsMeet(Ws.Layout, Ws.Settings.DetectRange, 360)) << "step " << step;
        ASSERT_TRUE(IndexIsRebuilt(Ws.Layout)) << "step " << step;
    }
    EXPECT_GT(Ws.Layout.RailCount, 400);
}

} // namespace
} // namespace ferrovane::testing
