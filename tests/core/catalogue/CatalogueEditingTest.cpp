#include <gtest/gtest.h>

#include "core/commands/catalogue/CatalogueEditor.h"
#include "core/commands/catalogue/UserRailMaker.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueEditing.h"
#include "core/values/format/ListDirected.h"
#include "core/values/model/Layout.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"

namespace ferrovane::catalogue {
namespace {

using platform::Answer;

RType Entry(const std::string& name, float length, std::int32_t colour, std::int16_t kind) {
    RType t;
    t.Name = name;
    t.Length = length;
    t.Radius = length;
    t.Color = colour;
    t.Kind = kind;
    return t;
}

Catalogue Sample() {
    Catalogue c = EmptyCatalogue(128);
    c.StraightTypes = {Entry("A", 1, 1, 0), Entry("B", 2, 2, 0), Entry("C", 3, 3, 0),
                       Entry(UserRailName, 100, 77, 0)};
    c.StraightTypes[3].IsUserRail = -1;
    c.StraightTypeMax = 3;
    c.CurveTypes.clear();
    for (int i = 0; i < 20; ++i) {
        std::string name(1, 'R');
        name += std::to_string(i);
        c.CurveTypes.push_back(Entry(name, 100, 0, 1));
    }
    c.CurveTypeMax = 19;
    return c;
}

TEST(CatalogueEditing, AddPutsNewRailBeforeTheMovedUserSlot) {
    Catalogue c = Sample();
    EXPECT_EQ(AddRType(c, 0), 3);
    ASSERT_EQ(c.StraightTypeMax, 4);
    ASSERT_EQ(c.StraightTypes.size(), 5u);
    EXPECT_EQ(c.StraightTypes[3].Name, "新規レール");
    EXPECT_EQ(c.StraightTypes[3].Length, 100);
    EXPECT_EQ(c.StraightTypes[3].IsUserRail, 0);
    EXPECT_EQ(c.StraightTypes[4].Name, UserRailName);
    EXPECT_EQ(c.StraightTypes[4].Color, 77) << "the user rail keeps its colour";
    EXPECT_EQ(AddRType(c, 1), 19);
    EXPECT_EQ(c.CurveTypes[19].Radius, 100);
    EXPECT_EQ(AddRType(c, 7), -1);
}

TEST(CatalogueEditing, DeleteAsksAndNeverTakesTheUserSlot) {
    testing::FakeUiHost host;
    Catalogue c = Sample();
    host.Answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(DeleteRType(host, c, 0, 1));
    EXPECT_EQ(c.StraightTypeMax, 3);
    EXPECT_TRUE(DeleteRType(host, c, 0, 1));
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Text, "本当に削除しても良いですか?");
    EXPECT_EQ(host.Messages[0].Title, "レール削除");
    EXPECT_EQ(c.StraightTypeMax, 2);
    EXPECT_EQ(c.StraightTypes[1].Name, "C");
    EXPECT_EQ(c.StraightTypes.size(), 3u);
    EXPECT_FALSE(DeleteRType(host, c, 0, 2)) << "the user-rail slot";
    EXPECT_EQ(host.Messages.size(), 2u);
}

TEST(CatalogueEditing, RenameEmptyKeepsNameAndTextIsStoredAsWritten) {
    testing::FakeUiHost host;
    Catalogue c = Sample();
    host.TextAnswers = {std::string(), std::nullopt, std::string("x\"y\r\nz"),
                        std::string(101, 'n'), std::string(100, 'n')};
    EXPECT_FALSE(RenameRType(host, c, 0, 0));
    EXPECT_FALSE(RenameRType(host, c, 0, 0));
    EXPECT_EQ(c.StraightTypes[0].Name, "A");
    EXPECT_EQ(host.Prompts[0], "｢A｣ に対応する新しいレール名を記入して下さい");
    EXPECT_EQ(host.InputTitles[0], "レール名の変更");
    EXPECT_TRUE(RenameRType(host, c, 0, 0));
    EXPECT_EQ(c.StraightTypes[0].Name, document::SanitizeFileText("x\"y\r\nz"));
    EXPECT_EQ(c.StraightTypes[0].Name.find('"'), std::string::npos);
    EXPECT_FALSE(RenameRType(host, c, 0, 0)) << "101 characters could not be read back";
    EXPECT_EQ(host.Messages.back().Text, "レール名が100文字を越えては行けません");
    EXPECT_TRUE(RenameRType(host, c, 0, 0));
}

TEST(CatalogueEditing, AutomaticColoursCycleThePalette) {
    testing::FakeUiHost host;
    Catalogue c = Sample();
    host.Answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(AutoColourRTypes(host, c, 1));
    EXPECT_EQ(c.CurveTypes[3].Color, 0);
    EXPECT_TRUE(AutoColourRTypes(host, c, 1));
    EXPECT_EQ(host.Messages[1].Title, "レール色自動設定");
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(c.CurveTypes[static_cast<std::size_t>(i)].Color, StandardPalette[i % 16]) << i;
    EXPECT_EQ(c.CurveTypes[0].Color, c.CurveTypes[16].Color);
    EXPECT_EQ(c.StraightTypes[0].Color, 1) << "other kinds untouched";
}

TEST(CatalogueEditing, ApplyColoursUsesTheLastEntryOfAName) {
    testing::FakeUiHost host;
    Catalogue c = Sample();
    c.StraightTypes[2].Name = " A ";
    model::Layout layout = testing::layouts::StraightRow(3);
    layout.Rails[1].Name = "A";
    layout.Rails[2].Name = "B  ";
    layout.Rails[3].Name = "A";
    layout.Rails[3].Kind = model::KindBoxHeadStraight; // not a catalogue piece
    host.Answers = {Answer::Yes};
    EXPECT_EQ(ApplyCatalogueColours(host, c, layout), 2);
    EXPECT_EQ(host.Messages[0].Text, "現在のレイアウトのレール色が変更されます。続行しますか?");
    EXPECT_EQ(layout.Rails[1].Color, 3);
    EXPECT_EQ(layout.Rails[2].Color, 2);
    EXPECT_EQ(layout.Rails[3].Color, 0);
    EXPECT_TRUE(layout.Modified);
}

TEST(CatalogueEditing, RegisterStoresTheFieldsOfTheKind) {
    Catalogue c = Sample();
    c.PointTypes = {Entry("P", 1, 0, 2), Entry(UserRailName, 100, 0, 2)};
    c.PointTypeMax = 1;
    RTypeFields f{140, 481, 15, 0x112233, true, true, 2};
    EXPECT_TRUE(RegisterRType(c, 2, 0, f));
    EXPECT_EQ(c.PointTypes[0].Length, -140);
    EXPECT_TRUE(c.PointTypes[0].IsCurvedPoint());
    EXPECT_EQ(c.PointTypes[0].Hand, -1);
    EXPECT_EQ(c.PointTypes[0].Level, 2);
    EXPECT_TRUE(RegisterRType(c, 0, 1, f));
    EXPECT_EQ(c.StraightTypes[1].Length, 140);
    EXPECT_EQ(c.StraightTypes[1].Radius, 2) << "a straight has no radius to register";
    EXPECT_FALSE(RegisterRType(c, 0, 4, f));
}

TEST(CatalogueEditor, OpenDropsClipboardCloseNamesUserSlotsAndWrites) {
    testing::FakeUiHost host;
    app::Workspace ws{host};
    ws.Catalogue = Sample();
    testing::layouts::TempDir dir;
    ws.Catalogue.RTypeFileName = dir.File("c.rtr");
    ws.Layout = testing::layouts::StraightRow(1);
    ws.Editor.SelRailList = {1, 1};
    editor::CopySelection(ws);
    ASSERT_GE(editor::FindClipRail(ws.Catalogue), 0);
    OpenCatalogueEditor(ws);
    EXPECT_EQ(ws.Editor.AStatus, model::EditorMode::CatalogueEditor);
    EXPECT_EQ(editor::FindClipRail(ws.Catalogue), -1);
    AddRType(ws.Catalogue, 0);
    EXPECT_TRUE(CloseCatalogueEditor(ws));
    EXPECT_EQ(ws.Editor.AStatus, model::EditorMode::Place);
    EXPECT_EQ(ws.Catalogue.StraightTypes[4].Name, UserRailName);
    EXPECT_EQ(ws.Catalogue.CurveTypes[19].Name, UserRailName);
    EXPECT_NE(testing::layouts::ReadBytes(ws.Catalogue.RTypeFileName).find("ColorStraight:"),
              std::string::npos);
    EXPECT_GE(host.ToolBoxShows, 1);
}

TEST(UserRailMaker, CreateStoresIntoTheUserSlotOfTheKind) {
    testing::FakeUiHost host;
    app::Workspace ws{host};
    ws.Catalogue = Sample();
    ws.Catalogue.PointTypes = {Entry("P", 1, 0, 2), Entry(UserRailName, 100, 0, 2)};
    ws.Catalogue.PointTypeMax = 1;
    ws.Editor.PlaceKind = model::PieceKind::Point;
    EXPECT_TRUE(CreateUserRail(ws, {140, 300, 30, true, false}));
    EXPECT_EQ(ws.Catalogue.PointTypes[1].Length, -140);
    EXPECT_EQ(ws.Catalogue.PointTypes[1].Radius, 300);
    EXPECT_EQ(ws.Catalogue.PointTypes[1].Hand, 0);
    EXPECT_EQ(ws.Editor.SelPoint, 1);
    ws.Editor.PlaceKind = model::PieceKind::Straight;
    EXPECT_TRUE(CreateUserRail(ws, {55, 1, 1, false, false}));
    EXPECT_EQ(ws.Catalogue.StraightTypes[3].Length, 55);
    EXPECT_EQ(ws.Catalogue.StraightTypes[3].Radius, 100) << "a straight stores its length only";
    ws.Editor.PlaceKind = model::PieceKind::RailBox;
    EXPECT_FALSE(CreateUserRail(ws, {}));
    // Refused field values become 100.
    EXPECT_EQ(UserRailFieldValue(ws, "abc"), 100);
    EXPECT_EQ(UserRailFieldValue(ws, "0"), 100);
    EXPECT_EQ(UserRailFieldValue(ws, "42.5"), 42.5f);
}

} // namespace
} // namespace ferrovane::catalogue
