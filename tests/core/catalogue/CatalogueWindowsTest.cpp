// What the catalogue editor and the user rail maker decide for their windows.
#include <filesystem>

#include <gtest/gtest.h>

#include "core/app/board/RailList.h"
#include "core/app/board/ToolBoxControls.h"
#include "core/commands/catalogue/CatalogueEditor.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/catalogue/UserRailMaker.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueEditing.h"
#include "core/compute/catalogue/RTypeForm.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"

namespace ferrovane::catalogue {
namespace {

using platform::Answer;
namespace layouts = testing::layouts;

// A workspace over a copy of a bundled catalogue, with a straight on the board copied
// to the clipboard (the clipboard box lives in the catalogue).
struct EditorWorkspace {
    testing::FakeUiHost Host;
    app::Workspace Ws{Host};
    layouts::TempDir Dir;
    std::string Path = Dir.File("copy.rtr");
    std::string Bytes;

    EditorWorkspace() {
        std::filesystem::copy_file(std::string(FERROVANE_CATALOGUE_DIR) + "/n-33mm.rtr", Path);
        Bytes = layouts::ReadBytes(Path);
        EXPECT_EQ(ReadCatalogue(Ws, Path), CatalogueReadStatus::Loaded);
        Ws.Layout = layouts::StraightRow(1);
        Ws.Editor.SelRailList = {1, 1};
        editor::CopySelection(Ws);
        EXPECT_GE(editor::FindClipRail(Ws.Catalogue), 0);
        Host.Messages.clear();
        Host.RailListRefreshes = 0;
    }
};

TEST(CatalogueEditorClose, CloseBoxAsksOnlyAfterChangesAndNoPutsTheCatalogueBack) {
    struct Case {
        const char* what;
        bool edit;
        std::optional<Answer> answer; // nullopt: nothing is asked
        EditorCloseResult result;
        bool written;
    };
    const Case cases[] = {
        {"only looked", false, std::nullopt, EditorCloseResult::Discarded, false},
        {"edited, no", true, Answer::No, EditorCloseResult::Discarded, false},
        {"edited, cancel", true, Answer::Cancel, EditorCloseResult::StayOpen, false},
        {"edited, yes", true, Answer::Yes, EditorCloseResult::Saved, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditorWorkspace e;
        const Catalogue before = e.Ws.Catalogue;
        const auto session = OpenCatalogueEditor(e.Ws);
        EXPECT_EQ(e.Ws.Editor.AStatus, model::EditorMode::CatalogueEditor);
        if (c.edit) {
            AddRType(e.Ws.Catalogue, 0);
            e.Host.Answers = {Answer::Yes};
            ASSERT_TRUE(DeleteRType(e.Host, e.Ws.Catalogue, 2, 0));
            e.Host.Messages.clear();
        }
        if (c.answer) e.Host.Answers = {*c.answer};
        EXPECT_EQ(CloseCatalogueEditorByBox(e.Ws, session), c.result);
        if (c.answer) {
            ASSERT_EQ(e.Host.Messages.size(), 1u);
            EXPECT_EQ(e.Host.Messages[0].Text, "変更を保存しますか?");
            EXPECT_EQ(e.Host.Messages[0].Buttons, platform::MessageButtons::YesNoCancel);
        } else {
            EXPECT_TRUE(e.Host.Messages.empty());
        }
        EXPECT_EQ(layouts::ReadBytes(e.Path) != e.Bytes, c.written);
        if (c.result == EditorCloseResult::StayOpen) {
            EXPECT_EQ(e.Ws.Editor.AStatus, model::EditorMode::CatalogueEditor);
            EXPECT_NE(e.Ws.Catalogue, session.Opened) << "the edits are still there";
            continue;
        }
        EXPECT_EQ(e.Ws.Editor.AStatus, model::EditorMode::Place);
        EXPECT_GE(e.Host.RailListRefreshes, 1);
        if (c.result == EditorCloseResult::Discarded)
            EXPECT_EQ(e.Ws.Catalogue, before) << "exactly as before, the clipboard box too";
        else
            EXPECT_EQ(e.Ws.Catalogue.StraightTypeMax, before.StraightTypeMax + 1);
    }
}

TEST(CatalogueEditorClose, SavingAfterDeletesKeepsTheChosenPiecesInRange) {
    EditorWorkspace e;
    e.Ws.Editor.SelCurve = static_cast<std::int16_t>(e.Ws.Catalogue.CurveTypeMax - 1);
    OpenCatalogueEditor(e.Ws);
    e.Host.Answers = {Answer::Yes, Answer::Yes};
    ASSERT_TRUE(DeleteRType(e.Host, e.Ws.Catalogue, 1, 0));
    ASSERT_TRUE(DeleteRType(e.Host, e.Ws.Catalogue, 1, 0));
    e.Ws.Editor.SelCurve = 40;
    EXPECT_TRUE(CloseCatalogueEditor(e.Ws));
    EXPECT_EQ(e.Ws.Editor.SelCurve, e.Ws.Catalogue.CurveTypeMax);
    // What was written is what is read back.
    const Catalogue written = e.Ws.Catalogue;
    ASSERT_EQ(ReadCatalogue(e.Ws, e.Path), CatalogueReadStatus::Loaded);
    EXPECT_EQ(e.Ws.Catalogue.CurveTypes, written.CurveTypes);
}

TEST(ModalQuestion, LeavesTheToolBoxAsItFoundIt) {
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        testing::FakeUiHost host;
        if (!shown) host.HideToolBox();
        host.Answers = {Answer::Yes};
        EXPECT_EQ(platform::ShowModal(host, {"q", "t"}), Answer::Yes);
        EXPECT_EQ(host.IsToolBoxShown(), shown);
        ASSERT_EQ(host.Messages.size(), 1u);
        // Hidden for the question only when it was on the screen.
        EXPECT_EQ(host.ToolBoxShows, shown ? 1 : 0);
    }
}

TEST(RTypeForm, FieldsShownPerKind) {
    EXPECT_EQ(ShapeFieldsOf(0), (ShapeFieldsShown{true, false, false, false, false}));
    EXPECT_EQ(ShapeFieldsOf(1), (ShapeFieldsShown{false, true, true, false, false}));
    EXPECT_EQ(ShapeFieldsOf(2), (ShapeFieldsShown{true, true, true, true, true}));
    EXPECT_EQ(ShapeFieldsOf(3), ShapeFieldsShown{});
}

TEST(RTypeForm, UnregisteredChangesCountOnlyTheFieldsOfTheKind) {
    RType point;
    point.Kind = 2;
    point.Length = -140;
    point.Radius = 481;
    point.Angle = 15;
    point.Hand = -1;
    point.Color = 0x102030;
    point.Level = 2;
    const RTypeForm shown = FormOf(point, 2);
    EXPECT_EQ(shown.Length, "140");
    EXPECT_TRUE(shown.CurvePoint);
    EXPECT_TRUE(shown.LeftFacing);
    EXPECT_FALSE(HasUnregisteredChanges(shown, point, 2));

    struct Case {
        const char* what;
        void (*change)(RTypeForm&);
        bool straight, curve, pointKind;
    };
    const Case cases[] = {
        {"same number", [](RTypeForm& f) { f.Radius = "481.0"; }, false, false, false},
        {"length", [](RTypeForm& f) { f.Length = "141"; }, true, false, true},
        {"radius", [](RTypeForm& f) { f.Radius = "480"; }, false, true, true},
        {"angle", [](RTypeForm& f) { f.Angle = "abc"; }, false, true, true},
        {"curve point", [](RTypeForm& f) { f.CurvePoint = false; }, false, false, true},
        {"hand", [](RTypeForm& f) { f.LeftFacing = false; }, false, false, true},
        {"colour", [](RTypeForm& f) { f.Color = 1; }, true, true, true},
        {"level", [](RTypeForm& f) { f.Level = 0; }, true, true, true},
    };
    for (const Case& c : cases) {
        RTypeForm form = shown;
        c.change(form);
        EXPECT_EQ(HasUnregisteredChanges(form, point, 0), c.straight) << c.what;
        EXPECT_EQ(HasUnregisteredChanges(form, point, 1), c.curve) << c.what;
        EXPECT_EQ(HasUnregisteredChanges(form, point, 2), c.pointKind) << c.what;
    }
}

TEST(RTypeForm, RegisterTakesTheFormOrNothing) {
    Catalogue c;
    c.PointTypes = {RType{}, RType{}};
    c.PointTypeMax = 1;
    RTypeForm form{"140", "481", "15", 0x445566, true, false, 1};
    const auto fields = FieldsOf(form, 2);
    ASSERT_TRUE(fields);
    ASSERT_TRUE(RegisterRType(c, 2, 0, *fields));
    EXPECT_EQ(c.PointTypes[0].Length, -140);
    EXPECT_EQ(c.PointTypes[0].Hand, 0);
    EXPECT_EQ(c.PointTypes[0].Level, 1);
    EXPECT_EQ(FormOf(c.PointTypes[0], 2), form) << "shown again as it was typed";
    const RTypeForm asCurve = FormOf(c.PointTypes[0], 1);
    EXPECT_EQ(asCurve.Length, "") << "a box the kind does not carry stays empty";
    EXPECT_FALSE(asCurve.CurvePoint);
    EXPECT_EQ(asCurve.Radius, "481");
    form.Radius = "x";
    EXPECT_FALSE(FieldsOf(form, 2));
    EXPECT_TRUE(FieldsOf(form, 0)) << "a straight has no radius box";
}

TEST(RTypeForm, ChecksAndQuestionsOfTheFields) {
    testing::FakeUiHost host;
    EXPECT_EQ(CheckedFieldText(host, "12.5", "100"), "12.5");
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(CheckedFieldText(host, "abc", "100"), "100");
    EXPECT_EQ(CheckedFieldText(host, "0", "45"), "45");
    ASSERT_EQ(host.Messages.size(), 2u);
    EXPECT_EQ(host.Messages[0].Text, "数値を代入して下さい!");
    EXPECT_EQ(host.Messages[1].Text, "0より上の数値を代入して下さい!!");

    host.Answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(ConfirmDiscardChanges(host));
    EXPECT_TRUE(ConfirmDiscardChanges(host));
    EXPECT_EQ(host.Messages[2].Text, "変更を放棄しますか?");
    EXPECT_EQ(host.Messages[2].Title, "確認");
    EXPECT_EQ(host.Messages[2].Buttons, platform::MessageButtons::YesNo);

    EXPECT_EQ(AngleScrollPosition("22.5"), 23);
    EXPECT_EQ(AngleScrollPosition("400"), AngleScrollMax);
    EXPECT_EQ(AngleScrollPosition("-3"), AngleScrollMin);
    EXPECT_EQ(AngleScrollPosition(""), std::nullopt);
    EXPECT_EQ(AngleLabelText("45"), "45 度");
    EXPECT_EQ(AngleLabelText(""), "");
}

TEST(UserRailMaker, RefusedValuesBecome100AndHiddenFieldsAreNotChecked) {
    testing::FakeUiHost host;
    app::Workspace ws{host};
    ws.Editor.PlaceKind = model::PieceKind::Curve;
    const UserRailInput curve = UserRailInputFrom(ws, {"abc", "-5", "zz", true, true});
    EXPECT_EQ(curve.Radius, 100);
    EXPECT_EQ(curve.Angle, 100);
    EXPECT_FALSE(curve.CurvePoint) << "a curve has no curve-point box";
    EXPECT_EQ(host.Messages.size(), 2u) << "the hidden length box is not looked at";
    ws.Editor.PlaceKind = model::PieceKind::Point;
    const UserRailInput point = UserRailInputFrom(ws, {"140", "0", "15", true, true});
    EXPECT_EQ(point.Length, 140);
    EXPECT_EQ(point.Radius, 100);
    EXPECT_TRUE(point.CurvePoint);
    EXPECT_TRUE(point.LeftFacing);
}

TEST(UserRailMaker, CreateChoosesTheUserRailInTheToolBox) {
    EditorWorkspace e;
    app::Workspace& ws = e.Ws;
    // The tool box last showed the flexible rail; the piece to place is a point.
    ws.ToolBox.ObjectIndex = model::PieceKind::Flexible;
    ws.Editor.PlaceKind = model::PieceKind::Point;
    ws.Editor.IsUpperMode = true;
    const UserRailInput shown = UserRailInputOf(ws);
    EXPECT_EQ(shown.Length, 100) << "the user rail as the file left it";
    EXPECT_EQ(shown.Angle, 45);

    ASSERT_TRUE(CreateUserRail(ws, UserRailInputFrom(ws, {"140", "300", "22.5", true, true})));
    const int max = ws.Catalogue.PointTypeMax;
    const RType& user = ws.Catalogue.PointTypes[static_cast<std::size_t>(max)];
    EXPECT_EQ(user.Length, -140);
    EXPECT_TRUE(user.IsCurvedPoint());
    EXPECT_EQ(user.Hand, -1);
    EXPECT_EQ(ws.ToolBox.ObjectIndex, model::PieceKind::Point);
    EXPECT_EQ(ws.Editor.SelPoint, max);

    // What the tool box does when told to refill its list.
    const auto list = editor::FillRailList(ws);
    const int row = editor::CurrentRailListRow(ws.Editor, ws.ToolBox.ObjectIndex, list);
    ASSERT_EQ(row, static_cast<int>(list.size()) - 1) << "the user rail ends the list";
    EXPECT_EQ(list[static_cast<std::size_t>(row)].Text, UserRailName);
    const auto choice = editor::ChooseRailListEntry(ws, list[static_cast<std::size_t>(row)]);
    EXPECT_EQ(choice.Labels.Length, "-140");
    EXPECT_EQ(choice.Labels.Angle, "22.5度 左向き");
    EXPECT_EQ(ws.Editor.AStatus, model::EditorMode::Place);

    // Shown again as it was made; the file still holds the fixed user-rail line.
    const UserRailInput again = UserRailInputOf(ws);
    EXPECT_EQ(again.Length, 140);
    EXPECT_TRUE(again.CurvePoint);
    EXPECT_TRUE(again.LeftFacing);
    EXPECT_EQ(layouts::ReadBytes(e.Path), e.Bytes);
}

} // namespace
} // namespace ferrovane::catalogue
