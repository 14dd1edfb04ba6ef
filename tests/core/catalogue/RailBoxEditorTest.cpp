#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/commands/catalogue/RailBoxEditor.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/edit/Selection.h"
#include "core/commands/placement/RailBoxPlacement.h"
#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/editor/EditFixture.h"

namespace ferrovane::catalogue {
namespace {

using testing::BuildEditLayout;
using testing::CatalogueWorkspace;

std::vector<std::string> Names(const Catalogue& c) {
    std::vector<std::string> names;
    for (const RailBoxEntry& e : RailBoxEntries(c))
        names.push_back(e.Name + "/" + std::to_string(e.Members));
    return names;
}

TEST(RailBoxEditor, NamesAreCheckedAgainstLengthQuotesTheClipboardAndOtherBoxes) {
    CatalogueWorkspace t;
    BuildEditLayout(t); // holds the box "Loop3" at header 0
    const std::string longest(MaxRailBoxNameLength - 1, 'a');
    const struct {
        std::string Name;
        int Renamed;
        bool Refused;
    } cases[] = {
        {"Yard", -1, false},       {"", -1, true},           {longest, -1, false},
        {longest + "a", -1, true}, {"say \"hi\"", -1, true}, {ClipRailBoxName, -1, true},
        {"Loop3", -1, true},       {"Loop3", 0, false}, // a box may keep its own name
        {"駅構内", -1, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RailBoxNameProblem(t.Ws.Catalogue, c.Name, c.Renamed).has_value(), c.Refused)
            << c.Name;
}

TEST(RailBoxEditor, ASelectionBecomesANamedBoxBeforeTheClipboardAndIsLaidAgain) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    editor::ToggleSelection(t.Ws, 4);
    editor::CopySelection(t.Ws); // the clipboard box exists and must stay last
    editor::ClearSelection(t.Ws.Editor);
    for (int n : {1, 2, 3, 8}) // straight, curve, point, label: the point and label are left out
        editor::ToggleSelection(t.Ws, n);
    t.Host.TextAnswers.push_back(std::string("  Throat  "));
    ASSERT_TRUE(MakeRailBoxFromSelection(t.Ws));
    EXPECT_EQ(
        Names(t.Ws.Catalogue),
        (std::vector<std::string>{"Loop3/3", "Throat/2", std::string(ClipRailBoxName) + "/1"}));
    EXPECT_EQ(editor::FindClipRail(t.Ws.Catalogue), 7) << "the clipboard box still pastes";
    EXPECT_GE(t.Host.RailListRefreshes, 1);

    // Laid again somewhere else, the two pieces keep their shapes and their distance.
    const int header = RailBoxEntries(t.Ws.Catalogue)[1].Header;
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(header);
    t.Ws.Editor.MouseX = 5000, t.Ws.Editor.MouseY = 5000;
    const int first = t.Layout().RailCount + 1;
    geometry::PlaceRailBox(t.Ws, 0, 0, false);
    ASSERT_EQ(t.Layout().RailCount, first + 1) << "two rails, not grouped, as pasted ones";
    const auto distance = [](const model::Rail& a, const model::Rail& b) {
        return std::hypot(a.MidX - b.MidX, a.MidY - b.MidY);
    };
    const model::Rail& straight = t.Rail(first);
    const model::Rail& curve = t.Rail(first + 1);
    EXPECT_EQ(straight.Length, t.Rail(1).Length);
    EXPECT_EQ(curve.Radius, t.Rail(2).Radius);
    EXPECT_NEAR(distance(straight, curve), distance(t.Rail(1), t.Rail(2)), 0.05);
}

TEST(RailBoxEditor, MakingABoxNeedsAStraightOrCurveAndAName) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    const auto before = t.Ws.Catalogue.RailBoxRails;
    editor::ToggleSelection(t.Ws, 3); // a point only
    EXPECT_FALSE(MakeRailBoxFromSelection(t.Ws));
    ASSERT_EQ(t.Host.Messages.size(), 1u);
    EXPECT_EQ(t.Host.Messages[0].Title, RailBoxEditorTitle());
    editor::ToggleSelection(t.Ws, 1);
    t.Host.TextAnswers.push_back(std::nullopt); // the name question cancelled
    EXPECT_FALSE(MakeRailBoxFromSelection(t.Ws));
    t.Host.TextAnswers.push_back(std::string("Loop3")); // taken
    EXPECT_FALSE(MakeRailBoxFromSelection(t.Ws));
    EXPECT_EQ(t.Host.Messages.size(), 2u);
    EXPECT_EQ(t.Ws.Catalogue.RailBoxRails, before);
}

TEST(RailBoxEditor, DeleteAndRenameKeepTheChosenBoxChosen) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    const int second = t.AddBox("Siding", {testing::Member(0, 100, 0, true, true, false, 0, 0, 0)});
    t.Ws.Editor.SelBox = static_cast<std::int16_t>(second);

