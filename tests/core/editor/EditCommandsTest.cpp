#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/MoveAll.h"
#include "core/commands/edit/PerformUndo.h"
#include "core/commands/edit/Recolour.h"
#include "core/commands/edit/RenameRail.h"
#include "core/commands/edit/Selection.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::editor {
namespace {

using testing::BuildEditLayout;
using testing::CatalogueWorkspace;
using testing::LabelFont;

void Select(CatalogueWorkspace& t, std::initializer_list<int> rails) {
    for (int n : rails)
        ToggleSelection(t.Ws, n);
}

struct CommandCase {
    const char* Name;
    std::function<void(CatalogueWorkspace&)> Act;
    const char* Label; // the undo menu item names the action
    std::function<void(CatalogueWorkspace&)> Check;
};

// Every edit command: its effect, what the undo menu item then offers, and that one undo
// brings back every field of every rail and the index.
TEST(EditCommands, EffectRecordsAndOneUndoRestoresEverything) {
    const std::vector<CommandCase> cases = {
        {"delete straight", [](CatalogueWorkspace& t) { EXPECT_TRUE(DeleteRailNo(t.Ws, 4)); },
         "削除",
         [](CatalogueWorkspace& t) {
             EXPECT_FALSE(t.Rail(4).Valid);
             EXPECT_TRUE(t.Rail(3).Free1);
         }},
        {"delete group head", [](CatalogueWorkspace& t) { DeleteRailNo(t.Ws, 5); }, "削除",
         [](CatalogueWorkspace& t) {
             for (int n = 5; n <= 7; ++n)
                 EXPECT_FALSE(t.Rail(n).Valid) << n;
             EXPECT_TRUE(t.Rail(8).Valid);
         }},
        {"delete selection",
         [](CatalogueWorkspace& t) {
             Select(t, {2, 4});
             EXPECT_EQ(DeleteSelection(t.Ws), 2);
         },
         "削除",
         [](CatalogueWorkspace& t) {
             EXPECT_EQ(SelectionSlots(t.Ws.Editor), 0);
             EXPECT_TRUE(t.Rail(1).Free1);
             EXPECT_TRUE(t.Rail(3).Free0);
         }},
        {"recolour rail", [](CatalogueWorkspace& t) { RecolourRail(t.Ws, 1, 0xABCDEF); },
         "レール色変更", [](CatalogueWorkspace& t) { EXPECT_EQ(t.Rail(1).Color, 0xABCDEF); }},
        {"recolour group", [](CatalogueWorkspace& t) { RecolourRail(t.Ws, 5, 7); }, "レール色変更",
         [](CatalogueWorkspace& t) {
             for (int n = 5; n <= 7; ++n)
                 EXPECT_EQ(t.Rail(n).Color, 7) << n;
         }},
        {"recolour selection",
         [](CatalogueWorkspace& t) {
             Select(t, {1, 8});
             EXPECT_EQ(RecolourSelection(t.Ws, 9), 2);
         },
         "レール色変更",
         [](CatalogueWorkspace& t) {
             EXPECT_EQ(t.Rail(1).Color, 9);
             EXPECT_EQ(t.Rail(8).Color, 9);
             EXPECT_EQ(SelectionSlots(t.Ws.Editor), 0);
         }},
        {"rename rail",
         [](CatalogueWorkspace& t) { EXPECT_TRUE(RenameRailTo(t.Ws, 1, "My \"S\"")); },
         "レール名変更", [](CatalogueWorkspace& t) { EXPECT_EQ(t.Rail(1).Name, "My ＂S＂"); }},
        {"rename group", [](CatalogueWorkspace& t) { RenameRailTo(t.Ws, 5, "Ring"); },
         "レール名変更",
         [](CatalogueWorkspace& t) {
             for (int n = 5; n <= 7; ++n)
                 EXPECT_EQ(t.Rail(n).Name, "Ring") << n;
         }},
        {"rename label", [](CatalogueWorkspace& t) { RenameRailTo(t.Ws, 8, "bye\nnow"); },
         "レール名変更",
         [](CatalogueWorkspace& t) {
             EXPECT_EQ(t.Rail(8).Name, std::string(LabelFont) + "bye now");
         }},
        {"elevate", [](CatalogueWorkspace& t) { EXPECT_TRUE(SetUpperRail(t.Ws, 1, "S248-U")); },
         "高架化",
         [](CatalogueWorkspace& t) {
             EXPECT_TRUE(t.Rail(1).Upper);
             EXPECT_EQ(t.Rail(1).Name, "S248-U");
             EXPECT_EQ(t.Rail(1).Color, 0x445566);
         }},
        {"elevate group", [](CatalogueWorkspace& t) { ElevateRail(t.Ws, 5, "Up", 3); }, "高架化",
         [](CatalogueWorkspace& t) {
             for (int n = 5; n <= 7; ++n)
                 EXPECT_TRUE(t.Rail(n).Upper) << n;
             EXPECT_EQ(t.Rail(6).Name, "Loop3");
         }},
        {"move all", [](CatalogueWorkspace& t) { MoveAll(t.Ws, 10.5f, -7.25f); }, "全体移動",
         [](CatalogueWorkspace& t) {
             EXPECT_EQ(t.Rail(8).C1X, 510.5f);
             EXPECT_EQ(t.Rail(8).MidY, 2002.75f);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        CatalogueWorkspace t;
        catalogue::RType up = t.Ws.Catalogue.StraightTypes[0];
        up.Name = "S248-U";
        up.Level = 1;
        up.Color = 0x445566;
        t.Ws.Catalogue.StraightTypes.insert(t.Ws.Catalogue.StraightTypes.begin() + 1, up);
        t.Ws.Catalogue.StraightTypeMax = 3;
        BuildEditLayout(t);
        ASSERT_TRUE(testing::LinksConsistent(t.Layout(), true));
        // Undo gives back the rails exactly, links of free ends included.
        const std::vector<model::Rail> rails = t.Layout().Rails;
        const auto before = testing::Snapshot(t.Layout());
        t.Ws.Undo.Record(RailPlaced{1}); // an earlier action undo must not reach
        c.Act(t);
        EXPECT_EQ(t.Ws.Undo.MenuItem(), (UndoMenuItem{true, std::string("元に戻す - ") + c.Label}));
        EXPECT_TRUE(t.Layout().Modified);
        c.Check(t);
        EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
        PerformUndo(t.Ws);
        EXPECT_EQ(t.Ws.Undo.UndoCount(), 1);
        testing::ExpectRestored(before, t.Layout());
        for (int n = 1; n <= t.Layout().RailCount; ++n)
            EXPECT_EQ(t.Layout().Rails[n], rails[n]) << "rail " << n;
    }
}

TEST(EditCommands, NothingHappensToRailsThatAreNotLive) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    ASSERT_TRUE(DeleteRailNo(t.Ws, 4));
    const auto rails = t.Layout().Rails;
    const auto count = t.Ws.Undo.UndoCount();
    // A second deletion would free rail 3's end again after it was given to a new rail.
    for (int n : {0, -1, 4, 99}) {
        EXPECT_FALSE(DeleteRailNo(t.Ws, n)) << n;
        EXPECT_FALSE(RecolourRail(t.Ws, n, 1)) << n;
        EXPECT_FALSE(ElevateRail(t.Ws, n, "x", 1)) << n;
        EXPECT_FALSE(RenameRailTo(t.Ws, n, "x")) << n;
    }
    EXPECT_EQ(t.Layout().Rails, rails);
    EXPECT_EQ(t.Ws.Undo.UndoCount(), count);
}

TEST(EditCommands, SelectionWithRemovedLastSlotStillStartsOneAction) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    Select(t, {1, 2, 3});
    ToggleSelection(t.Ws, 3); // the last slot now holds 0
    t.Ws.Undo.Record(RailPlaced{1});
    const auto before = testing::Snapshot(t.Layout());
    EXPECT_EQ(DeleteSelection(t.Ws), 2);
    PerformUndo(t.Ws);
    testing::ExpectRestored(before, t.Layout());
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 1) << "the earlier action stays";
}

