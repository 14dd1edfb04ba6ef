#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/commands/output/PartsListSave.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/PartsList.h"
#include "core/compute/output/PartsListCsv.h"
#include "support/FakeUiHost.h"
#include "support/LayoutFixtures.h"

using namespace ferrovane;

namespace {

void Add(model::Layout& layout, const std::string& name, std::uint8_t kind, bool valid = true) {
    model::Rail& r = layout.AppendRail();
    r.Valid = valid;
    r.Name = name;
    r.Kind = kind;
}

// Two straights of one name, one with trailing blanks (the same name shown), a name
// a spreadsheet would split, a deleted rail, a rail-box group, a flexible rail and a
// label.
model::Layout SampleLayout() {
    using namespace model;
    Layout layout;
    Add(layout, "S248", KindStraight);
    Add(layout, "S248", KindStraight);
    Add(layout, "S124  ", KindStraight);
    Add(layout, "S248", KindStraight, false);
    Add(layout, "R541,\"30\"", KindCurve);
    Add(layout, "ポイント#4 左", KindPoint);
    Add(layout, "Loop", KindBoxHeadCurve);
    Add(layout, "Loop", KindBoxMemberCurve);
    Add(layout, "フレキシブルレール", KindFlexible);
    Add(layout, "ＭＳ ゴシックhello", KindText);
    return layout;
}

} // namespace

TEST(PartsListCsv, RowsFollowTheReportsSectionsAndCounts) {
    const std::vector<std::vector<std::string>> expected = {
        {"区分", "名称", "数量"},
        {"ストレートレール", "S248", "2"},
        {"ストレートレール", "S124", "1"},
        {"カーブレール", "R541,\"30\"", "1"},
        {"ポイントレール", "ポイント#4 左", "1"},
        {"レール箱レール", "Loop", "1"},
        {"その他", "フレキシブルレール", "1"},
        {"その他", "文字", "1"},
    };
    EXPECT_EQ(output::PartsListRows(SampleLayout()), expected);
    // The report counts the same pieces.
    EXPECT_EQ(output::BuildPartsList(SampleLayout()).back(), "総レール数 : 7 本");
}

TEST(PartsListCsv, StartsWithTheByteOrderMarkAndQuotesOnlyWhereNeeded) {
    const std::string csv = output::PartsListCsv(SampleLayout());
    EXPECT_EQ(csv, "\xEF\xBB\xBF"
                   "区分,名称,数量\r\n"
                   "ストレートレール,S248,2\r\n"
                   "ストレートレール,S124,1\r\n"
                   "カーブレール,\"R541,\"\"30\"\"\",1\r\n"
                   "ポイントレール,ポイント#4 左,1\r\n"
                   "レール箱レール,Loop,1\r\n"
                   "その他,フレキシブルレール,1\r\n"
                   "その他,文字,1\r\n");

    const struct {
        const char* text;
        const char* field;
    } cases[] = {{"plain", "plain"},
                 {"a,b", "\"a,b\""},
                 {"say \"x\"", "\"say \"\"x\"\"\""},
                 {"two\nlines", "\"two\nlines\""},
                 {"", ""},
                 {" blank ", " blank "}};
    for (const auto& c : cases)
        EXPECT_EQ(output::CsvField(c.text), c.field) << c.text;

    // An empty layout still lists its other pieces, with nothing counted.
    EXPECT_EQ(output::PartsListCsv(model::Layout{}),
              "\xEF\xBB\xBF区分,名称,数量\r\nその他,フレキシブルレール,0\r\nその他,文字,0\r\n");
}

TEST(PartsListSave, AsksForANameWritesTheFileAndReportsFailure) {
    ferrovane::testing::layouts::TempDir dir;
    ferrovane::testing::FakeUiHost host;
    app::Workspace ws(host);
    ws.Layout = SampleLayout();
    ws.Layout.LayoutFileName = dir.File("yard.fvl");

    // No name given: nothing written, nothing said.
    host.FileAnswers.push_back(std::nullopt);
    EXPECT_FALSE(output::SavePartsListCsv(ws));
    ASSERT_EQ(host.FileRequests.size(), 1u);
    EXPECT_EQ(host.FileRequests[0].Title, "総レール数をCSVで保存");
    EXPECT_EQ(host.FileRequests[0].Filter, "CSVファイル(*.csv)|*.csv|全てのファイル(*.*)|*.*");
    EXPECT_EQ(host.FileRequests[0].InitialName, "yard.csv");
    EXPECT_EQ(host.FileRequests[0].InitialDir,
              std::filesystem::path(ws.Layout.LayoutFileName).parent_path().string());

    host.FileAnswers.push_back(dir.File("parts.csv"));
    EXPECT_TRUE(output::SavePartsListCsv(ws));
    EXPECT_EQ(ferrovane::testing::layouts::ReadBytes(dir.File("parts.csv")),
              output::PartsListCsv(ws.Layout));

    host.FileAnswers.push_back(dir.File("parts.txt"));
    EXPECT_TRUE(output::SavePartsListText(ws));
    EXPECT_EQ(host.FileRequests.back().InitialName, "yard.txt");
    EXPECT_EQ(host.FileRequests.back().Filter,
              "テキストファイル(*.txt)|*.txt|全てのファイル(*.*)|*.*");
    const std::string text = ferrovane::testing::layouts::ReadBytes(dir.File("parts.txt"));
    EXPECT_EQ(text, output::JoinPartsList(output::BuildPartsList(ws.Layout), "\r\n"));
    EXPECT_TRUE(text.starts_with("ストレートレール:\r\n  S248")) << text;
    EXPECT_TRUE(host.Messages.empty());

    // A folder that does not exist: the user is told, with the reason and the file.
    host.FileAnswers.push_back(dir.File("missing/parts.csv"));
    EXPECT_FALSE(output::SavePartsListCsv(ws));
    ASSERT_EQ(host.Messages.size(), 1u);
    EXPECT_EQ(host.Messages[0].Text, "総レール数のファイルを保存できませんでした。");
    EXPECT_EQ(host.Messages[0].Title, "エラー");
    EXPECT_NE(host.Messages[0].Details.find("missing/parts.csv"), std::string::npos)
        << host.Messages[0].Details;
}

TEST(PartsListSave, ALayoutNeverSavedOffersADefaultName) {
    ferrovane::testing::FakeUiHost host;
    app::Workspace ws(host);
    const auto request =
        output::PartsFileRequest(ws, output::PartsTextTitle(), output::PartsTextFilter(), ".txt");
    EXPECT_EQ(request.InitialName, "総レール数.txt");
    EXPECT_EQ(request.InitialDir, ".");
}
