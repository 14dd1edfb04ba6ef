#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/commands/document/LayoutFile.h"
#include "core/commands/document/LayoutTitle.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/document/LayoutWriter.h"
#include "core/values/format/Version.h"
#include "core/values/platform/AtomicFile.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"

using namespace ferrovane;
using ferrovane::testing::layouts::ReadBytes;
using ferrovane::testing::layouts::TempDir;
using ferrovane::testing::layouts::WriteBytes;

namespace {

class CountingRedraw : public render::RedrawTarget {
public:
    void ReDrawBackScreen() override { ++BackScreenRedraws; }
    int BackScreenRedraws = 0;
};

document::LoadOptions NoCatalogue() {
    document::LoadOptions options;
    options.ReloadCatalogue = false;
    return options;
}

std::string ExpectedTitle(const std::string& file) {
    return "Ferrovane Ver " + std::to_string(app::VersionMajor) + "." +
           std::to_string(app::VersionMinor) + "  [" + file + "]";
}

// An open, modified layout of three joined straights that a failed load must not touch.
struct OpenLayout {
    ferrovane::testing::FakeUiHost host;
    app::Workspace ws{host};
    CountingRedraw redraw;
    OpenLayout() {
        ws.Redraw = &redraw;
        ws.Layout = ferrovane::testing::layouts::StraightRow(3);
        ws.Layout.LayoutFileName = "/somewhere/open.fvl";
        ws.Layout.RecentFiles[0] = "/somewhere/open.fvl";
        ws.Layout.Modified = true;
        model::RebuildRailIndex(ws.Layout);
    }
    void ExpectUntouched(const model::Layout& before) const {
        EXPECT_EQ(ws.Layout.Rails, before.Rails);
        EXPECT_EQ(ws.Layout.RailCount, before.RailCount);
        EXPECT_EQ(ws.Layout.SavedRailCount, before.SavedRailCount);
        EXPECT_EQ(ws.Layout.LayoutFileName, before.LayoutFileName);
        EXPECT_EQ(ws.Layout.RecentFiles, before.RecentFiles);
        EXPECT_EQ(ws.Layout.LayoutWidth, before.LayoutWidth);
        EXPECT_EQ(ws.Layout.Index.Cells, before.Index.Cells);
        EXPECT_TRUE(ws.Layout.Modified);
        EXPECT_TRUE(host.Titles.empty());
        EXPECT_EQ(redraw.BackScreenRedraws, 0);
    }
};

} // namespace

