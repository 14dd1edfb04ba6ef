#include <gtest/gtest.h>

#include <cmath>

#include "core/commands/edit/PerformUndo.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/model/RailIndex.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"
#include "support/LinkInvariant.h"
#include "support/Tolerance.h"

namespace ferrovane::editor {
namespace {

using testing::CatalogueWorkspace;
using testing::ExpectRestored;
using testing::LinksConsistent;
using testing::Snapshot;

// What the delete command leaves behind: the rail removed, a "DEL" record, a fresh index.
void Delete(CatalogueWorkspace& t, int n, bool groupStart) {
    geometry::RemoveRail(t.Layout(), n);
    t.Ws.Undo.AddUndo("DEL", n, "", groupStart);
    model::RebuildRailIndex(t.Layout());
}

// Three straights in a row from (1000, 1000) heading to smaller x: rails 1, 2, 3.
void Chain(CatalogueWorkspace& t) {
    t.PlaceFree(0, 0, 1000, 1000, 90);
    t.PlaceAt(0, 0, 1, 1);
    t.PlaceAt(0, 0, 2, 1);
}

TEST(PerformUndo, SetRemovesThePlacedRailAndFreesItsNeighbours) {
    CatalogueWorkspace t;
    Chain(t);
    const auto before = Snapshot(t.Layout());
    ASSERT_GT(t.PlaceAt(1, 0, 3, 1), 0);
    ASSERT_FALSE(t.Rail(3).Free1);
    UndoCommand(t.Ws);
    ExpectRestored(before, t.Layout());
    EXPECT_TRUE(t.Rail(3).Free1);
    EXPECT_TRUE(t.Layout().Modified);
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 3);
}

TEST(PerformUndo, ClosingPieceOfARingIsTakenBackAtBothEnds) {
    CatalogueWorkspace t;
    t.PlaceFree(1, testing::Curve280x45, 1000, 1000, 90);
    for (int k = 1; k < 7; ++k)
        t.PlaceAt(1, testing::Curve280x45, k, 1);
    const auto before = Snapshot(t.Layout());
    t.PlaceAt(1, testing::Curve280x45, 7, 1);
    ASSERT_FALSE(t.Rail(8).Free1) << "the ring closes by itself";
    ASSERT_FALSE(t.Rail(1).Free0);
    UndoCommand(t.Ws);
    ExpectRestored(before, t.Layout());
    EXPECT_TRUE(LinksConsistent(t.Layout()));
}

TEST(PerformUndo, DeleteIsRestoredWithItsJoints) {
    for (int victim = 1; victim <= 3; ++victim) {
        CatalogueWorkspace t;
        Chain(t);
        const auto before = Snapshot(t.Layout());
        Delete(t, victim, true);
        ASSERT_FALSE(t.Rail(victim).Valid);
        PerformUndo(t.Ws);
        ExpectRestored(before, t.Layout());
        EXPECT_TRUE(LinksConsistent(t.Layout()));
    }
}

TEST(PerformUndo, OneUndoRestoresAGroupOfDeletions) {
    CatalogueWorkspace t;
    Chain(t);
    const auto before = Snapshot(t.Layout());
    Delete(t, 3, true);
    Delete(t, 1, false);
    Delete(t, 2, false);
    PerformUndo(t.Ws);
    ExpectRestored(before, t.Layout());
    EXPECT_TRUE(LinksConsistent(t.Layout()));
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 3) << "only the deletion group is taken off";
}

TEST(PerformUndo, RestoredRailLeavesAnEndTakenMeanwhileToItsNewOwner) {
    CatalogueWorkspace t;
    Chain(t);
    Delete(t, 2, true);
    // A piece joined to the freed end by an edit that left no record.
    const int c = t.PlaceAt(0, 0, 1, 1);
    ASSERT_GT(c, 0);
    t.Ws.Undo.PopUndo();
    PerformUndo(t.Ws);
    EXPECT_TRUE(t.Rail(2).Valid);
    EXPECT_EQ(t.Rail(1).Link1, c);
    EXPECT_TRUE(t.Rail(2).Free0);
    EXPECT_TRUE(LinksConsistent(t.Layout()));
}

TEST(PerformUndo, AttributeRecordsRestoreTheOldValues) {
    CatalogueWorkspace t;
    Chain(t);
    const auto before = Snapshot(t.Layout());
    const model::Rail old = t.Rail(2);
    {
        UndoGroup g(t.Ws.Undo);
        g.Add("REN", 2, old.Name);
        t.Rail(2).Name = "a,b,,c";
        g.Add("REN", 2, t.Rail(2).Name);
        t.Rail(2).Name = "x";
    }
    t.Ws.Undo.AddUndo("RCL", 2, std::to_string(old.Color), true);
    t.Rail(2).Color = 0xFF;
    std::string upr = std::to_string(0xFF);
    upr.resize(10, ' ');
    t.Ws.Undo.AddUndo("UPR", 2, upr + old.Name, true);
    t.Rail(2).Upper = true;
    t.Rail(2).Color = 0xFF00;
    t.Rail(2).Name = "高架";

    PerformUndo(t.Ws);
    EXPECT_FALSE(t.Rail(2).Upper);
    EXPECT_EQ(t.Rail(2).Color, 0xFF);
    EXPECT_EQ(t.Rail(2).Name, old.Name);
    PerformUndo(t.Ws);
    EXPECT_EQ(t.Rail(2).Color, old.Color);
    PerformUndo(t.Ws); // both renames in one action
    ExpectRestored(before, t.Layout());
}

