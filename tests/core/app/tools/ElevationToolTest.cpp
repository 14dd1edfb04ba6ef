#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/app/tools/DeleteTool.h"
#include "core/app/tools/ElevationTool.h"
#include "core/app/tools/ToolBoard.h"
#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Selection.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::editor {
namespace {

using testing::Piece;

struct RecordingElevationView : ElevationToolView {
    void ShowSourceRail(const std::string& text) override { Sources.push_back(text); }
    void ShowCandidates(const std::vector<std::string>& names, int currentRow) override {
        Lists.push_back(names);
        Rows.push_back(currentRow);
    }
    std::optional<std::string> ChosenCandidate() const override { return Chosen; }

    std::vector<std::string> Sources;
    std::vector<std::vector<std::string>> Lists;
    std::vector<int> Rows;
    std::optional<std::string> Chosen;
};

catalogue::RType Levelled(int index, const char* name, std::int16_t level) {
    catalogue::RType t = Piece(0, index, name, 248, 0, 0);
    t.Level = level;
    return t;
}

// The edit layout over straights for each level: rail 1 and rail 4 are ground "S248".
struct ElevationBoard : testing::ToolBoard {
    ElevationBoard() {
        testing::BuildEditLayout(*this);
        Ws.Catalogue.StraightTypes = {Levelled(0, "S248", 0), Levelled(1, "Both", 2),
                                      Levelled(2, "高架S124", 1), Levelled(3, "高架S248", 1),
                                      Levelled(4, "S124", 0)};
        Ws.Catalogue.StraightTypeMax = 4;
    }
    RecordingElevationView ElevationView;
    ElevationTool Tool{Board, ElevationView};
};

TEST(ElevationTool, HoverShowsTheRailAndItsOtherLevelTypes) {
    ElevationBoard t;
    t.Tool.Open();
    EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Elevate);
    EXPECT_TRUE(t.Host.Messages.empty());
    EXPECT_EQ(t.ElevationView.Sources.back(), NoRailChosenText());

    t.HoverRail(1);
    EXPECT_EQ(t.ElevationView.Sources.back(), "S248");
    ASSERT_FALSE(t.ElevationView.Lists.empty());
    EXPECT_EQ(t.ElevationView.Lists.back(),
              (std::vector<std::string>{"Both", "高架S124", "高架S248"}));
    EXPECT_EQ(t.ElevationView.Rows.back(), -1);
    EXPECT_EQ(t.Redraw.HoverRails, 1);

    t.Hover(5000, 5000);
    EXPECT_EQ(t.ElevationView.Sources.back(), NoRailChosenText());
    EXPECT_EQ(t.Host.StatusTexts.back(), ElevateHintText());
    EXPECT_EQ(t.View.Pointers.back(), BoardPointer::Cross);

    // Back on the same rail: it is named again, and the list (with any choice made in
    // it) is not filled anew.
    const std::size_t lists = t.ElevationView.Lists.size();
    t.HoverRail(1);
    EXPECT_EQ(t.ElevationView.Sources.back(), "S248");
    EXPECT_EQ(t.ElevationView.Lists.size(), lists);

    // The "賢い変換" check box picks the counterpart.
    t.Tool.SetIntelliChange(true);
    EXPECT_EQ(t.ElevationView.Rows.back(), 2);
    t.Rail(4).Upper = true;
    t.Rail(4).Name = "高架S124";
    t.HoverRail(4);
    EXPECT_EQ(t.ElevationView.Lists.back(), (std::vector<std::string>{"S248", "Both", "S124"}));
    EXPECT_EQ(t.ElevationView.Rows.back(), 2);
    // Kinds without catalogue types have no candidates.
    t.HoverRail(5);
    EXPECT_TRUE(t.ElevationView.Lists.back().empty());
    EXPECT_EQ(t.ElevationView.Rows.back(), -1);
}

