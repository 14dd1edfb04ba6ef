#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/settings/ApplicationRecords.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/workspace/Workspace.h"
#include "core/document/DocumentTestSupport.h"
#include "core/values/platform/FileSystem.h"

namespace ferrovane::app {
namespace {

class RecordingShell : public MainWindowShell {
public:
    void ShowMainWindow() override { Calls.push_back("ShowMainWindow"); }
    void HideWelcome() override { Calls.push_back("HideWelcome"); }
    void SetStatusFont(const std::string& font) override { Calls.push_back("Font " + font); }
    void UncheckRailAbout() override { Calls.push_back("UncheckRailAbout"); }
    void ShowGridRulerNumbers() override { Calls.push_back("ShowGridRulerNumbers"); }
    void ApplyZoomMenuItem(int item) override { Calls.push_back("Zoom " + std::to_string(item)); }
    void LoadPointerImages() override { Calls.push_back("LoadPointerImages"); }
    void CloseToolBox() override { Calls.push_back("CloseToolBox"); }
    float ViewOriginX() const override { return 320; }
    float ViewOriginY() const override { return 48.5f; }
    std::vector<std::string> Calls;
};

struct StartFixture : document::doctest::DocumentFixture {
    StartFixture() {
        context.UserStore = &userStore;
        context.AppStore = &appStore;
        context.Shell = &shell;
        context.Document = DocumentFixture::context;
    }
    MemorySettingsStore userStore, appStore;
    RecordingShell shell;
    StartUpContext context;
};

TEST(StartUpTest, FirstStartOrderLogAndRecords) {
    StartFixture f;
    f.userStore.Values[{"Startup", "ZoomPosition"}] = "2";
    f.host.FileAnswers = {document::doctest::BundledCatalogue};
    WelcomeLoad(f.context, "/opt/ferrovane");
    EXPECT_EQ(RunStartUp(f.ws, f.context), document::CommandResult::Done);

    EXPECT_EQ(f.appStore.Get("AppDir", "AppDir"), "/opt/ferrovane/");
    EXPECT_EQ(f.appStore.Get("Options", "CurrentVersion"), CurrentVersionText());
    // The upgrade notice is not for a first start; the welcome notice is.
    ASSERT_EQ(f.host.Messages.size(), 1u);
    EXPECT_EQ(f.host.Messages[0].Title, "レール情報定義ファイルを指定します");
    EXPECT_EQ(f.ws.Catalogue.RTypeFileName, document::doctest::BundledCatalogue);
    EXPECT_EQ(f.ws.Editor.AStatus, model::EditorMode::Place);
    EXPECT_EQ(f.ws.Settings.ZoomPosition, 2);
    const std::vector<std::string> calls = {
        "Font MS UI Gothic", "UncheckRailAbout", "ShowGridRulerNumbers", "Zoom 2",
        "LoadPointerImages", "ShowMainWindow",   "HideWelcome",
    };
    EXPECT_EQ(f.shell.Calls, calls);
    EXPECT_GE(f.host.ToolBoxShows, 1);

    const auto log = document::doctest::ReadLines(f.ws.StartLogPath);
    const std::vector<std::string> head = {
        "[frmWelcome] MouseDown New Layout",
        "",
        "[frmMain] LastVersion = 0",
        "[frmMain] frmMain Load Start",
        "[frmMain] regGet finished",
        "[frmMain] mnuZoom_Click finished",
        "[frmMain] frmMain Load finished",
        "[frmWelcome] frmMain show finished",
        "[frmWelcome] frmWelcome hide finished",
        "",
        "[frmMain] frmMain New_Item_Click Start",
        "[frmMain] RefreshBackScreen finished",
        "[frmMain] LoadRType start",
    };
    ASSERT_GT(log.size(), head.size());
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + head.size()), head);
    EXPECT_EQ(log[log.size() - 3], "[frmMain] LoadRType finished");
    EXPECT_EQ(log[log.size() - 2], "[frmMain] New_Item_Click finished");
    EXPECT_EQ(log.back(), "[frmWelcome] frmMain New_Item_Click finished");
}