TEST(EditCommands, DeletingAGroupMemberAndThenItsHeadUndoesStepByStep) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    const auto before = testing::Snapshot(t.Layout());
    ASSERT_TRUE(DeleteRailNo(t.Ws, 6));
    const auto memberGone = testing::Snapshot(t.Layout());
    ASSERT_TRUE(DeleteRailNo(t.Ws, 5));
    for (int n = 5; n <= 7; ++n)
        EXPECT_FALSE(t.Rail(n).Valid) << n;
    EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
    PerformUndo(t.Ws);
    testing::ExpectRestored(memberGone, t.Layout());
    PerformUndo(t.Ws);
    testing::ExpectRestored(before, t.Layout());
    EXPECT_TRUE(testing::LinksConsistent(t.Layout(), true));
}

TEST(Rename, QuestionsPerKindAndEmptyAnswer) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    t.Layout().Rails[1].Name = "S248  ";
    const struct {
        int Rail;
        const char* Title;
        const char* Prompt;
        std::string Initial;
    } cases[] = {
        {1, "レール名の変更", "新しいレール名を記入して下さい :", "S248"},
        {5, "レール箱名の変更", "新しいレール箱名を記入して下さい :", "Loop3"},
        {8, "文字の変更", "新しい文字列を指定して下さい :", "hello"},
    };
    for (const auto& c : cases) {
        t.Ws.Editor.PointedRail = static_cast<std::int16_t>(c.Rail);
        t.Host.TextAnswers.push_back(std::string());
        EXPECT_FALSE(ChangeRailName(t.Ws));
        ASSERT_FALSE(t.Host.InputTitles.empty());
        EXPECT_EQ(t.Host.InputTitles.back(), c.Title);
        EXPECT_EQ(t.Host.Prompts.back(), c.Prompt);
        EXPECT_EQ(t.Host.InputDefaults.back(), c.Initial);
    }
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 0);
    EXPECT_FALSE(t.Layout().Modified);
    // Group members are renamed only through their head.
    EXPECT_FALSE(RenameQuestionFor(t.Ws, 6).has_value());
}

TEST(Elevation, CandidatesFollowTheRailsLevel) {
    CatalogueWorkspace t;
    auto& types = t.Ws.Catalogue.StraightTypes;
    types[0].Level = 0;
    types[1].Level = 1;
    catalogue::RType both = types[0];
    both.Name = "Both";
    both.Level = 2;
    types.insert(types.begin() + 2, both);
    t.Ws.Catalogue.StraightTypeMax = 2;
    BuildEditLayout(t);
    EXPECT_EQ(ElevationCandidates(t.Ws, 1), (std::vector<std::string>{"S124", "Both"}));
    t.Layout().Rails[1].Upper = true;
    EXPECT_EQ(ElevationCandidates(t.Ws, 1), (std::vector<std::string>{"S248", "Both"}));
    EXPECT_TRUE(ElevationCandidates(t.Ws, 8).empty()) << "labels have no types";
}

} // namespace
} // namespace ferrovane::editor
