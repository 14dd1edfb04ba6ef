#include <gtest/gtest.h>

#include "core/app/board/RailAbout.h"
#include "core/app/board/RailList.h"
#include "core/app/board/ToolBoxButtons.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/format/ListDirected.h"
#include "support/CatalogueFixtures.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"

namespace ferrovane::editor {
namespace {

TEST(ToolBoxButtonsTest, SameButtonTwiceDrawsOnceAndRulerStaysSunken) {
    testing::FakeUiHost host;
    app::Workspace ws(host);
    ButtonLook look;
    ToggleRulerTool(ws);
    EXPECT_EQ(ws.Editor.AStatus, EditorMode::RulerArmed);
    ws.ToolBox.ButtonId = ButtonRuler; // the pointer rests on the ruler button
    EXPECT_TRUE(RefreshToolButtons(ws, look));
    EXPECT_EQ(look.Ruler, ButtonFace::Sunken);
    EXPECT_EQ(host.StatusTexts.back(), "2点間の距離を測ります");
    EXPECT_FALSE(RefreshToolButtons(ws, look));
    EXPECT_EQ(host.StatusTexts.size(), 1u);

    // Hovering a kind button shows its icon raised.
    ws.ToolBox.ButtonId = 2;
    EXPECT_TRUE(RefreshToolButtons(ws, look));
    EXPECT_EQ(look.ObjectIcon, 2);
    EXPECT_EQ(look.Object, ButtonFace::Raised);
    EXPECT_EQ(look.Ruler, ButtonFace::Sunken);
    // Off the buttons: the status line shows the pointer position.
    ws.ToolBox.ButtonId = ButtonNone;
    ws.Editor.MouseX = 12.5f; // half to even
    ws.Editor.MouseY = 7;
    EXPECT_TRUE(RefreshToolButtons(ws, look));
    EXPECT_EQ(host.StatusTexts.back(), "(12,7)");
    EXPECT_EQ(look.Object, ButtonFace::Sunken);
}

TEST(ToolBoxButtonsTest, ToolButtonsToggleModes) {
    testing::FakeUiHost host;
    app::Workspace ws(host);
    ToggleRangeSelectTool(ws);
    EXPECT_EQ(ws.Editor.AStatus, EditorMode::RangeArmed);
    EXPECT_EQ(ws.ToolBox.ButtonId, 181);
    EXPECT_EQ(ComputeButtonLook(ws).Arrow, ButtonFace::Sunken);
    ToggleRulerTool(ws); // only from mode 0 does the ruler arm
    EXPECT_EQ(ws.Editor.AStatus, EditorMode::Place);
    ToggleRangeSelectTool(ws);
    ToggleRangeSelectTool(ws);
    EXPECT_EQ(ws.Editor.AStatus, EditorMode::Place);
    ToggleUpperMode(ws);
    EXPECT_TRUE(ws.Editor.IsUpperMode);
    EXPECT_EQ(ws.ToolBox.ButtonId, 121);
    ToggleRailAboutDisplay(ws);
    EXPECT_TRUE(ws.ToolBox.IsRailAboutOn);
    EXPECT_EQ(ws.ToolBox.ButtonId, 111);
    ToggleLargeToolBox(ws);
    EXPECT_FALSE(ws.Settings.LargeToolBox);
    ChooseKindButton(ws, 4);
    EXPECT_EQ(ws.ToolBox.ObjectIndex, PieceKind::Object);
    EXPECT_EQ(ws.ToolBox.ButtonId, 104);
    ChooseKindButton(ws, 6); // no such button
    EXPECT_EQ(ws.ToolBox.ObjectIndex, PieceKind::Object);
}

TEST(RailListTest, KindsListTheirEntriesAndSetTheBoardMode) {
    testing::FakeUiHost host;
    app::Workspace ws(host);
    ASSERT_EQ(catalogue::ReadCatalogue(ws, std::string(FERROVANE_CATALOGUE_DIR) + "/n-33mm.rtr"),
              catalogue::CatalogueReadStatus::Loaded);
    for (int kind = 0; kind <= 2; ++kind) {
        ws.ToolBox.ObjectIndex = static_cast<PieceKind>(kind);
        ws.Editor.AStatus = EditorMode::NotPlaceable;
        const auto list = FillRailList(ws);
        EXPECT_EQ(ws.Editor.AStatus, EditorMode::Place);
        ASSERT_GE(list.size(), 2u) << kind;
        EXPECT_EQ(list.back().Text, "ユーザーレール") << kind;
        for (const auto& e : list)
            EXPECT_EQ(e.EntryType, RailListEntry::Type::CatalogueType);
    }
    ws.ToolBox.ObjectIndex = PieceKind::Flexible;
    auto list = FillRailList(ws);
    EXPECT_EQ(ws.Editor.AStatus, EditorMode::NotPlaceable);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Text, "フレキシブルレール");
    ws.ToolBox.ObjectIndex = PieceKind::Object;
    list = FillRailList(ws);
    EXPECT_EQ(ws.Editor.AStatus, EditorMode::NotPlaceable);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[2].Text, "レールや文字の削除");
    EXPECT_EQ(ChooseRailListEntry(ws, list[2]).Command, ToolCommand::Delete);