TEST(LoadFile, BadFilesShowTheirMessageAndLeaveTheOpenLayoutAlone) {
    TempDir dir;
    const std::string header =
        "VERSION 3.00\r\nLayout Size Width : 2000\r\nLayout Size Height: 2000\r\n";
    model::Layout two = ferrovane::testing::layouts::StraightRow(2);
    const std::string good = document::WriteLayout(two);
    const std::string goodRecords = good.substr(good.find("Height: 2000\r\n") + 14);
    const struct {
        const char* name;
        std::string bytes; // empty name: the file is not written
        std::string text, title;
    } cases[] = {
        {"missing.fvl", "", "ファイルが見つかりません。", "警告"},
        {"version.fvl", "Version 3.00\r\n" + header.substr(14) + goodRecords,
         "不正なバージョンのファイルです。", "エラー"},
        {"empty.fvl", "\n", "不正なバージョンのファイルです。", "エラー"},
        {"item.fvl", header + goodRecords + "#TRUE#,3,\"x\",0,3,abc\r\n",
         "[#10] エラーが発生しました。 エラー番号は 13。\r説明 : 型が一致しません。 (6 行目 "
         "レール 3 の 6 番目の項目)",
         "エラー"},
        {"short.fvl", header + "#TRUE#,1,\"S\",0\r\n",
         "[#10] エラーが発生しました。 エラー番号は 62。\r説明 : "
         "ファイルにこれ以上データがありません。 61 項目のうち 4 項目しかありません。 (4 行目 "
         "レール 1 の 5 番目の項目)",
         "エラー"},
        {"width.fvl", "VERSION 3.00\r\nLayout Size Width : 1e9\r\n",
         "[#10] エラーが発生しました。 エラー番号は 13。\r説明 : 型が一致しません。 (2 行目 "
         "レイアウトの幅: \"1e9\")",
         "エラー"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenLayout open;
        const model::Layout before = open.ws.Layout;
        const std::string path = dir.File(c.name);
        if (!c.bytes.empty()) WriteBytes(path, c.bytes);
        EXPECT_FALSE(document::LoadFile(open.ws, path, NoCatalogue()));
        ASSERT_EQ(open.host.Messages.size(), 1u);
        EXPECT_EQ(open.host.Messages[0].Text, c.text);
        EXPECT_EQ(open.host.Messages[0].Title, c.title);
        EXPECT_EQ(open.host.Messages[0].Icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(open.host.ToolBoxHides, 1);
        EXPECT_EQ(open.host.ToolBoxShows, 1);
        open.ExpectUntouched(before);
    }
}

TEST(LoadFile, ReplacesTheLayoutRepairsIndexesAndRetitles) {
    TempDir dir;
    model::Layout saved = ferrovane::testing::layouts::StraightRow(3);
    saved.LayoutWidth = 2400;
    saved.Rails[2].Valid = false; // deleted: its neighbours' ends were freed on delete
    saved.Rails[1].Free1 = true;
    saved.Rails[3].Free0 = true;
    const std::string path = dir.File("Row.fvl");
    WriteBytes(path, document::WriteLayout(saved));

    OpenLayout open;
    open.ws.StartLogPath = dir.File("StartLog.txt");
    ASSERT_TRUE(document::LoadFile(open.ws, path, NoCatalogue()));
    const model::Layout& l = open.ws.Layout;
    EXPECT_EQ(l.RailCount, 3);
    EXPECT_EQ(l.SavedRailCount, 3);
    EXPECT_EQ(l.LayoutWidth, 2400);
    EXPECT_FALSE(l.Modified);
    EXPECT_EQ(l.LayoutFileName, path);
    EXPECT_EQ(l.RecentFiles[0], path) << "kept as given, case included";
    EXPECT_EQ(l.RecentFiles[1], "/somewhere/open.fvl");
    // The deleted rail's own ends were left joined by the delete; repair frees them.
    EXPECT_TRUE(l.Rails[2].Free0 && l.Rails[2].Free1);
    EXPECT_EQ(l.Rails[2].Link0, 0);
    EXPECT_EQ(l.Rails[1].Link1, 0);
    EXPECT_FALSE(l.Index.Empty());
    ASSERT_EQ(open.host.Titles.size(), 1u);
    EXPECT_EQ(open.host.Titles[0], ExpectedTitle(path));
    EXPECT_EQ(open.redraw.BackScreenRedraws, 1);
    EXPECT_TRUE(open.host.Messages.empty());
    const std::string log = ReadBytes(open.ws.StartLogPath);
    EXPECT_NE(log.find("[LoadFile] FN = " + path), std::string::npos) << log;
    EXPECT_NE(log.find("[LoadFile] RTypeFileName = "), std::string::npos) << log;
}

TEST(LoadFile, EmptyPathMeansTheLayoutsOwnFile) {
    TempDir dir;
    const std::string path = dir.File("own.fvl");
    WriteBytes(path, document::WriteLayout(ferrovane::testing::layouts::StraightRow(4)));
    ferrovane::testing::FakeUiHost host;
    app::Workspace ws(host);
    ws.Layout.LayoutFileName = path;
    ASSERT_TRUE(document::LoadFile(ws, "", NoCatalogue()));
    EXPECT_EQ(ws.Layout.RailCount, 4);
}

TEST(LoadFile, CatalogueChoiceHookRunsOnlyWhenNoCatalogueIsNamed) {
    TempDir dir;
    const std::string path = dir.File("a.fvl");
    WriteBytes(path, document::WriteLayout(ferrovane::testing::layouts::StraightRow(1)));
    for (bool reload : {true, false}) {
        ferrovane::testing::FakeUiHost host;
        app::Workspace ws(host);
        ws.Catalogue.RTypeFileName = "   ";
        int calls = 0;
        document::LoadOptions options;
        options.ReloadCatalogue = reload;
        options.LoadRType = [&](app::Workspace& w, std::string& name) {
            EXPECT_EQ(&w, &ws);
            EXPECT_TRUE(name.empty());
            ++calls;
        };
        ASSERT_TRUE(document::LoadFile(ws, path, options));
        EXPECT_EQ(calls, reload ? 1 : 0);
    }
    // Without a hook nothing is asked and the layout still loads.
    ferrovane::testing::FakeUiHost host;
    app::Workspace ws(host);
    ASSERT_TRUE(document::LoadFile(ws, path));
    EXPECT_TRUE(host.Messages.empty());
    EXPECT_EQ(ws.Layout.RailCount, 1);
}

TEST(SaveFile, SuccessClearsModifiedAndNamesTheFile) {
    TempDir dir;
    OpenLayout open;
    const std::string path = dir.File("Saved.fvl");
    ASSERT_TRUE(document::SaveFile(open.ws, path));
    EXPECT_FALSE(open.ws.Layout.Modified);
    EXPECT_EQ(open.ws.Layout.LayoutFileName, path);
    EXPECT_EQ(open.ws.Layout.RecentFiles[0], path);
    ASSERT_EQ(open.host.Titles.size(), 1u);
    EXPECT_EQ(open.host.Titles[0], ExpectedTitle(path));
    EXPECT_EQ(ReadBytes(path), document::WriteLayout(open.ws.Layout));

    // An empty path saves to the layout's own file again.
    open.ws.Layout.Rails[1].Name = "changed";
    open.ws.Layout.Modified = true;
    ASSERT_TRUE(document::SaveFile(open.ws, ""));
    EXPECT_NE(ReadBytes(path).find("\"changed\""), std::string::npos);
    EXPECT_FALSE(open.ws.Layout.Modified);
}

TEST(SaveFile, FailureShowsNumberedMessageAndKeepsModified) {
    TempDir dir;
    const std::string cases[] = {dir.File("no/such/dir/x.fvl"), ""};
    for (const std::string& path : cases) {
        OpenLayout open;
        open.ws.Layout.LayoutFileName.clear();
        const model::Layout before = open.ws.Layout;
        EXPECT_FALSE(document::SaveFile(open.ws, path));
        ASSERT_EQ(open.host.Messages.size(), 1u);
        const auto& m = open.host.Messages[0];
        EXPECT_EQ(m.Title, "エラー");
        EXPECT_EQ(m.Icon, platform::MessageIcon::Exclamation);
        EXPECT_EQ(m.Text.rfind("[#11] エラーが発生しました。 エラー番号は ", 0), 0u) << m.Text;
        EXPECT_NE(m.Text.find("。\r説明 : "), std::string::npos) << m.Text;
        open.ExpectUntouched(before);
    }
}

TEST(SaveFile, FailureLateInTheWriteLeavesNoTemporaryFileBehind) {
    TempDir dir;
    OpenLayout open;
    // A directory where the file should go makes the final rename fail.
    const std::string blocked = dir.File("blocked.fvl");
    std::filesystem::create_directories(blocked + "/inside");
    EXPECT_FALSE(document::SaveFile(open.ws, blocked));
    EXPECT_TRUE(open.ws.Layout.Modified);
    EXPECT_TRUE(std::filesystem::is_directory(blocked + "/inside"));
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.File(""))) {
        ++entries;
        EXPECT_EQ(entry.path().filename(), "blocked.fvl");
    }
    EXPECT_EQ(entries, 1);
}

