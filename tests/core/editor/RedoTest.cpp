#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <vector>

#include "core/app/board/EditMenu.h"
#include "core/commands/catalogue/CatalogueEditor.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/MoveAll.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Recolour.h"
#include "core/commands/edit/RenameRail.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/placement/FlexRail.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::editor {
namespace {

using testing::BuildEditLayout;
using testing::CatalogueWorkspace;

void Select(CatalogueWorkspace& t, std::initializer_list<int> rails) {
    for (int n : rails)
        ToggleSelection(t.Ws, n);
}

std::vector<bool> GroupStarts(const UndoJournal& journal) {
    std::vector<bool> starts;
    for (const UndoRecord& r : journal.Records())
        starts.push_back(r.GroupStart);
    return starts;
}

struct ActionCase {
    const char* Name;
    std::function<void(CatalogueWorkspace&)> Act;
    int Records; // what the action writes, all taken back and done again as one step
};

// Each action of several records (and a few of one) comes back whole with one redo:
// every record of every rail as it was before the undo, the index, the journal and the
// undo menu item; and a second undo takes it back as the first did.
TEST(Redo, EachActionComesBackWholeInOneStep) {
    const std::vector<ActionCase> cases = {
        {"place at an end", [](CatalogueWorkspace& t) { t.PlaceAt(1, 0, 4, 1); }, 1},
        {"rail box",
         [](CatalogueWorkspace& t) {
             t.Ws.Editor.MouseX = -2000;
             t.Ws.Editor.MouseY = -2000;
             geometry::PlaceRailBox(t.Ws, 90, 0, false);
         },
         3},
        {"flexible rail",
         [](CatalogueWorkspace& t) {
             geometry::OpenFlexRail(t.Ws);
             geometry::RecordFlexSideAtEnd(t.Ws, geometry::FlexSide::Start, 4, 1);
             geometry::RecordFlexSideFree(t.Ws, geometry::FlexSide::End, 100, 400, 45);
             geometry::EnterFlexShaping(t.Ws);
             EXPECT_TRUE(geometry::CreateFlexRail(t.Ws));
         },
         1},
        {"cut",
         [](CatalogueWorkspace& t) {
             Select(t, {2, 5, 3});
             CutSelection(t.Ws);
         },
         5},
        {"delete group head", [](CatalogueWorkspace& t) { DeleteRailNo(t.Ws, 5); }, 3},
        {"delete selection",
         [](CatalogueWorkspace& t) {
             Select(t, {1, 4});
             DeleteSelection(t.Ws);
         },
         2},
        {"move all", [](CatalogueWorkspace& t) { MoveAll(t.Ws, 10.4f, -7.3f); }, 1},
        {"recolour selection",
         [](CatalogueWorkspace& t) {
             Select(t, {5, 8});
             RecolourSelection(t.Ws, 9);
         },
         4},
        {"rename group", [](CatalogueWorkspace& t) { RenameRailTo(t.Ws, 5, "Ring,1"); }, 3},
        {"elevate group", [](CatalogueWorkspace& t) { ElevateRail(t.Ws, 5, "Up", 3); }, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        CatalogueWorkspace t;
        BuildEditLayout(t);
        t.Ws.Undo.Record(RailRecoloured{1, 0, 0}); // an earlier action redo must not reach
        c.Act(t);
        ASSERT_EQ(t.Ws.Undo.UndoCount(), 1 + c.Records);
        const std::vector<model::Rail> done = t.Layout().Rails;
        const auto doneIndex = testing::ContentOf(t.Layout().Index);
        const auto starts = GroupStarts(t.Ws.Undo);
        const UndoMenuItem menu = t.Ws.Undo.MenuItem();

        UndoCommand(t.Ws);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 1);
        EXPECT_EQ(t.Ws.Undo.RedoCount(), 1);
        const std::vector<model::Rail> undone = t.Layout().Rails;
        t.Layout().Modified = false;

        RedoCommand(t.Ws);
        EXPECT_TRUE(t.Layout().Modified);
        EXPECT_EQ(t.Ws.Undo.RedoCount(), 0);
        EXPECT_EQ(GroupStarts(t.Ws.Undo), starts);
        EXPECT_EQ(t.Ws.Undo.MenuItem(), menu);
        ASSERT_EQ(t.Layout().Rails.size(), done.size());
        for (std::size_t n = 1; n < done.size(); ++n)
            EXPECT_EQ(t.Layout().Rails[n], done[n]) << "rail " << n;
        EXPECT_EQ(testing::ContentOf(t.Layout().Index), doneIndex);
        EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));

