#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/app/tools/RecolourTool.h"
#include "core/app/tools/ToolBoard.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Selection.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::editor {
namespace {

struct RecordingRecolourView : RecolourToolView {
    void ShowTarget(const std::string& text) override { Targets.push_back(text); }
    void ShowColour(std::int32_t colour) override { Colours.push_back(colour); }
    std::vector<std::string> Targets;
    std::vector<std::int32_t> Colours;
};

struct RecolourBoard : testing::ToolBoard {
    RecolourBoard() { testing::BuildEditLayout(*this); }
    std::vector<std::int32_t> ColoursOf(std::initializer_list<int> rails) {
        std::vector<std::int32_t> out;
        for (const int n : rails)
            out.push_back(Rail(n).Color);
        return out;
    }
    RecordingRecolourView RecolourView;
    RecolourTool Tool{Board, RecolourView};
};

constexpr std::int32_t NewColour = 0x112233;

TEST(RecolourTool, SingleRailTakesTheChosenColourAsOneUndoStep) {
    RecolourBoard t;
    t.Ws.Settings.RailColor = 77;
    t.Tool.Open();
    EXPECT_TRUE(t.Host.Messages.empty());
    EXPECT_FALSE(t.Tool.SelectionMode());
    EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Recolour);
    EXPECT_EQ(t.RecolourView.Targets.back(), "レール名 : ");
    EXPECT_EQ(t.RecolourView.Colours.back(), 77);

    // Nothing to recolour yet.
    EXPECT_FALSE(t.Tool.Apply());
    EXPECT_EQ(t.Host.StatusTexts.back(), RecolourHintText());
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 0);

    t.HoverRail(2);
    EXPECT_EQ(t.Host.StatusTexts.back(), RecolourPickText());
    EXPECT_EQ(t.View.Pointers.back(), BoardPointer::Arrow);
    t.Hover(5000, 5000);
    EXPECT_EQ(t.Host.StatusTexts.back(), RecolourHintText());
    EXPECT_EQ(t.View.Pointers.back(), BoardPointer::Cross);

    const auto before = t.ColoursOf({1, 2, 3, 4, 5, 6, 7});
    t.Rail(2).Name = "C541-30   ";
    t.ClickRail(2);
    EXPECT_EQ(t.Tool.Rail(), 2);
    EXPECT_EQ(t.RecolourView.Targets.back(), "レール名 : C541-30");
    EXPECT_EQ(t.RecolourView.Colours.back(), t.Rail(2).Color);
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 0) << "a click only chooses";

    // A closed colour dialog keeps the sample.
    const std::size_t shown = t.RecolourView.Colours.size();
    t.Tool.ChooseColour();
    EXPECT_EQ(t.RecolourView.Colours.size(), shown);
    EXPECT_EQ(t.Tool.Colour(), t.Rail(2).Color);
    t.Host.ColourAnswers.push_back(NewColour);
    t.Tool.ChooseColour();
    EXPECT_EQ(t.RecolourView.Colours.back(), NewColour);

    const int backScreens = t.Redraw.BackScreens;
    ASSERT_TRUE(t.Tool.Apply());
    EXPECT_EQ(t.Rail(2).Color, NewColour);
    auto expected = before;
    expected[1] = NewColour;
    EXPECT_EQ(t.ColoursOf({1, 2, 3, 4, 5, 6, 7}), expected);
    EXPECT_EQ(testing::UndoActions(t.Ws.Undo), 1);
    EXPECT_TRUE(t.Layout().Modified);
    EXPECT_GT(t.Redraw.BackScreens, backScreens);

    // The rail stays chosen: a rail-box head then takes its members along.
    t.ClickRail(5);
    t.Host.ColourAnswers.push_back(NewColour + 1);
    t.Tool.ChooseColour();
    ASSERT_TRUE(t.Tool.Apply());
    EXPECT_EQ(t.ColoursOf({5, 6, 7}), std::vector<std::int32_t>(3, NewColour + 1));
    EXPECT_EQ(testing::UndoActions(t.Ws.Undo), 2);

    PerformUndo(t.Ws);
    EXPECT_EQ(t.ColoursOf({5, 6, 7}), (std::vector<std::int32_t>{before[4], before[5], before[6]}));
    PerformUndo(t.Ws);
    EXPECT_EQ(t.ColoursOf({1, 2, 3, 4, 5, 6, 7}), before);
}

TEST(RecolourTool, WithASelectionTheUserChoosesWhatIsRecoloured) {
    for (const bool whole : {true, false}) {
        SCOPED_TRACE(whole ? "the selection" : "a single rail");
        RecolourBoard t;
        for (const int n : {1, 3, 4})
            ToggleSelection(t.Ws, n);
        const auto before = t.ColoursOf({1, 2, 3, 4});
        t.Host.Answers.push_back(whole ? platform::Answer::Yes : platform::Answer::No);
        t.Tool.Open();
        ASSERT_EQ(t.Host.Messages.size(), 1u);
        EXPECT_EQ(t.Host.Messages[0].Text, "選択レールを一括変換しますか?");
        EXPECT_EQ(t.Host.Messages[0].Title, "レール色の変更");
        EXPECT_EQ(t.Host.Messages[0].Buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(t.Tool.SelectionMode(), whole);
        EXPECT_EQ(t.RecolourView.Targets.back(), whole ? RecolourSelectionText() : "レール名 : ");

        t.ClickRail(2);
        if (whole) {
            EXPECT_EQ(t.RecolourView.Targets.back(), RecolourSelectionText())
                << "the selection is what is recoloured";
        } else {
            EXPECT_EQ(t.RecolourView.Targets.back(), "レール名 : C541-30");
        }
        t.Host.ColourAnswers.push_back(NewColour);
        t.Tool.ChooseColour();
        ASSERT_TRUE(t.Tool.Apply());
        const std::vector<std::int32_t> expected =
            whole ? std::vector<std::int32_t>{NewColour, before[1], NewColour, NewColour}
                  : std::vector<std::int32_t>{before[0], NewColour, before[2], before[3]};
        EXPECT_EQ(t.ColoursOf({1, 2, 3, 4}), expected);
        EXPECT_EQ(testing::UndoActions(t.Ws.Undo), 1);
        if (whole) {
            EXPECT_EQ(SelectionSlots(t.Ws.Editor), 0);
            EXPECT_FALSE(t.Host.CCEnabled.back());
            EXPECT_FALSE(t.Tool.SelectionMode());
            // Further rails are chosen one at a time; none is chosen yet.
            EXPECT_FALSE(t.Tool.Apply());
        } else {
            EXPECT_EQ(SelectedRails(t.Ws.Editor), (std::vector<int>{1, 3, 4}));
        }
        PerformUndo(t.Ws);
        EXPECT_EQ(t.ColoursOf({1, 2, 3, 4}), before);

        const int shows = t.Host.ToolBoxShows;
        t.Tool.Close();
        EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Place);
        EXPECT_EQ(t.Host.ToolBoxShows, shows + 1);
    }
}

} // namespace
} // namespace ferrovane::editor
