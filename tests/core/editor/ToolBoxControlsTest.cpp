#include <gtest/gtest.h>

#include "core/app/board/ToolBoxControls.h"
#include "core/commands/workspace/ToolBoxState.h"
#include "core/commands/workspace/Workspace.h"
#include "support/FakeUiHost.h"

namespace ferrovane::editor {
namespace {

using F = ButtonFace;

TEST(ToolBoxControlsTest, KindFacesChosenSunkenHoveredRaised) {
    const struct {
        int chosen, hovered; // hovered -1: the pointer is elsewhere
        std::array<F, 6> faces;
    } cases[] = {
        {0, -1, {F::Sunken, F::Flat, F::Flat, F::Flat, F::Flat, F::Flat}},
        {0, 3, {F::Sunken, F::Flat, F::Flat, F::Raised, F::Flat, F::Flat}},
        {5, 5, {F::Flat, F::Flat, F::Flat, F::Flat, F::Flat, F::Sunken}},
        {2, 11, {F::Flat, F::Flat, F::Sunken, F::Flat, F::Flat, F::Flat}},
    };
    for (const auto& c : cases) {
        testing::FakeUiHost host;
        app::Workspace ws(host);
        ws.ToolBox.ObjectIndex = static_cast<PieceKind>(c.chosen);
        ws.ToolBox.ButtonId = static_cast<std::int16_t>(c.hovered);
        EXPECT_EQ(KindButtonFaces(ws.ToolBox, ComputeButtonLook(ws)), c.faces)
            << c.chosen << " " << c.hovered;
    }
}

TEST(ToolBoxControlsTest, CurrentRowFollowsTheChosenPieceOfTheKind) {
    using T = RailListEntry::Type;
    const std::vector<RailListEntry> types = {
        {T::CatalogueType, "a", 0}, {T::CatalogueType, "c", 2}, {T::CatalogueType, "u", 5}};
    const std::vector<RailListEntry> boxes = {{T::RailBox, "x", 0}, {T::RailBox, "y", 7}};
    const std::vector<RailListEntry> commands = {{T::Command, "f", 0, ToolCommand::FlexibleRail}};
    EditorState e;
    e.SelStraight = 2;
    e.SelCurve = 1; // not listed in this mode: the first row
    e.SelPoint = 5;
    e.SelBox = 7;
    EXPECT_EQ(CurrentRailListRow(e, PieceKind::Straight, types), 1);
    EXPECT_EQ(CurrentRailListRow(e, PieceKind::Curve, types), 0);
    EXPECT_EQ(CurrentRailListRow(e, PieceKind::Point, types), 2);
    EXPECT_EQ(CurrentRailListRow(e, PieceKind::RailBox, boxes), 1);
    EXPECT_EQ(CurrentRailListRow(e, PieceKind::Flexible, commands), -1);
    EXPECT_EQ(CurrentRailListRow(e, PieceKind::Straight, {}), -1);
}

TEST(ToolBoxControlsTest, ExecuteRunsOnlyACommandAndLabelHoverClearsTheButton) {
    testing::FakeUiHost host;
    app::Workspace ws(host);
    ws.ToolBox.ObjectIndex = PieceKind::Object;
    const RailListEntry del{RailListEntry::Type::Command, "d", 0, ToolCommand::Delete};
    const RailListEntry note{RailListEntry::Type::Note, "n"};
    EXPECT_EQ(RunListedCommand(ws, &del), ToolCommand::Delete);
    EXPECT_EQ(ws.ToolBox.ButtonId, ButtonExecute1 + ButtonClicked);
    EXPECT_EQ(RunListedCommand(ws, &note), ToolCommand::None);
    EXPECT_EQ(RunListedCommand(ws, nullptr), ToolCommand::None);
    EXPECT_FALSE(ChoosesOnStep(del));

    // Back on a button after a label, the button's text is shown again.
    ButtonLook look;
    ws.ToolBox.ButtonId = 1;
    RefreshToolButtons(ws, look);
    PointerOverToolBoxText(ws, HoverLength2(), look);
    EXPECT_EQ(host.StatusTexts.back(), HoverLength2());
    ws.ToolBox.ButtonId = 1;
    EXPECT_TRUE(RefreshToolButtons(ws, look));
    EXPECT_EQ(host.StatusTexts.back(), "曲線レールを作成します");
}

} // namespace
} // namespace ferrovane::editor