    // Choosing a curve makes it the piece to place and shows its dimensions.
    ws.ToolBox.ObjectIndex = PieceKind::Curve;
    list = FillRailList(ws);
    const auto& t = ws.Catalogue.CurveTypes[static_cast<std::size_t>(list[0].Index)];
    const auto choice = ChooseRailListEntry(ws, list[0]);
    EXPECT_EQ(ws.Editor.PlaceKind, PieceKind::Curve);
    EXPECT_EQ(ws.Editor.SelCurve, list[0].Index);
    EXPECT_EQ(choice.Labels.Radius, document::FormatSingle(t.Radius));
    EXPECT_EQ(choice.Labels.Angle, document::FormatSingle(t.Angle) + "度");
}

TEST(RailListTest, ElevatedModeAndEmptyRailBoxes) {
    testing::CatalogueWorkspace t;
    auto& types = t.Ws.Catalogue.StraightTypes;
    types[0].Level = 0;
    types[1].Level = 1;
    types[2].Level = 2;
    types.push_back(catalogue::RType{"ユーザーレール", 0, 0, 0, 0, 0, 2, 0, -1});
    t.Ws.Catalogue.StraightTypeMax = 3;
    auto names = [&] {
        std::string s;
        for (const auto& e : RailListFor(t.Ws, PieceKind::Straight))
            s += e.Text + ",";
        return s;
    };
    EXPECT_EQ(names(), "S248,S100,ユーザーレール,");
    t.Ws.Editor.IsUpperMode = true;
    EXPECT_EQ(names(), "S124,S100,ユーザーレール,");

    const auto boxes = RailListFor(t.Ws, PieceKind::RailBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "レール箱にはレールがありません。");
    EXPECT_EQ(boxes[0].EntryType, RailListEntry::Type::Note);
}

TEST(RailAboutTest, LinesOfAPieceAndOfAJoinedEnd) {
    model::Rail r = testing::layouts::Straight(7, 100, 200, 248);
    r.Name = "S248";
    r.Angle0 = 270;
    r.Angle1 = 90.25f;
    r.MidX = 224;
    r.MidY = 200.04f;
    r.Free0 = false;
    r.Link0 = 3;
    r.Free1 = true;
    r.Color = 0x80;
    std::array<bool, 16> all{};
    all.fill(true);
    const auto about = RailAboutFor(r, all);
    const std::vector<std::string> expected = {
        "名前      : S248 (7)",
        "長さ      : 248",
        "半径      : 0",
        "角度      : 0",
        "傾き(始点): 270",
        "傾き(終点): 90.2",
        "中心位置  : (224.0, 200.0)",
        "端位置(1) : (100.0, 200.0)",
        "端位置(2) : (348.0, 200.0)",
        "隣番号(1) : 3",
        "隣番号(2) : なし",
    };
    EXPECT_EQ(about.Lines, expected);
    EXPECT_EQ(about.Color, 0x80);

    std::array<bool, 16> some{};
    some[0] = some[10] = true;
    EXPECT_EQ(RailAboutFor(r, some).Lines,
              (std::vector<std::string>{"名前      : S248 (7)", "隣番号(2) : なし"}));
}

TEST(RailAboutTest, NothingUnderThePointerKeepsThePanel) {
    testing::FakeUiHost host;
    app::Workspace ws(host);
    ws.Layout.AppendRail() = testing::layouts::Straight(1, 0, 0, 100);
    ws.Editor.PointedRail = -1;
    EXPECT_FALSE(ShowAbout(ws).has_value());
    ws.Editor.PointedRail = 1;
    ASSERT_TRUE(ShowAbout(ws).has_value());
    ws.Editor.PointedRail = 5; // beyond the array
    EXPECT_FALSE(ShowAbout(ws).has_value());
}

} // namespace
} // namespace ferrovane::editor
