#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

using ferrovane::testing::ReadFile;

const std::string Data = std::string(FERROVANE_TEST_DATA) + "/layout/";

// Runs "ferrovane-cli layout ARGS".
class LayoutCli : public ferrovane::testing::CliRun {
protected:
    LayoutCli() : CliRun("layout") {}
};

} // namespace

TEST_F(LayoutCli, GoodFilesLoadQuietlyAndWriteBackIdentically) {
    for (const char* name : {"good.fvl", "header_only.fvl"}) {
        const std::string out = Temp("out.fvl");
        EXPECT_EQ(Run({Data + name, "--write", out}), 0) << name;
        EXPECT_EQ(Err, "") << name;
        EXPECT_EQ(ReadFile(out), ReadFile(Data + name)) << name;
    }
    // LF line ends read the same; the writer writes CR LF.
    const std::string out = Temp("lf.fvl");
    EXPECT_EQ(Run({Data + "good_lf.fvl", "--write", out}), 0);
    EXPECT_EQ(ReadFile(out), ReadFile(Data + "good.fvl"));
    EXPECT_EQ(Run({Data + "good.fvl"}), 0);
    EXPECT_EQ(Err, "");
}

TEST_F(LayoutCli, DamagedLinksAreRepairedOnLoad) {
    const std::string out = Temp("repaired.fvl");
    EXPECT_EQ(Run({Data + "damaged_links.fvl", "--write", out}), 0);
    EXPECT_EQ(Err, "");
    EXPECT_EQ(ReadFile(out), ReadFile(Data + "damaged_links.repaired.fvl"));
}

TEST_F(LayoutCli, BadFilesFailWithTheirMessage) {
    const struct {
        std::string file;
        std::string err;
    } cases[] = {
        {Data + "no_such_file.fvl", "警告: ファイルが見つかりません。\n"},
        {Data + "bad_version.fvl", "エラー: 不正なバージョンのファイルです。\n"},
        {Data + "malformed_item.fvl",
         "エラー: [#10] エラーが発生しました。 エラー番号は 13。 説明 : 型が一致しません。 (5 行目 "
         "レール 2 の 7 番目の項目)\n"},
        {Data + "short_record.fvl",
         "エラー: [#10] エラーが発生しました。 エラー番号は 62。 説明 : "
         "ファイルにこれ以上データがありません。 61 項目のうち 60 項目しかありません。 (5 行目 "
         "レール 2 の 61 番目の項目)\n"},
    };
    for (const auto& c : cases) {
        const std::string out = Temp("never.fvl");
        EXPECT_EQ(Run({c.file, "--write", out}), 1) << c.file;
        EXPECT_EQ(Err, c.err) << c.file;
        EXPECT_FALSE(std::filesystem::exists(out)) << "nothing is written after a failed load";
    }
}

TEST_F(LayoutCli, FailedSaveExitsTwo) {
    const std::string out = Temp("missing/dir/out.fvl");
    EXPECT_EQ(Run({Data + "good.fvl", "--write", out}), 2);
    EXPECT_EQ(Err, "エラー: [#11] エラーが発生しました。 エラー番号は 53。 説明 : "
                   "ファイルが見つかりません。 保存先のフォルダーがありません。 (" +
                       out + ")\n");
}

TEST_F(LayoutCli, MissingCatalogueFailsBeforeTheLayout) {
    EXPECT_EQ(Run({Data + "good.fvl", "--catalogue", Temp("none.rtr")}), 1);
    EXPECT_EQ(Err, "エラー: ファイルが見つかりません。: " + Temp("none.rtr") + "\n");
}

TEST_F(LayoutCli, WrongUsageExits64) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {Data + "good.fvl", Data + "good.fvl"},
        {Data + "good.fvl", "--write"},
        {Data + "good.fvl", "--catalogue"},
        {Data + "good.fvl", "--frobnicate"},
        {Data + "good.fvl", "--write", "a.fvl", "--write", "b.fvl"},
        {"--write", "a.fvl"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(Run(args), 64) << ::testing::PrintToString(args);
        EXPECT_NE(Err.find("usage: ferrovane-cli layout"), std::string::npos) << Err;
    }
}