TEST(StartUpTest, UserOfAnEarlierVersionSeesTheUpgradeNoticeOnce) {
    StartFixture f;
    f.userStore.Values[{"", "RTypeFileName"}] = document::doctest::BundledCatalogue;
    EXPECT_EQ(RunStartUp(f.ws, f.context), document::CommandResult::Done);
    ASSERT_EQ(f.host.Messages.size(), 1u);
    EXPECT_EQ(f.host.Messages[0].Title, "新バージョンでの変更点");
    EXPECT_EQ(f.host.Messages[0].HelpTopic, 156);
    EXPECT_EQ(f.host.Messages[0].Icon, platform::MessageIcon::Information);
    EXPECT_EQ(
        f.host.Messages[0].Text,
        "旧バージョンのユーザーへ : \r 新しいFerrovaneではRTRファイル形式が変更になりました。\r"
        " また、インポートを使って以前のバージョンのファイルを読み込んでください。");

    // The next start knows the version: no notice, and the log says which one ran.
    StartFixture g;
    g.userStore = f.userStore;
    g.appStore = f.appStore;
    EXPECT_EQ(MainLoad(g.ws, g.context), std::stoi(CurrentVersionText()));
    EXPECT_TRUE(g.host.Messages.empty());
}

TEST(StartUpTest, ClosingTheWelcomeNoticeQuits) {
    StartFixture f;
    f.host.Answers = {platform::Answer::Cancel};
    EXPECT_EQ(RunStartUp(f.ws, f.context), document::CommandResult::Quit);
}

TEST(ShutdownTest, SavesViewOriginAndSettings) {
    StartFixture f;
    f.LoadCatalogue();
    f.ws.Settings.DoAutoScroll = true;
    EXPECT_TRUE(RunShutdown(f.ws, f.context));
    EXPECT_TRUE(f.host.Messages.empty());
    EXPECT_EQ(f.shell.Calls, std::vector<std::string>{"CloseToolBox"});
    EXPECT_EQ(f.userStore.Get("", "StartX"), "320");
    EXPECT_EQ(f.userStore.Get("", "StartY"), "48.5");
    EXPECT_EQ(f.userStore.Get("", "DoAutoScroll"), "True");
    EXPECT_EQ(f.userStore.Get("", "RTypeFileName"), document::doctest::BundledCatalogue);
}

TEST(ShutdownTest, QuestionAnswersAndTheirOutcome) {
    struct Case {
        const char* what;
        platform::Answer answer;
        std::optional<std::string> saveAs; // "@": a path in the folder
        bool ends;
    };
    const Case cases[] = {
        {"no", platform::Answer::No, std::nullopt, true},
        {"cancel", platform::Answer::Cancel, std::nullopt, false},
        {"yes and saved", platform::Answer::Yes, "@", true},
        {"yes, save dialog cancelled", platform::Answer::Yes, std::nullopt, false},
    };
    for (const auto& c : cases) {
        StartFixture f;
        f.LoadCatalogue();
        f.AddRails();
        const std::string target = f.dir.File("plan.fvl");
        f.host.Answers = {c.answer};
        if (c.answer == platform::Answer::Yes)
            f.host.FileAnswers = {c.saveAs ? std::optional(target) : std::nullopt};
        EXPECT_EQ(RunShutdown(f.ws, f.context), c.ends) << c.what;
        ASSERT_FALSE(f.host.Messages.empty());
        EXPECT_EQ(f.host.Messages[0].Title, "質問");
        EXPECT_EQ(f.host.Messages[0].Text, "現在のレイアウトは保存されていません。保存しますか。");
        EXPECT_EQ(f.host.Messages[0].Buttons, platform::MessageButtons::YesNoCancel);
        if (c.ends) {
            EXPECT_EQ(f.shell.Calls, std::vector<std::string>{"CloseToolBox"}) << c.what;
            EXPECT_TRUE(f.userStore.Get("", "StartX").has_value()) << c.what;
        } else {
            // Nothing stored, the layout still there and modified, the windows shown.
            EXPECT_TRUE(f.userStore.Writes.empty()) << c.what;
            EXPECT_TRUE(f.ws.Layout.Modified) << c.what;
            EXPECT_EQ(f.ws.Layout.RailCount, 2) << c.what;
            EXPECT_EQ(f.shell.Calls, std::vector<std::string>{"ShowMainWindow"}) << c.what;
            EXPECT_GE(f.host.ToolBoxShows, 1) << c.what;
        }
        EXPECT_EQ(platform::FileExists(target), c.saveAs.has_value()) << c.what;
    }
}

} // namespace
} // namespace ferrovane::app
