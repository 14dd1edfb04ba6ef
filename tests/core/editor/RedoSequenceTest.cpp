#include <gtest/gtest.h>

#include <vector>

#include "core/editor/RandomEdits.h"

namespace ferrovane::editor {
namespace {

// Edits, undos and redos in random order. Every redo gives back exactly what its undo
// found, every new edit leaves nothing to redo, and the links and the index stay sound.
TEST(RedoSequence, RedoGivesBackWhatItsUndoFound) {
    for (const unsigned seed : {3u, 11u, 2025u}) {
        SCOPED_TRACE(seed);
        Session s(seed);
        std::vector<LayoutState> undone; // what each waiting redo must give back
        int redos = 0;
        for (int step = 0; step < 400; ++step) {
            const int roll = s.Pick(10);
            if (roll < 3 && s.Ws.Undo.UndoCount() > 0) {
                undone.push_back(StateOf(s.Layout()));
                UndoCommand(s.Ws);
            } else if (roll < 7 && s.Ws.Undo.RedoCount() > 0) {
                RedoCommand(s.Ws);
                const LayoutState now = StateOf(s.Layout());
                ASSERT_TRUE(now == undone.back())
                    << "step " << step << ": " << FirstDifference(now, undone.back());
                undone.pop_back();
                ++redos;
            } else {
                const int records = s.Ws.Undo.UndoCount();
                s.Edit();
                if (s.Ws.Undo.UndoCount() != records) undone.clear();
            }
            ASSERT_EQ(s.Ws.Undo.RedoCount(), static_cast<int>(undone.size())) << "step " << step;
            ASSERT_TRUE(Sound(s.Layout())) << "step " << step;
            ASSERT_FALSE(::testing::Test::HasFailure()) << "step " << step;
        }
        EXPECT_GT(redos, 40); // the sequence did exercise redo
    }
}

// Undoing every action and then redoing every one gives the layout and the journal
// back as they were, down to the stale links of free ends.
TEST(RedoSequence, UndoAllThenRedoAllGivesTheSameLayout) {
    for (const unsigned seed : {5u, 42u, 777u}) {
        SCOPED_TRACE(seed);
        Session s(seed);
        for (int step = 0; step < 300; ++step) {
            s.Edit();
            ASSERT_FALSE(::testing::Test::HasFailure()) << "step " << step;
        }
        const LayoutState before = StateOf(s.Layout());
        const auto journal = JournalOf(s.Ws.Undo);
        const UndoMenuItem menu = s.Ws.Undo.MenuItem();
        ASSERT_GT(journal.size(), 200u);

        std::vector<LayoutState> afterUndo;
        while (s.Ws.Undo.UndoCount() > 0) {
            UndoCommand(s.Ws);
            afterUndo.push_back(StateOf(s.Layout()));
        }
        EXPECT_FALSE(s.Ws.Undo.MenuItem().Enabled);
        while (s.Ws.Undo.RedoCount() > 0) {
            RedoCommand(s.Ws);
            ASSERT_TRUE(Sound(s.Layout()));
        }
        const LayoutState after = StateOf(s.Layout());
        EXPECT_TRUE(after == before) << FirstDifference(after, before);
        EXPECT_EQ(JournalOf(s.Ws.Undo), journal);
        EXPECT_EQ(s.Ws.Undo.MenuItem(), menu);

        // And the actions done again are taken back just as the first time.
        for (auto it = afterUndo.begin(); it != afterUndo.end(); ++it) {
            UndoCommand(s.Ws);
            const LayoutState now = StateOf(s.Layout());
            ASSERT_TRUE(now == *it) << FirstDifference(now, *it);
        }
    }
}

} // namespace
} // namespace ferrovane::editor