        UndoCommand(t.Ws);
        for (std::size_t n = 1; n < undone.size(); ++n)
            EXPECT_EQ(t.Layout().Rails[n], undone[n]) << "again, rail " << n;
    }
}

// Ends that meet without a joint (as a damaged file may hold them) are joined when a
// deleted rail comes back; redoing the deletion leaves the other rail as it was before,
// its end free again and its stale link fields untouched.
TEST(Redo, JointMadeByPositionOnUndoGoesAgainOnRedo) {
    CatalogueWorkspace t;
    t.PlaceFree(0, 0, 1000, 1000, 90);
    t.PlaceAt(0, 0, 1, 1);
    ASSERT_EQ(t.Rail(2).Link0, 1);
    t.Rail(1).Free1 = true;
    t.Rail(2).Free0 = true;
    t.Rail(2).Link0 = 77; // stale
    t.Ws.Undo.Clear();
    ASSERT_TRUE(DeleteRailNo(t.Ws, 1));
    const std::vector<model::Rail> deleted = t.Layout().Rails;
    UndoCommand(t.Ws);
    ASSERT_FALSE(t.Rail(2).Free0);
    ASSERT_EQ(t.Rail(2).Link0, 1);
    RedoCommand(t.Ws);
    EXPECT_EQ(t.Rail(1), deleted[1]);
    EXPECT_EQ(t.Rail(2), deleted[2]);
    EXPECT_TRUE(testing::LinksConsistent(t.Layout()));
}

// Redo steps back through the actions taken back, most recent first; a new edit, an
// edit the journal does not record, and a new or opened layout leave nothing to redo.
TEST(Redo, WaitsUntilSomethingElseChangesTheLayout) {
    const std::vector<std::pair<const char*, std::function<void(CatalogueWorkspace&)>>> endings = {
        {"new edit", [](CatalogueWorkspace& t) { RecolourRail(t.Ws, 1, 5); }},
        {"colour push",
         [](CatalogueWorkspace& t) {
             t.Host.Answers = {platform::Answer::Yes};
             t.Rail(1).Color = 1;
             EXPECT_GT(catalogue::ApplyColoursToLayout(t.Ws), 0);
         }},
        {"layout forgotten", [](CatalogueWorkspace& t) { t.Ws.Undo.Clear(); }},
    };
    for (const auto& [name, ending] : endings) {
        SCOPED_TRACE(name);
        CatalogueWorkspace t;
        BuildEditLayout(t);
        EXPECT_FALSE(EditMenuStateOf(t.Ws).Redo);
        RecolourRail(t.Ws, 1, 100);
        RenameRailTo(t.Ws, 1, "first");
        UndoCommand(t.Ws);
        UndoCommand(t.Ws);
        EXPECT_TRUE(EditMenuStateOf(t.Ws).Redo);
        RedoCommand(t.Ws);
        EXPECT_EQ(t.Rail(1).Color, 100);
        EXPECT_NE(t.Rail(1).Name, "first");
        EXPECT_EQ(t.Ws.Undo.RedoCount(), 1);
        t.Ws.Changed.Take();
        ending(t);
        EXPECT_EQ(t.Ws.Undo.RedoCount(), 0);
        EXPECT_FALSE(EditMenuStateOf(t.Ws).Redo);
        EXPECT_TRUE(t.Ws.Changed.Take().Has(app::Change::Undo));
        // With nothing waiting the command does nothing.
        const std::vector<model::Rail> rails = t.Layout().Rails;
        t.Layout().Modified = false;
        RedoCommand(t.Ws);
        EXPECT_FALSE(t.Layout().Modified);
        EXPECT_EQ(t.Layout().Rails, rails);
    }
}

// No command writes these two yet; done again, they set the new values.
TEST(Redo, LayoutSizeAndSelectionRecordsSetTheNewValues) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    t.Ws.Undo.Record(LayoutResized{2000, 2000, 3000, 1000});
    t.Ws.Undo.Record(SelectionChanged{{2, 1, 3}, {3, 1, 3, 2}});
    PerformUndo(t.Ws);
    PerformUndo(t.Ws);
    EXPECT_EQ(t.Layout().LayoutWidth, 2000);
    PerformRedo(t.Ws);
    EXPECT_EQ(t.Layout().LayoutWidth, 3000);
    EXPECT_EQ(t.Layout().LayoutHeight, 1000);
    PerformRedo(t.Ws);
    EXPECT_EQ(t.Ws.Editor.SelRailList, (std::vector<std::int16_t>{3, 1, 3, 2}));
}

} // namespace
} // namespace ferrovane::editor
