#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/app/tools/DeleteTool.h"
#include "core/app/tools/ToolBoard.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Selection.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::editor {
namespace {

struct RecordingDeleteView : DeleteToolView {
    void ShowRailField(const std::string& text) override { Fields.push_back(text); }
    std::vector<std::string> Fields;
};

// The edit layout: 1 straight, 2 curve, 3 point, 4 straight joined in a chain; the
// rail box 5..7 (head 5); 8 a text label.
struct DeleteBoard : testing::ToolBoard {
    DeleteBoard() { testing::BuildEditLayout(*this); }
    RecordingDeleteView DeleteView;
    DeleteTool Tool{Board, DeleteView};
};

TEST(DeleteTool, OpeningAsksAboutASelectionOfTwoOrMore) {
    const struct {
        std::vector<int> selected;
        platform::Answer answer;
        bool asks;
        std::vector<int> deleted;
    } cases[] = {
        {{}, platform::Answer::Yes, false, {}},
        {{4}, platform::Answer::Yes, false, {}},
        {{1, 4}, platform::Answer::Yes, true, {1, 4}},
        {{1, 4}, platform::Answer::No, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.selected.size() << " selected, answer " << static_cast<int>(c.answer));
        DeleteBoard t;
        for (const int n : c.selected)
            ToggleSelection(t.Ws, n);
        t.Host.Answers.push_back(c.answer);
        t.Tool.Open();
        EXPECT_TRUE(t.Tool.IsOpen());
        EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Delete);
        EXPECT_EQ(t.DeleteView.Fields.back(), NoRailChosenText());
        ASSERT_EQ(t.Host.Messages.size(), c.asks ? 1u : 0u);
        if (c.asks) {
            EXPECT_EQ(t.Host.Messages[0].Text, "現在複数選択されているレールも削除しますか?");
            EXPECT_EQ(t.Host.Messages[0].Title, "削除");
            EXPECT_EQ(t.Host.Messages[0].Buttons, platform::MessageButtons::YesNo);
        }
        for (int n = 1; n <= 8; ++n) {
            const bool gone = std::find(c.deleted.begin(), c.deleted.end(), n) != c.deleted.end();
            EXPECT_EQ(t.Rail(n).Valid, !gone) << "rail " << n;
        }
        EXPECT_EQ(testing::UndoActions(t.Ws.Undo), c.deleted.empty() ? 0 : 1);
        EXPECT_EQ(SelectedRails(t.Ws.Editor), c.deleted.empty() ? c.selected : std::vector<int>{});
        EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
    }
}

// A click on a rail deletes it, with its rail-box group, as one undo step.
TEST(DeleteTool, ClickDeletesTheRailAndOneUndoBringsItBack) {
    const struct {
        const char* what;
        int clicked;
        std::vector<int> gone;
    } cases[] = {
        {"end of the chain", 4, {4}},
        {"middle of the chain", 2, {2}},
        {"rail-box head", 5, {5, 6, 7}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteBoard t;
        const auto before = testing::Snapshot(t.Layout());
        t.Tool.Open();
        const int backScreens = t.Redraw.BackScreens;
        t.ClickRail(c.clicked);
        for (int n = 1; n <= 8; ++n) {
            const bool gone = std::find(c.gone.begin(), c.gone.end(), n) != c.gone.end();
            EXPECT_EQ(t.Rail(n).Valid, !gone) << "rail " << n;
        }
        EXPECT_EQ(testing::UndoActions(t.Ws.Undo), 1);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), static_cast<int>(c.gone.size()));
        EXPECT_TRUE(t.Layout().Modified);
        EXPECT_GT(t.Redraw.BackScreens, backScreens);
        EXPECT_EQ(t.DeleteView.Fields.back(), NoRailChosenText());
        EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
        // The hit test finds what it would after a rebuild.
        model::Layout rebuilt = t.Layout();
        model::RebuildRailIndex(rebuilt);
        EXPECT_EQ(testing::ContentOf(t.Layout().Index), testing::ContentOf(rebuilt.Index));
        EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Delete) << "the tool stays open";

        PerformUndo(t.Ws);
        testing::ExpectRestored(before, t.Layout());
        EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
    }
}

TEST(DeleteTool, HoverNamesTheRailAndEachClickIsItsOwnUndoStep) {
    DeleteBoard t;
    t.Rail(4).Name = "S248  "; // as a layout file pads it
    t.Tool.Open();
    t.HoverRail(4);
    EXPECT_EQ(t.DeleteView.Fields.back(), "S248");
    EXPECT_EQ(t.Redraw.HoverRails, 1);
    t.Hover(5000, 5000);
    EXPECT_EQ(t.DeleteView.Fields.back(), NoRailChosenText());
    EXPECT_EQ(t.Host.StatusTexts.back(), "(5000,5000)");
    EXPECT_EQ(t.View.Pointers.back(), BoardPointer::Cross);
    // An end is not a rail to delete.
    t.HoverEnd(4, 1);
    EXPECT_EQ(t.DeleteView.Fields.back(), NoRailChosenText());

    const auto before = testing::Snapshot(t.Layout());
    t.Click(5000, 5000);
    t.ClickEnd(4, 1);
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 0) << "a click beside a rail deletes nothing";
    t.ClickRail(4);
    t.ClickRail(1);
    EXPECT_FALSE(t.Rail(4).Valid);
    EXPECT_FALSE(t.Rail(1).Valid);
    EXPECT_TRUE(t.Rail(3).Free1);
    EXPECT_EQ(testing::UndoActions(t.Ws.Undo), 2);
    PerformUndo(t.Ws);
    EXPECT_TRUE(t.Rail(1).Valid);
    EXPECT_FALSE(t.Rail(4).Valid);
    PerformUndo(t.Ws);
    testing::ExpectRestored(before, t.Layout());

    t.Tool.Close();
    EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Place);
    EXPECT_EQ(t.Host.ToolBoxShows, 1);
    // Forced back into the mode, the board has no tool for it.
    t.Ws.Editor.AStatus = EditorMode::Delete;
    t.ClickRail(4);
    EXPECT_TRUE(t.Rail(4).Valid);
}

} // namespace
} // namespace ferrovane::editor
