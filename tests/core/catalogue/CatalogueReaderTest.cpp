#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/CatalogueTestFiles.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/workspace/Workspace.h"
#include "support/FakeUiHost.h"

using namespace ferrovane;
namespace ft = ferrovane::testing;
using catalogue::CatalogueReadStatus;
using ft::CatalogueBytes;

namespace {

const std::vector<std::string> kGoodFile = {"\"ColorStraight:\"", "\"S1\",100,255,0",
                                            "\"ユーザーレール\",100,128,0", "\"End\",0,0,0",
                                            "\"End\""};

using ft::layouts::ReadLines;

struct ReaderTest : ::testing::Test {
    ft::TempDir dir;
    ft::FakeUiHost host;
    app::Workspace ws{host};
    ReaderTest() { ws.StartLogPath = dir.Path("StartLog.txt"); }
};

const std::string kReadErrorHead =
    "[#2] レール情報ファイル読込中にエラーが発生しました。旧バージョンからのアップグレードの際は\r"
    "「レール情報ファイルの変更」にて新しく添付されているレール情報ファイルを設定し直して下さい。"
    "\r\rエラー番号は ";

} // namespace

TEST_F(ReaderTest, GoodFileReplacesCatalogueAndLogs) {
    const std::string path = dir.Write("good.rtr", CatalogueBytes(kGoodFile));
    EXPECT_EQ(catalogue::ReadCatalogue(ws, path), CatalogueReadStatus::Loaded);
    EXPECT_EQ(ws.Catalogue.StraightTypes[0].Name, "S1");
    EXPECT_EQ(ws.Catalogue.RTypeFileName, path);
    EXPECT_EQ(ws.Settings.RTypeFileName, path);
    EXPECT_EQ(host.RailListRefreshes, 1);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(
        ReadLines(ws.StartLogPath),
        (std::vector<std::string>{"[LoadRailType] Start Filename = " + path,
                                  "[LoadRailType] OpenFile finished", "[LoadRailType] finished"}));
}

TEST_F(ReaderTest, MissingFileChangesNothingAndSaysNothing) {
    const auto before = ws.Catalogue;
    const std::string path = dir.Path("none.rtr");
    EXPECT_EQ(catalogue::ReadCatalogue(ws, path), CatalogueReadStatus::Missing);
    EXPECT_EQ(ws.Catalogue, before);
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(host.RailListRefreshes, 0);
    EXPECT_EQ(ReadLines(ws.StartLogPath),
              (std::vector<std::string>{"[LoadRailType] Start Filename = " + path,
                                        "[LoadRailType] FindFile " + path + " = false"}));
    EXPECT_EQ(catalogue::ReadCatalogue(ws, ""), CatalogueReadStatus::Missing);
}

TEST_F(ReaderTest, ReadErrorKeepsPreviousCatalogueAndShowsNumberedMessage) {
    const std::string good = dir.Write("good.rtr", CatalogueBytes(kGoodFile));
    ASSERT_EQ(catalogue::ReadCatalogue(ws, good), CatalogueReadStatus::Loaded);
    const auto before = ws.Catalogue;
    const std::string bad = dir.Write(
        "bad.rtr", CatalogueBytes({"\"ColorStraight:\"", "\"X\",5,1,0", "\"End\",0,0,0"}));

    EXPECT_EQ(catalogue::ReadCatalogue(ws, bad), CatalogueReadStatus::Failed);
    EXPECT_EQ(ws.Catalogue, before);
    EXPECT_EQ(ws.Catalogue.RTypeFileName, good);
    EXPECT_EQ(ws.Settings.RTypeFileName, good);
    EXPECT_EQ(host.RailListRefreshes, 1) << "only the good read refreshed the lists";
    ASSERT_EQ(host.Messages.size(), 1u);
    const auto& m = host.Messages[0];
    EXPECT_EQ(m.Text, kReadErrorHead +
                          "62。 説明 : ファイルにこれ以上データがありません。 (3 行目 欄の見出し)");
    EXPECT_EQ(m.Title, "エラー");
    EXPECT_EQ(m.Icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(m.HelpTopic, 140);
    EXPECT_EQ(host.ToolBoxHides, 1);
    EXPECT_EQ(host.ToolBoxShows, 1);
    EXPECT_EQ(
        ReadLines(ws.StartLogPath).back(),
        "[LoadRailType] 62, ファイルにこれ以上データがありません。 (3 行目 欄の見出し),Ferrovane");
}

TEST_F(ReaderTest, TooLongNameShowsItsMessageAndFails) {
    const auto before = ws.Catalogue;
    const struct {
        std::vector<std::string> lines;
        const char* text;
    } cases[] = {
        {{"\"ColorCurve:\"", "\"" + std::string(101, 'n') + "\",1,2,3,0", "\"End\",0,0,0,0",
          "\"End\""},
         "レール名が100文字を越えては行けません"},
        {{"\"RailBox:\"", "\"#" + std::string(99, 'n') + "\",5,0,0,0,0,0,0,0,0,0,0,0",
          "\"End\",0,0,0,0,0,0,0,0,0,0,0,0", "\"End\""},
         "レール名が99文字を越えては行けません"},
    };
    for (const auto& c : cases) {
        host.Messages.clear();
        const std::string path = dir.Write("long.rtr", CatalogueBytes(c.lines));
        EXPECT_EQ(catalogue::ReadCatalogue(ws, path), CatalogueReadStatus::Failed);
        ASSERT_EQ(host.Messages.size(), 1u);
        EXPECT_EQ(host.Messages[0].Text, c.text);
        EXPECT_EQ(host.Messages[0].Title, "エラー");
        EXPECT_EQ(ws.Catalogue, before);
    }
}

TEST_F(ReaderTest, OldColorPointSectionIsAnnouncedThenRead) {
    const std::string path =
        dir.Write("old.rtr", CatalogueBytes({"\"ColorPoint:\"", "\"P\",140,541,15,5",
                                             "\"ユーザーレール\",100,100,45,6", "\"End\",0,0,0,0",
                                             "\"End\""}));
    EXPECT_EQ(catalogue::ReadCatalogue(ws, path), CatalogueReadStatus::Loaded);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "旧形式のレール情報ファイルを読み込みます。後でこのファイルを"
                                     "削除して、新しく添付されているファ"
                                     "イルを使用することをお薦めします。");
    EXPECT_EQ(host.Messages[0].Title, "Ferrovane");
    EXPECT_EQ(host.Messages[0].Icon, platform::MessageIcon::Information);
    EXPECT_EQ(host.ToolBoxHides, 1);
    EXPECT_EQ(ws.Catalogue.PointTypes[0].Name, "P");
}

TEST_F(ReaderTest, UnreadableFileIsAReadError) {
    // A path that exists as a file but cannot be opened: a directory is not a file, so
    // use permissions when not running as root, else skip.
    const std::string path = dir.Write("locked.rtr", CatalogueBytes(kGoodFile));
    std::filesystem::permissions(path, std::filesystem::perms::none);
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        std::fclose(f);
        GTEST_SKIP() << "running with rights that ignore file permissions";
    }
    EXPECT_EQ(catalogue::ReadCatalogue(ws, path), CatalogueReadStatus::Failed);
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text.rfind(kReadErrorHead + "75。", 0), 0u);
}
