#include <gtest/gtest.h>

#include <filesystem>

#include "core/commands/document/DocumentCommands.h"
#include "core/commands/document/LayoutFile.h"
#include "core/commands/document/LoadRType.h"
#include "core/compute/document/RecentMenu.h"
#include "core/document/DocumentTestSupport.h"
#include "core/values/platform/FileSystem.h"

namespace ferrovane::document {
namespace {

using platform::Answer;
using Fixture = doctest::DocumentFixture;

TEST(AskIfSaveTest, EveryAnswerAndEveryWayTheSaveCanFail) {
    enum Name { Unsaved, Saved };
    struct Case {
        const char* what;
        int rails;
        bool modified;
        Name name;
        std::vector<Answer> answers;
        std::vector<std::optional<std::string>> files; // "@" stands for a path in the folder
        int result;
        int questions;
        bool fileWritten;
        int toolBoxHides; // the failed save's message finds it hidden already
    };
    const std::string bad = "/nonexistent-dir-for-fv-tests/x.fvl";
    const Case cases[] = {
        {"no rails", 0, true, Unsaved, {}, {}, 0, 0, false, 0},
        {"not modified", 2, false, Saved, {}, {}, 0, 0, false, 0},
        {"no", 2, true, Unsaved, {Answer::No}, {}, 0, 1, false, 1},
        {"cancel", 2, true, Unsaved, {Answer::Cancel}, {}, -1, 1, false, 1},
        {"yes, saved under its name", 2, true, Saved, {Answer::Yes}, {}, 0, 1, true, 1},
        {"yes, asks a name", 2, true, Unsaved, {Answer::Yes}, {"@"}, 0, 1, true, 1},
        {"yes, name dialog cancelled",
         2,
         true,
         Unsaved,
         {Answer::Yes},
         {std::nullopt},
         -1,
         1,
         false,
         1},
        {"yes, save fails", 2, true, Unsaved, {Answer::Yes}, {bad}, -1, 2, false, 1},
    };
    for (const auto& c : cases) {
        Fixture f;
        if (c.rails) f.AddRails();
        f.ws.Layout.Modified = c.modified;
        const std::string target = f.dir.File("plan.fvl");
        if (c.name == Saved) f.ws.Layout.LayoutFileName = target;
        for (auto a : c.answers)
            f.host.Answers.push_back(a);
        for (const auto& file : c.files)
            f.host.FileAnswers.push_back(file && *file == "@" ? std::optional(target) : file);
        EXPECT_EQ(AskIfSave(f.ws, f.context), c.result) << c.what;
        ASSERT_EQ(static_cast<int>(f.host.Messages.size()), c.questions) << c.what;
        if (c.questions > 0) {
            EXPECT_EQ(f.host.Messages[0].Text,
                      "現在のレイアウトは保存されていません。保存しますか。");
            EXPECT_EQ(f.host.Messages[0].Title, "Ferrovane - 確認");
            EXPECT_EQ(f.host.Messages[0].Buttons, platform::MessageButtons::YesNoCancel);
        }
        EXPECT_EQ(f.host.ToolBoxHides, c.toolBoxHides) << c.what;
        EXPECT_EQ(platform::FileExists(target), c.fileWritten) << c.what;
        // Whatever the answer, the tool box is back once the question is gone.
        EXPECT_EQ(f.host.ToolBoxShows, f.host.ToolBoxHides) << c.what;
        // Whatever happened, a layout that was not saved is still there and modified.
        EXPECT_EQ(f.ws.Layout.RailCount, c.rails) << c.what;
        if (!c.fileWritten) {
            EXPECT_EQ(f.ws.Layout.Modified, c.modified) << c.what;
        }
    }
}

TEST(NewItemClickTest, ReadsTheCatalogueOfTheSettingAndStartsAnEmptyLayout) {
    Fixture f;
    f.LoadCatalogue();
    f.ws.Catalogue.RTypeFileName.clear(); // only the setting names it, as at start-up
    f.AddRails();
    f.ws.Layout.Modified = false;
    f.ws.Layout.LayoutFileName = f.dir.File("old.fvl");
    f.ws.Undo.Record(editor::RailPlaced{1});
    f.ws.Undo.PushRedo(editor::RedoStep{});
    f.ws.Editor.SelRailList = {1, 2};
    f.ws.Settings.StartX = 150.5f; // half to even: 150
    f.ws.Settings.StartY = 251.5f; // 252
    EXPECT_EQ(StartNewLayout(f.ws, f.context), CommandResult::Done);

    EXPECT_TRUE(f.host.Messages.empty());
    EXPECT_EQ(f.ws.Layout.RailCount, 0);
    EXPECT_EQ(f.ws.Layout.Rails.size(), 2u);
    EXPECT_EQ(f.ws.Catalogue.RTypeFileName, doctest::BundledCatalogue);
    EXPECT_EQ(f.ws.Undo.UndoCount(), 0);
    EXPECT_EQ(f.ws.Undo.RedoCount(), 0);
    EXPECT_EQ(f.ws.Editor.SelRailList[0], 0);
    // The new layout must not be saved over the file that was open.
    EXPECT_EQ(f.ws.Layout.LayoutFileName, "");
    ASSERT_EQ(f.frame.ScrollBars.size(), 1u);
    EXPECT_EQ(f.frame.ScrollBars[0], std::make_pair(150, 252));
    ASSERT_FALSE(f.host.Titles.empty());
    EXPECT_EQ(f.host.Titles.back().substr(f.host.Titles.back().size() - 4), "  []");

    const auto log = doctest::ReadLines(f.ws.StartLogPath);
    const std::vector<std::string> expected = {
        "",
        "[frmMain] frmMain New_Item_Click Start",
        "[frmMain] RefreshBackScreen finished",
        "[frmMain] LoadRTypeFileName start",
        "[LoadRailType] Start Filename = " + doctest::BundledCatalogue,
        "[LoadRailType] OpenFile finished",
        "[LoadRailType] finished",
        "[frmMain] LoadRTypeFileName finished",
        "[frmMain] New_Item_Click finished",
    };
    EXPECT_EQ(log, expected);
}

TEST(NewItemClickTest, ModifiedLayoutAsksAndCancelKeepsEverything) {
    Fixture f;
    f.LoadCatalogue();
    f.AddRails();
    f.host.Answers = {Answer::Cancel};
    EXPECT_EQ(StartNewLayout(f.ws, f.context), CommandResult::Cancelled);
    EXPECT_EQ(f.ws.Layout.RailCount, 2);
    EXPECT_TRUE(f.ws.Layout.Modified);
    EXPECT_TRUE(f.frame.ScrollBars.empty());
}

TEST(LoadRTypeTest, FirstStartRepeatsTheWelcomeUntilACatalogueIsChosen) {
    Fixture f;
    // Welcome, dialog cancelled; welcome again, a missing file; welcome, the real one.
    f.host.FileAnswers = {std::nullopt, f.dir.File("gone.rtr"), doctest::BundledCatalogue};
    std::string name;
    EXPECT_EQ(LoadRType(f.ws, f.context, name), CommandResult::Done);
    EXPECT_EQ(name, doctest::BundledCatalogue);
    EXPECT_EQ(f.ws.Catalogue.RTypeFileName, doctest::BundledCatalogue);
    EXPECT_EQ(f.ws.Settings.RTypeFileName, doctest::BundledCatalogue);
    ASSERT_EQ(f.host.Messages.size(), 3u);
    for (const auto& m : f.host.Messages) {
        EXPECT_EQ(m.Title, "レール情報定義ファイルを指定します");
        EXPECT_EQ(m.Text,
                  "ようこそFerrovaneへ!\r\nはじめに、お手持ちのレールに対応する定義ファイルを選"
                  "択してください。");
        EXPECT_EQ(m.Icon, platform::MessageIcon::Information);
    }
    ASSERT_EQ(f.host.FileRequests.size(), 3u);
    EXPECT_EQ(f.host.FileRequests[0].Title, "レール情報定義ファイルを開く");
    EXPECT_EQ(f.host.FileRequests[0].Filter,
              "レール情報定義ファイル(*.rtr)|*.rtr|全てのファイル(*.*)|*.*");
    EXPECT_EQ(f.host.FileRequests[0].InitialDir, FERROVANE_CATALOGUE_DIR);
}

TEST(LoadRTypeTest, ClosingTheWelcomeNoticeEndsTheProgram) {
    Fixture f;
    f.host.Answers = {Answer::Ok, Answer::Cancel};
    std::string name;
    EXPECT_EQ(LoadRType(f.ws, f.context, name), CommandResult::Quit);
    EXPECT_EQ(f.host.Messages.size(), 2u);
    EXPECT_EQ(f.host.FileRequests.size(), 1u);

    // The same from the new-layout command at a first start.
    Fixture g;
    g.host.Answers = {Answer::Cancel};
    EXPECT_EQ(StartNewLayout(g.ws, g.context), CommandResult::Quit);
}

TEST(LoadRTypeTest, WithACatalogueLoadedCancelChangesNothing) {
    Fixture f;
    f.LoadCatalogue();
    std::string name = "x";
    EXPECT_EQ(LoadRType(f.ws, f.context, name), CommandResult::Cancelled);
    EXPECT_TRUE(f.host.Messages.empty());
    EXPECT_EQ(name, "");
    EXPECT_EQ(f.ws.Catalogue.RTypeFileName, doctest::BundledCatalogue);
    EXPECT_EQ(f.host.ToolBoxShows, 1);
}

TEST(SaveTest, SaveAsNamesTheFileInTheTitleAndCancelKeepsTheName) {
    Fixture f;
    f.LoadCatalogue();
    f.AddRails();
    const std::string path = f.dir.File("plan.fvl");
    f.host.FileAnswers = {path};
    EXPECT_TRUE(SaveLayout(f.ws, f.context)); // never saved: asks for a name
    ASSERT_EQ(f.host.FileRequests.size(), 1u);
    EXPECT_EQ(f.host.FileRequests[0].Title, "レイアウトファイルを保存");
    EXPECT_EQ(f.host.FileRequests[0].Filter,
              "Ferrovaneファイル(*.fvl)|*.fvl|全てのファイル(*.*)|*.*");
    EXPECT_FALSE(f.ws.Layout.Modified);
    EXPECT_EQ(f.ws.Layout.RecentFiles[0], path);
    const std::string& title = f.host.Titles.back();
    EXPECT_EQ(title.substr(title.size() - path.size() - 4), "  [" + path + "]");

    // Saving again writes without asking; a cancelled Save As keeps the name.
    f.ws.Layout.Modified = true;
    EXPECT_TRUE(SaveLayout(f.ws, f.context));
    EXPECT_EQ(f.host.FileRequests.size(), 1u);
    EXPECT_FALSE(SaveLayoutAs(f.ws, f.context));
    EXPECT_EQ(f.ws.Layout.LayoutFileName, path);

    // The untitled name counts as no name.
    f.ws.Layout.LayoutFileName = "新規作成.fvl";
    EXPECT_FALSE(SaveLayout(f.ws, f.context));
    EXPECT_EQ(f.host.FileRequests.size(), 3u);
}

TEST(OpenTest, OpensASavedLayoutAndResetsTheEditor) {
    Fixture f;
    f.LoadCatalogue();
    f.AddRails();
    const std::string path = f.dir.File("plan.fvl");
    ASSERT_TRUE(SaveFile(f.ws, path));
    StartNewLayout(f.ws, f.context);
    f.ws.Undo.Record(editor::RailPlaced{1});
    f.ws.Undo.PushRedo(editor::RedoStep{});
    f.ws.Editor.AStatus = model::EditorMode::RangeArmed;
    f.ws.Editor.PointedRail = 3;
    f.ws.Editor.SelRailList = {1, 7};
    f.ResetRecords();

    f.host.FileAnswers = {path};
    EXPECT_EQ(OpenLayoutFile(f.ws, f.context), CommandResult::Done);
    ASSERT_EQ(f.host.FileRequests.size(), 1u);
    EXPECT_EQ(f.host.FileRequests[0].Title, "レイアウトファイルを開く");
    EXPECT_EQ(f.host.FileRequests[0].InitialDir, f.context.LayoutDir);
    EXPECT_EQ(f.ws.Layout.RailCount, 2);
    EXPECT_EQ(f.ws.Layout.LayoutFileName, path);
    EXPECT_FALSE(f.ws.Layout.Modified);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::Place);
    EXPECT_EQ(f.ws.Editor.PointedRail, -1);
    EXPECT_EQ(f.ws.Editor.SelRailList[0], 0);
    EXPECT_EQ(f.ws.Undo.UndoCount(), 0);
    EXPECT_EQ(f.ws.Undo.RedoCount(), 0);
    EXPECT_EQ(f.frame.ScrollBars.back(), std::make_pair(0, 0));
    EXPECT_EQ(f.frame.Resizes, 1);
    EXPECT_EQ(f.host.ToolBoxShows, 1);
    const auto log = doctest::ReadLines(f.ws.StartLogPath);
    EXPECT_NE(std::find(log.begin(), log.end(), "[frmMain] Loadfile finished Filename = " + path),
              log.end());
    EXPECT_EQ(log.back(), "[frmMain] Load_File finished");
}

TEST(OpenTest, CancelledDialogKeepsTheLayoutAndItsFileName) {
    Fixture f;
    f.LoadCatalogue();
    f.AddRails();
    f.ws.Layout.Modified = false;
    f.ws.Layout.LayoutFileName = f.dir.File("kept.fvl");
    EXPECT_EQ(OpenLayoutFile(f.ws, f.context), CommandResult::Cancelled);
    EXPECT_EQ(f.ws.Layout.RailCount, 2);
    EXPECT_EQ(f.ws.Layout.LayoutFileName, f.dir.File("kept.fvl"));
    EXPECT_TRUE(f.frame.ScrollBars.empty());
}

TEST(OpenTest, CancelledDialogOnAnEmptyBoardStartsANewLayout) {
    Fixture f;
    f.LoadCatalogue();
    f.ws.Settings.StartX = 40;
    EXPECT_EQ(OpenLayoutFile(f.ws, f.context), CommandResult::Cancelled);
    // Once for the open command itself, once for the new layout.
    ASSERT_EQ(f.frame.ScrollBars.size(), 2u);
    EXPECT_EQ(f.frame.ScrollBars[1], std::make_pair(40, 0));
    EXPECT_EQ(doctest::ReadLines(f.ws.StartLogPath).back(), "[frmMain] New_Item_Click finished");
}

TEST(OpenTest, AnUnreadableFileLeavesTheLayoutAndItsName) {
    Fixture f;
    f.LoadCatalogue();
    f.AddRails();
    f.ws.Layout.Modified = false;
    f.ws.Layout.LayoutFileName = f.dir.File("kept.fvl");
    const std::string bad = f.dir.File("bad.fvl");
    testing::layouts::WriteBytes(bad, "not a layout\r\n");
    f.host.FileAnswers = {bad};
    OpenLayoutFile(f.ws, f.context);
    EXPECT_EQ(f.ws.Layout.RailCount, 2);
    EXPECT_EQ(f.ws.Layout.LayoutFileName, f.dir.File("kept.fvl"));
}

TEST(RecentFileTest, OpensTheEntryAndKeepsTheList) {
    Fixture f;
    f.LoadCatalogue();
    f.AddRails();
    const std::string a = f.dir.File("a.fvl"), b = f.dir.File("b.fvl");
    ASSERT_TRUE(SaveFile(f.ws, a));
    ASSERT_TRUE(SaveFile(f.ws, b));
    const auto list = f.ws.Layout.RecentFiles;
    ASSERT_EQ(list[0], b);
    ASSERT_EQ(list[1], a);
    StartNewLayout(f.ws, f.context);

    EXPECT_EQ(OpenRecentLayout(f.ws, f.context, 1), CommandResult::Done);
    EXPECT_EQ(f.ws.Layout.LayoutFileName, a);
    EXPECT_EQ(f.ws.Layout.RailCount, 2);
    EXPECT_EQ(f.ws.Layout.RecentFiles, list);
    // An empty entry or an index outside the list does nothing.
    EXPECT_EQ(OpenRecentLayout(f.ws, f.context, 4), CommandResult::Cancelled);
    EXPECT_EQ(OpenRecentLayout(f.ws, f.context, 9), CommandResult::Cancelled);
    EXPECT_EQ(f.ws.Layout.LayoutFileName, a);
}

TEST(ChangeRailFileTest, LoadsTheCatalogueAndKeepsTheLayoutFile) {
    Fixture f;
    f.LoadCatalogue();
    f.AddRails();
    f.ws.Layout.Modified = false;
    f.ws.Layout.LayoutFileName = f.dir.File("plan.fvl");
    f.ws.Editor.AStatus = model::EditorMode::RangeArmed;
    const std::string other = std::string(FERROVANE_CATALOGUE_DIR) + "/ho-77mm.rtr";
    f.host.FileAnswers = {other};
    EXPECT_EQ(ChangeCatalogueFile(f.ws, f.context), CommandResult::Done);
    EXPECT_EQ(f.host.ModesDuringDialogs,
              std::vector<model::EditorMode>{model::EditorMode::CatalogueChanging});
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::RangeArmed);
    EXPECT_EQ(f.ws.Catalogue.RTypeFileName, other);
    EXPECT_EQ(f.ws.Settings.RTypeFileName, other);
    EXPECT_EQ(f.ws.Layout.LayoutFileName, f.dir.File("plan.fvl"));
    EXPECT_EQ(f.ws.Layout.RailCount, 2);

    // Cancelled: the catalogue stays.
    EXPECT_EQ(ChangeCatalogueFile(f.ws, f.context), CommandResult::Cancelled);
    EXPECT_EQ(f.ws.Catalogue.RTypeFileName, other);
}

TEST(RecentMenuTest, OneItemPerNonEmptyEntry) {
    model::Layout layout;
    layout.RecentFiles = {"/a.fvl", "", "/c.fvl", "", ""};
    const std::vector<RecentMenuItem> expected = {{0, "/a.fvl"}, {2, "/c.fvl"}};
    EXPECT_EQ(RecentMenuItems(layout), expected);
}

TEST(IsLayoutFileNameTest, OnlyNamesEndingInTheLayoutExtension) {
    const struct {
        const char* Name;
        bool Layout;
    } cases[] = {
        {"/home/u/yard.fvl", true}, {"YARD.FVL", true},      {"a.Fvl", true}, {".fvl", false},
        {"yard.rtr", false},        {"yard.fvl.bak", false}, {"fvl", false},  {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsLayoutFileName(c.Name), c.Layout) << c.Name;
}

} // namespace
} // namespace ferrovane::document