TEST(PerformUndo, CommaInAnOldNameSurvives) {
    CatalogueWorkspace t;
    Chain(t);
    t.Ws.Undo.AddUndo("REN", 1, "R,1,,x", true);
    PerformUndo(t.Ws);
    EXPECT_EQ(t.Rail(1).Name, "R,1,,x");
}

void MoveAll(CatalogueWorkspace& t, float dx, float dy, const std::string& dyText) {
    for (int n = 1; n <= t.Layout().RailCount; ++n)
        geometry::TranslateRail(t.Layout(), n, dx, dy);
    t.Ws.Undo.AddMoveUndo(dx, dyText);
}

// Every position field of each rail within rounding of the snapshot.
void ExpectPositionsNear(const testing::LayoutSnapshot& before, const model::Layout& layout) {
    for (int n = 1; n <= before.RailCount; ++n) {
        const model::Rail& a = layout.Rails[static_cast<std::size_t>(n)];
        const model::Rail& b = before.Rails[static_cast<std::size_t>(n - 1)];
        const float pa[][2] = {{a.X0, a.Y0},           {a.X1, a.Y1},    {a.X2, a.Y2},
                               {a.C1X, a.C1Y},         {a.C4X, a.C4Y},  {a.C6X, a.C6Y},
                               {a.CenterX, a.CenterY}, {a.MidX, a.MidY}};
        const float pb[][2] = {{b.X0, b.Y0},           {b.X1, b.Y1},    {b.X2, b.Y2},
                               {b.C1X, b.C1Y},         {b.C4X, b.C4Y},  {b.C6X, b.C6Y},
                               {b.CenterX, b.CenterY}, {b.MidX, b.MidY}};
        for (std::size_t i = 0; i < std::size(pa); ++i)
            EXPECT_TRUE(testing::NearPoint(pa[i][0], pa[i][1], pb[i][0], pb[i][1], 1e-3f))
                << "rail " << n << " point " << i;
        EXPECT_EQ(a.Cell0X, b.Cell0X);
        EXPECT_EQ(a.Free0, b.Free0);
        EXPECT_EQ(a.Link1, b.Link1);
    }
}

TEST(PerformUndo, MoveIsTakenBackByTheExactOffset) {
    // 10.4 has no exact binary form: stored as an Integer it would come back 0.4 short.
    for (const float dx : {10.5f, 10.4f, -0.4f, 333.3f}) {
        CatalogueWorkspace t;
        Chain(t);
        t.PlaceAt(1, 0, 3, 1);
        const auto before = Snapshot(t.Layout());
        MoveAll(t, dx, 7.5f, "7.5");
        PerformUndo(t.Ws);
        ExpectPositionsNear(before, t.Layout());
        EXPECT_EQ(testing::ContentOf(t.Layout().Index), before.Index);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 4);
    }
}

TEST(PerformUndo, UnknownAndUnusedCodesAreOnlyTakenOff) {
    for (const char* code : {"XYZ", "LYS", "SEL"}) {
        CatalogueWorkspace t;
        Chain(t);
        const auto before = Snapshot(t.Layout());
        t.Ws.Undo.AddUndo(code, 1, "", true);
        PerformUndo(t.Ws);
        ExpectRestored(before, t.Layout());
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 3) << code;
    }
}

TEST(PerformUndo, RecordsNamingNoRailOrBadDataChangeNothing) {
    CatalogueWorkspace t;
    Chain(t);
    const auto before = Snapshot(t.Layout());
    for (const char* code : {"DEL", "SET", "REN", "RCL", "UPR"})
        for (int n : {0, -1, 4, 32767})
            t.Ws.Undo.AddUndo(code, n, "1", true);
    t.Ws.Undo.AddUndo("DEL", 1, "", true); // rail 1 is not deleted
    t.Ws.Undo.AddUndo("RCL", 1, "abc", true);
    t.Ws.Undo.AddUndo("MOV", "nonsense", "1", true);
    t.Ws.Undo.AddUndo("MOV", "1", "1e999", true);
    while (t.Ws.Undo.UndoCount() > 3)
        PerformUndo(t.Ws);
    ExpectRestored(before, t.Layout());
}

TEST(PerformUndo, EmptyJournalDoesNothing) {
    CatalogueWorkspace t;
    Chain(t);
    while (t.Ws.Undo.UndoCount() > 0)
        UndoCommand(t.Ws);
    t.Layout().Modified = false;
    UndoCommand(t.Ws);
    EXPECT_FALSE(t.Layout().Modified);
    EXPECT_EQ(t.Ws.Undo.MenuItem(), (UndoMenuItem{false, "元に戻せません"}));
}

} // namespace
} // namespace ferrovane::editor
