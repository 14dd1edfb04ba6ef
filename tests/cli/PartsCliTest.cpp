#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

const std::string LayoutDir = std::string(FERROVANE_TEST_DATA) + "/layout/";

using PartsCli = ferrovane::testing::CliRun;

TEST_F(PartsCli, PrintsTheReportOfALayoutFile) {
    ASSERT_EQ(Run({"parts", LayoutDir + "good.fvl"}), 0) << Err;
    // Names padded to the longest name (the flexible-rail label) plus two, counts in four
    // columns; the deleted rail is not listed.
    EXPECT_EQ(Out, "ストレートレール:\n"
                   "  S248                   1  本\n"
                   "\n"
                   "カーブレール:\n"
                   "  R481-15                1  本\n"
                   "\n"
                   "ポイントレール:\n"
                   "  ポイント#4 左          1  本\n"
                   "\n"
                   "レール箱レール:\n"
                   "\n"
                   "その他:\n"
                   "  フレキシブルレール     0  本\n"
                   "  文字 : 0\n"
                   "\n"
                   "総レール数 : 3 本\n");
    EXPECT_EQ(Err, "");
}

TEST_F(PartsCli, SameReportAsTheScriptCommandAfterOpening) {
    ASSERT_EQ(RunScript("open " + LayoutDir + "good.fvl\nparts\n"), 0) << Err;
    const std::string fromScript = Out;
    ASSERT_EQ(Run({"parts", LayoutDir + "good.fvl"}), 0) << Err;
    EXPECT_EQ(Out, fromScript);
}

TEST_F(PartsCli, CsvForSpreadsheetsEitherSideOfTheFile) {
    const std::string expected = "\xEF\xBB\xBF"
                                 "区分,名称,数量\r\n"
                                 "ストレートレール,S248,1\r\n"
                                 "カーブレール,R481-15,1\r\n"
                                 "ポイントレール,ポイント#4 左,1\r\n"
                                 "その他,フレキシブルレール,0\r\n"
                                 "その他,文字,0\r\n";
    ASSERT_EQ(Run({"parts", LayoutDir + "good.fvl", "--csv"}), 0) << Err;
    EXPECT_EQ(Out, expected);
    EXPECT_EQ(Err, "");
    ASSERT_EQ(Run({"parts", "--csv", LayoutDir + "good.fvl"}), 0) << Err;
    EXPECT_EQ(Out, expected);
}

TEST_F(PartsCli, BadUseAndUnreadableFiles) {
    struct Case {
        std::vector<std::string> arguments;
        int status;
        const char* message;
    } cases[] = {
        {{"parts"}, 64, "usage: ferrovane-cli parts IN.fvl"},
        {{"parts", "a.fvl", "b.fvl"}, 64, "usage: ferrovane-cli parts IN.fvl"},
        {{"parts", "--write"}, 64, "usage: ferrovane-cli parts IN.fvl"},
        {{"parts", "--csv"}, 64, "usage: ferrovane-cli parts IN.fvl [--csv]"},
        {{"parts", "a.fvl", "--csv", "--csv"}, 64, "usage: ferrovane-cli parts IN.fvl [--csv]"},
        {{"parts", "a.fvl", "--tsv"}, 64, "usage: ferrovane-cli parts IN.fvl [--csv]"},
        {{"parts", LayoutDir + "no-such.fvl", "--csv"}, 1, "ファイルが見つかりません。"},
        {{"parts", LayoutDir + "no-such.fvl"}, 1, "ファイルが見つかりません。"},
        {{"parts", LayoutDir + "bad_version.fvl"}, 1, "不正なバージョンのファイルです。"},
    };
    for (const auto& c : cases) {
        const std::string arguments = ::testing::PrintToString(c.arguments);
        EXPECT_EQ(Run(c.arguments), c.status) << arguments;
        EXPECT_NE(Err.find(c.message), std::string::npos) << arguments << ": " << Err;
        EXPECT_EQ(Out, "") << arguments;
    }
}

} // namespace
