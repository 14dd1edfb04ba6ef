#include <gtest/gtest.h>

#include <algorithm>

#include "core/commands/edit/LayoutReset.h"
#include "core/commands/edit/LayoutSize.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/edit/StatusText.h"
#include "core/editor/EditFixture.h"
#include "support/LayoutFixtures.h"

namespace ferrovane::editor {
namespace {

using testing::CatalogueWorkspace;

TEST(Selection, ToggleKeepsRemovedSlotsAndResetsWhenEmpty) {
    CatalogueWorkspace t;
    ToggleSelection(t.Ws, 3);
    ToggleSelection(t.Ws, 5);
    ToggleSelection(t.Ws, 7);
    EXPECT_EQ(t.Ws.Editor.SelRailList[0], 3);
    ToggleSelection(t.Ws, 5);
    EXPECT_EQ(t.Ws.Editor.SelRailList[0], 3) << "the slot keeps a 0";
    EXPECT_EQ(t.Ws.Editor.SelRailList[2], 0);
    EXPECT_EQ(SelectedCount(t.Ws.Editor), 2);
    EXPECT_EQ(SelectedRails(t.Ws.Editor), (std::vector<int>{3, 7}));
    EXPECT_EQ(SelectionActionOrder(t.Ws.Editor), (std::vector<int>{7, 3}));
    ToggleSelection(t.Ws, 3);
    ToggleSelection(t.Ws, 7);
    EXPECT_EQ(t.Ws.Editor.SelRailList, (std::vector<std::int16_t>{0, 0}));
    EXPECT_EQ(t.Host.CCEnabled, (std::vector<bool>{true, true, true, false}));
    ToggleSelection(t.Ws, -1); // nothing under the pointer
    EXPECT_EQ(SelectionSlots(t.Ws.Editor), 0);
}

TEST(Selection, DamagedCountNeverReadsPastTheList) {
    EditorState e;
    e.SelRailList = {9, 4};
    EXPECT_EQ(SelectedRails(e), (std::vector<int>{4}));
    e.SelRailList.clear();
    EXPECT_EQ(SelectedCount(e), 0);
}

TEST(Selection, BoxTakesMiddlePointsStrictlyInside) {
    CatalogueWorkspace t;
    t.Layout() = testing::layouts::StraightRow(5); // middles at x = 150, 250, ..., 550
    model::RebuildRailIndex(t.Layout());
    t.Layout().Rails[4].Valid = false;
    model::RebuildRailIndex(t.Layout());
    const struct {
        std::int32_t MinX, MinY, MaxX, MaxY;
        std::vector<int> Rails;
    } cases[] = {
        {150, 400, 550, 600, {2, 3}}, // on the edge is outside; 4 is deleted
        {149, 400, 551, 600, {1, 2, 3, 5}},
        {0, 500, 1000, 600, {}}, // y = 500 on the edge
        {-100000, -100000, 100000, 100000, {1, 2, 3, 5}},
    };
    for (const auto& c : cases) {
        SelectRailsInBox(t.Layout(), t.Ws.Editor, c.MinX, c.MinY, c.MaxX, c.MaxY);
        auto got = SelectedRails(t.Ws.Editor);
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, c.Rails) << c.MinX << " " << c.MaxX;
        EXPECT_EQ(SelectionSlots(t.Ws.Editor), static_cast<int>(c.Rails.size()));
    }
}

TEST(StatusText, PointerPositionAndSelectionCount) {
    EditorState e;
    e.MouseX = 2.5f;
    e.MouseY = 3.5f;
    EXPECT_EQ(ComposeStatusText(e, "hint"), "hint");
    EXPECT_EQ(ComposeStatusText(e, ""), "(2,4)") << "halves round to even";
    e.SelRailList = {3, 4, 0, 9};
    EXPECT_EQ(ComposeStatusText(e, ""), "(2,4) - レールが複数選択されています (2個)");
    e.MouseX = 1e30f;
    e.MouseY = -1e30f;
    e.SelRailList = {0, 0};
    EXPECT_EQ(ComposeStatusText(e, ""), "(32767,-32768)");
}

TEST(LayoutSize, WholeNumbersFromZeroTo30000) {
    const struct {
        const char* Text;
        std::optional<int> Value;
    } cases[] = {{"30000", 30000},     {"30001", std::nullopt},  {"0", 0},
                 {"-1", std::nullopt}, {" 2500 ", 2500},         {"12.5", 12},
                 {"13.5", 14},         {"abc", std::nullopt},    {"", std::nullopt},
                 {"1e3", 1000},        {"0x10", std::nullopt},   {"nan", std::nullopt},
                 {"30000.4", 30000},   {"30000.6", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseLayoutSize(c.Text), c.Value) << c.Text;
}

TEST(LayoutReset, ForgetsJournalAndSelection) {
    CatalogueWorkspace t;
    t.Ws.Undo.Record(RailPlaced{1});
    ToggleSelection(t.Ws, 1);
    ForgetLayoutEdits(t.Ws);
    EXPECT_EQ(t.Ws.Undo.UndoCount(), 0);
    EXPECT_FALSE(t.Ws.Undo.MenuItem().Enabled);
    EXPECT_EQ(SelectionSlots(t.Ws.Editor), 0);
    EXPECT_FALSE(t.Host.CCEnabled.back());
}

} // namespace
} // namespace ferrovane::editor
