#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

using ferrovane::testing::ReadFile;

const std::string Data = std::string(FERROVANE_TEST_DATA) + "/catalogue/";
const std::string Bundled = std::string(FERROVANE_CATALOGUE_DIR) + "/";

const std::string ReadError =
    "エラー: [#2] "
    "レール情報ファイル読込中にエラーが発生しました。旧バージョンからのアップグレードの"
    "際は 「レール情報ファイルの変更」にて新しく添付されているレール情報ファイルを設定し直して下さ"
    "い。  エラー番号は ";

// Runs "ferrovane-cli catalogue ARGS".
class CatalogueCli : public ferrovane::testing::CliRun {
protected:
    CatalogueCli() : CliRun("catalogue") {}
};

} // namespace

TEST_F(CatalogueCli, BundledCataloguesWriteBackUnchanged) {
    for (const char* name : {"n-33mm.rtr", "n-37mm.rtr", "ho-77mm.rtr"}) {
        EXPECT_EQ(Run({Bundled + name, "--write", Temp(name)}), 0) << name << Err;
        EXPECT_EQ(Err, "");
        EXPECT_EQ(ReadFile(Temp(name)), ReadFile(Bundled + name)) << name;
    }
}

TEST_F(CatalogueCli, ExitStatusAndMessages) {
    const struct Case {
        std::vector<std::string> args;
        int status;
        std::string err; // the whole of standard error; empty: nothing
    } cases[] = {
        {{Data + "good.rtr"}, 0, ""},
        {{Data + "truncated.rtr"},
         1,
         ReadError +
             "62。 説明 : ファイルにこれ以上データがありません。 (6 行目 曲線レールの欄)\n"},
        {{Data + "bad-field.rtr"},
         1,
         ReadError + "13。 説明 : 型が一致しません。 (2 行目 直線レールの欄)\n"},
        {{Data + "long-name.rtr"}, 1, "エラー: レール名が100文字を越えては行けません\n"},
        {{Data + "none.rtr"}, 1, "エラー: ファイルが見つかりません。: " + Data + "none.rtr\n"},
        {{Data + "invalid-point.rtr", "--write", "OUT"},
         2,
         "Ferrovane: レール情報が不正です。セーブを行いません。\n"},
        {{}, 64, "usage: ferrovane-cli catalogue IN.rtr [--write OUT.rtr]\n"},
        {{Data + "good.rtr", "--write"},
         64,
         "usage: ferrovane-cli catalogue IN.rtr [--write OUT.rtr]\n"},
        {{Data + "good.rtr", "extra"},
         64,
         "usage: ferrovane-cli catalogue IN.rtr [--write OUT.rtr]\n"},
        {{Data + "good.rtr", "--frobnicate"},
         64,
         "usage: ferrovane-cli catalogue IN.rtr [--write OUT.rtr]\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        for (auto& a : args)
            if (a == "OUT") a = Temp("out.rtr");
        EXPECT_EQ(Run(args), c.status) << (args.empty() ? "" : args[0]);
        EXPECT_EQ(Err, c.err) << (args.empty() ? "" : args[0]);
    }
    EXPECT_FALSE(std::filesystem::exists(Temp("out.rtr"))) << "a refused write writes nothing";
}

TEST_F(CatalogueCli, OldFormatIsAnnouncedAndWrittenInTheNewOne) {
    ASSERT_EQ(Run({Data + "old-format.rtr", "--write", Temp("new.rtr")}), 0) << Err;
    EXPECT_EQ(Err, "Ferrovane: 旧形式のレール情報ファイルを読み込みます。後でこのファイルを削除して"
                   "、新しく添付されているファイルを使用することをお薦めします。\n");
    const std::string written = ReadFile(Temp("new.rtr"));
    EXPECT_NE(written.find("\"ColorPoint2:\"\r\n"), std::string::npos);
    EXPECT_EQ(written.find("\"Straight:\""), std::string::npos);
    // The new file reads back silently and writes the same bytes.
    ASSERT_EQ(Run({Temp("new.rtr"), "--write", Temp("again.rtr")}), 0);
    EXPECT_EQ(Err, "");
    EXPECT_EQ(ReadFile(Temp("again.rtr")), written);
}

TEST_F(CatalogueCli, FailedWriteLeavesTheTargetAlone) {
    // A directory where the file should go cannot be replaced.
    std::filesystem::create_directories(Temp("taken.rtr/inside"));
    EXPECT_EQ(Run({Data + "good.rtr", "--write", Temp("taken.rtr")}), 2);
    EXPECT_EQ(
        Err.rfind("エラー: [#3] レール情報ファイル書込中にエラーが発生しました。 エラー番号は ", 0),
        0u)
        << Err;
    EXPECT_TRUE(std::filesystem::is_directory(Temp("taken.rtr/inside")));
}

TEST_F(CatalogueCli, WhatIsReadIsWrittenAndReadBackOrRefused) {
    // An old "Straight:" section reaches one entry further than the current format.
    const struct Case {
        int straights;
        int status;
    } cases[] = {{32765, 0}, {32766, 2}};
    for (const Case& c : cases) {
        std::string file = "\"Straight:\"\r\n";
        for (int i = 0; i < c.straights; ++i)
            file += "\"S" + std::to_string(i) + "\",100\r\n";
        file += "\"End\",0\r\n\"End\"\r\n";
        const std::string in = Temp("many.rtr"), out = Temp("out.rtr");
        ferrovane::testing::WriteFile(in, file);
        std::filesystem::remove(out);
        ASSERT_EQ(Run({in}), 0) << Err;
        EXPECT_EQ(Run({in, "--write", out}), c.status) << c.straights;
        if (c.status != 0) {
            EXPECT_NE(Err.find("エラー番号は 6。"), std::string::npos) << Err;
            EXPECT_NE(Err.find("説明 : オーバーフローしました。 直線レールが 32766 件"),
                      std::string::npos)
                << Err;
            EXPECT_FALSE(std::filesystem::exists(out));
            continue;
        }
        ASSERT_EQ(Run({out}), 0) << Err;
        EXPECT_NE(Out.find("straights " + std::to_string(c.straights)), std::string::npos) << Out;
    }
}
