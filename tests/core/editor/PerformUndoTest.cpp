#include <gtest/gtest.h>

#include <cmath>

#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/MoveAll.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Recolour.h"
#include "core/commands/edit/RenameRail.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/model/RailIndex.h"
#include "support/CatalogueFixtures.h"
#include "support/LayoutSnapshot.h"
#include "support/LinkInvariant.h"
#include "support/RailBits.h"

namespace ferrovane::editor {
namespace {

using testing::CatalogueWorkspace;
using testing::ExpectRestored;
using testing::LinksConsistent;
using testing::Snapshot;

// What the delete command leaves behind: the rail removed, a deletion record in the
// action's group, a fresh index.
void Delete(CatalogueWorkspace& t, UndoGroup& action, int n) {
    geometry::RemoveRail(t.Layout(), n);
    action.Add(RailDeleted{n});
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
        UndoGroup action(t.Ws.Undo);
        Delete(t, action, victim);
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
    UndoGroup action(t.Ws.Undo);
    for (int n : {3, 1, 2})
        Delete(t, action, n);
    PerformUndo(t.Ws);
    ExpectRestored(before, t.Layout());
    EXPECT_TRUE(LinksConsistent(t.Layout()));
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 3) << "only the deletion group is taken off";
}

TEST(PerformUndo, RestoredRailLeavesAnEndTakenMeanwhileToItsNewOwner) {
    CatalogueWorkspace t;
    Chain(t);
    {
        UndoGroup action(t.Ws.Undo);
        Delete(t, action, 2);
    }
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

TEST(PerformUndo, EachAttributeEditIsTakenBackInTurn) {
    CatalogueWorkspace t;
    Chain(t);
    t.Rail(2).Name = "R,1,,x"; // commas meant nothing to the old text records either
    const auto before = Snapshot(t.Layout());
    ASSERT_TRUE(RenameRailTo(t.Ws, 2, "a,b,,c"));
    ASSERT_TRUE(RecolourRail(t.Ws, 2, 0xFF));
    ASSERT_TRUE(ElevateRail(t.Ws, 2, "高架", 0xFF00));
    EXPECT_EQ(t.Ws.Undo.MenuItem().Caption, "元に戻す - 高架化");

    PerformUndo(t.Ws);
    EXPECT_FALSE(t.Rail(2).Upper);
    EXPECT_EQ(t.Rail(2).Color, 0xFF);
    EXPECT_EQ(t.Rail(2).Name, "a,b,,c");
    EXPECT_EQ(t.Ws.Undo.MenuItem().Caption, "元に戻す - レール色変更");
    PerformUndo(t.Ws);
    EXPECT_EQ(t.Rail(2).Name, "a,b,,c");
    EXPECT_EQ(t.Ws.Undo.MenuItem().Caption, "元に戻す - レール名変更");
    PerformUndo(t.Ws);
    ExpectRestored(before, t.Layout());
    EXPECT_EQ(t.Ws.Undo.MenuItem().Caption, "元に戻す - レール設置");
}

// A move and its undo through the command: the positions come back bit for bit, even
// where adding the offset rounded (the curve's end, moved by 58000.3 and back by the
// same offset, would not be where it was).
TEST(PerformUndo, MoveIsTakenBackExactly) {
    const float offsets[][2] = {
        {10.5f, 7.5f}, {10.4f, 7.5f}, {-0.4f, 333.3f}, {58000.3f, -0.7f}, {0.1f, -0.1f}};
    for (const auto& [dx, dy] : offsets) {
        CatalogueWorkspace t;
        Chain(t);
        t.PlaceAt(1, 0, 3, 1);
        const auto rails = t.Layout().Rails;
        const auto before = Snapshot(t.Layout());
        ASSERT_TRUE(MoveAll(t.Ws, dx, dy)) << dx;
        EXPECT_NE(t.Rail(1).MidX, rails[1].MidX);
        UndoCommand(t.Ws);
        for (int n = 1; n <= t.Layout().RailCount; ++n)
            EXPECT_TRUE(testing::SameBits(t.Layout().Rails[n], rails[n])) << dx << " rail " << n;
        EXPECT_EQ(testing::ContentOf(t.Layout().Index), before.Index);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 4);
    }
}

// No command writes these two yet; their records still take back what they name.
TEST(PerformUndo, LayoutSizeAndSelectionRecordsRestoreTheOldValues) {
    CatalogueWorkspace t;
    Chain(t);
    t.Ws.Undo.Record(LayoutResized{2000, 2000, 3000, 1000});
    t.Layout().LayoutWidth = 3000;
    t.Layout().LayoutHeight = 1000;
    t.Ws.Undo.Record(SelectionChanged{{2, 1, 3}, {3, 1, 3, 2}});
    t.Ws.Editor.SelRailList = {3, 1, 3, 2};
    PerformUndo(t.Ws);
    EXPECT_EQ(t.Ws.Editor.SelRailList, (std::vector<std::int16_t>{2, 1, 3}));
    PerformUndo(t.Ws);
    EXPECT_EQ(t.Layout().LayoutWidth, 2000);
    EXPECT_EQ(t.Layout().LayoutHeight, 2000);
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 3);
}

TEST(PerformUndo, RecordsNamingNoRailChangeNothing) {
    CatalogueWorkspace t;
    Chain(t);
    const auto before = Snapshot(t.Layout());
    for (int n : {0, -1, 4, 32767}) {
        t.Ws.Undo.Record(RailDeleted{n});
        t.Ws.Undo.Record(RailPlaced{n});
        t.Ws.Undo.Record(RailRenamed{n, "1", "2"});
        t.Ws.Undo.Record(RailRecoloured{n, 1, 2});
        t.Ws.Undo.Record(RailElevated{n, 1, "1", 2, "2"});
    }
    t.Ws.Undo.Record(RailDeleted{1}); // rail 1 is not deleted
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