    t.Host.Answers.push_back(platform::Answer::No);
    EXPECT_FALSE(DeleteRailBox(t.Ws, 0));
    EXPECT_EQ(Names(t.Ws.Catalogue), (std::vector<std::string>{"Loop3/3", "Siding/1"}));

    t.Host.TextAnswers.push_back(std::string("Spur"));
    ASSERT_TRUE(RenameRailBox(t.Ws, second));
    EXPECT_EQ(t.Ws.Editor.SelBox, second);

    t.Host.Answers.push_back(platform::Answer::Yes);
    ASSERT_TRUE(DeleteRailBox(t.Ws, 0));
    EXPECT_EQ(Names(t.Ws.Catalogue), (std::vector<std::string>{"Spur/1"}));
    EXPECT_EQ(t.Ws.Editor.SelBox, 0) << "Spur moved to the front and stays chosen";
    const RailBoxRail& head = t.Ws.Catalogue.RailBoxRails[0];
    EXPECT_EQ(head.BoxStart, 0);
    EXPECT_EQ(head.BoxHigh, 1);
    EXPECT_EQ(t.Ws.Catalogue.RailBoxRailMax, 1);
}

TEST(RailBoxEditor, ClosingAsksOnlyAfterChangesAndNoPutsTheBoxesBack) {
    CatalogueWorkspace t;
    BuildEditLayout(t);
    const Catalogue opened = t.Ws.Catalogue;
    EXPECT_TRUE(CloseRailBoxEditor(t.Ws, opened));
    EXPECT_TRUE(t.Host.Messages.empty());

    t.Host.TextAnswers.push_back(std::string("Renamed"));
    ASSERT_TRUE(RenameRailBox(t.Ws, 0));
    t.Host.Answers.push_back(platform::Answer::Cancel);
    EXPECT_FALSE(CloseRailBoxEditor(t.Ws, opened));
    EXPECT_EQ(Names(t.Ws.Catalogue)[0], "Renamed/3");
    t.Host.Answers.push_back(platform::Answer::No);
    EXPECT_TRUE(CloseRailBoxEditor(t.Ws, opened));
    EXPECT_EQ(t.Ws.Catalogue.RailBoxRails, opened.RailBoxRails);
    EXPECT_EQ(t.Host.Messages.back().Text, "変更を保存しますか?");

    // Yes writes the catalogue file.
    const auto path = std::filesystem::temp_directory_path() / "ferrovane-railbox-editor.rtr";
    std::filesystem::remove(path);
    t.Ws.Catalogue.RTypeFileName = path.string();
    t.Host.TextAnswers.push_back(std::string("Kept"));
    ASSERT_TRUE(RenameRailBox(t.Ws, 0));
    t.Host.Answers.push_back(platform::Answer::Yes);
    EXPECT_TRUE(CloseRailBoxEditor(t.Ws, opened));
    EXPECT_TRUE(std::filesystem::exists(path));
    std::filesystem::remove(path);
}

} // namespace
} // namespace ferrovane::catalogue