TEST(SaveFile, FullDiskKeepsTheOldFileAndSaysDiskFull) {
    TempDir dir;
    OpenLayout open;
    const std::string path = dir.File("plan.fvl");
    WriteBytes(path, "old");
    const std::size_t size = document::WriteLayout(open.ws.Layout).size();
    // No room at all, room for half, and a disk that fills at the very last byte.
    for (const std::size_t room : {std::size_t{0}, size / 2, size - 1}) {
        open.host.Messages.clear();
        platform::LimitWritesForTesting(room, ENOSPC);
        EXPECT_FALSE(document::SaveFile(open.ws, path)) << room;
        platform::ResetWriteLimitForTesting();
        ASSERT_EQ(open.host.Messages.size(), 1u) << room;
        EXPECT_EQ(open.host.Messages[0].Text,
                  "[#11] エラーが発生しました。 エラー番号は 61。\r説明 : "
                  "ディスクの空き容量が不足しています。 (" +
                      path + ")");
        EXPECT_EQ(ReadBytes(path), "old") << room;
        EXPECT_TRUE(open.ws.Layout.Modified);
        int entries = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.File(""))) {
            (void)entry;
            ++entries;
        }
        EXPECT_EQ(entries, 1) << "no temporary file left";
    }
    platform::LimitWritesForTesting(size, ENOSPC);
    EXPECT_TRUE(document::SaveFile(open.ws, path));
    platform::ResetWriteLimitForTesting();
    EXPECT_EQ(ReadBytes(path), document::WriteLayout(open.ws.Layout));
}

TEST(LayoutTitle, NamesTheFileInBrackets) {
    model::Layout layout;
    EXPECT_EQ(document::MainTitle(layout), ExpectedTitle(""));
    layout.LayoutFileName = "/home/ユーザー/レイアウト.fvl";
    EXPECT_EQ(document::MainTitle(layout), ExpectedTitle("/home/ユーザー/レイアウト.fvl"));
}