TEST(ElevationTool, ClickConvertsToTheChosenTypeAndUndoRestores) {
    ElevationBoard t;
    t.Tool.Open();
    const model::Rail original = t.Rail(1);

    t.ClickRail(1);
    EXPECT_EQ(t.Host.StatusTexts.back(), "高架化後のレール名を選んで下さい");
    EXPECT_EQ(t.Rail(1), original);
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 0);

    t.ElevationView.Chosen = "高架S248";
    const int backScreens = t.Redraw.BackScreens;
    t.ClickRail(1);
    EXPECT_TRUE(t.Rail(1).Upper);
    EXPECT_EQ(t.Rail(1).Name, "高架S248");
    EXPECT_EQ(t.Rail(1).Color, Piece(0, 3, "", 0, 0, 0).Color);
    EXPECT_EQ(t.Rail(1).X1, original.X1) << "the geometry stays";
    EXPECT_EQ(t.Rail(1).Link1, original.Link1);
    EXPECT_EQ(testing::UndoActions(t.Ws.Undo), 1);
    EXPECT_TRUE(t.Layout().Modified);
    EXPECT_GT(t.Redraw.BackScreens, backScreens);
    // The converted rail now offers the ground types.
    EXPECT_EQ(t.ElevationView.Sources.back(), "高架S248");
    EXPECT_EQ(t.ElevationView.Lists.back(), (std::vector<std::string>{"S248", "Both", "S124"}));

    PerformUndo(t.Ws);
    EXPECT_EQ(t.Rail(1), original);
}

TEST(ElevationTool, OpeningWithASelectionTellsAndClearsIt) {
    ElevationBoard t;
    ToggleSelection(t.Ws, 1);
    ToggleSelection(t.Ws, 2);
    const int backScreens = t.Redraw.BackScreens;
    t.Tool.Open();
    ASSERT_EQ(t.Host.Messages.size(), 1u);
    EXPECT_EQ(t.Host.Messages[0].Text, "選択を解除します。一つずつ高架化して下さい。");
    EXPECT_EQ(t.Host.Messages[0].Title, "レールの高架化");
    EXPECT_EQ(t.Host.Messages[0].Icon, platform::MessageIcon::Information);
    EXPECT_EQ(SelectionSlots(t.Ws.Editor), 0);
    EXPECT_FALSE(t.Host.CCEnabled.back());
    EXPECT_GT(t.Redraw.BackScreens, backScreens);
    EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Elevate);

    const int shows = t.Host.ToolBoxShows;
    t.Tool.Close();
    EXPECT_EQ(t.Ws.Editor.AStatus, EditorMode::Place);
    EXPECT_EQ(t.Host.ToolBoxShows, shows + 1);
}

TEST(IntelliChoice, PicksTheCounterpartOnTheOtherLevel) {
    const struct {
        const char* what;
        const char* source;
        std::vector<std::string> candidates;
        std::optional<std::size_t> expected;
    } cases[] = {
        {"mark before", "S248", {"Both", "高架S124", "高架S248"}, 2},
        {"mark after", "S124", {"Both", "S124高架"}, 1},
        {"mark before with a blank", "S124", {"Both", "高架 S124"}, 1},
        {"mark taken off the front", "高架S248", {"S124", "S248"}, 1},
        {"mark taken off the end", "S124高架", {"S248", "S124"}, 1},
        {"padded names", "S248   ", {"S124", "高架S248  "}, 1},
        {"same name: a type for both levels", "Both", {"S124", "Both"}, 1},
        {"counterpart before same name", "S248", {"S248", "高架S248"}, 1},
        {"no counterpart: the first", "S248", {"X", "Y"}, 0},
        {"the mark alone is no name", "高架", {"X", "高架"}, 1},
        {"no candidates", "S248", {}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IntelliChoice(c.source, c.candidates), c.expected) << c.what;
}

} // namespace
} // namespace ferrovane::editor
