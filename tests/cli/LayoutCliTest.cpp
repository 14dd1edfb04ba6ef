#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace {

const std::string Data = std::string(FERROVANE_TEST_DATA) + "/layout/";

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class LayoutCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        mDir = std::filesystem::temp_directory_path() /
               ("ferrovane-layout-cli-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(mDir);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(mDir, ec);
    }
    std::string Temp(const std::string& name) const { return (mDir / name).string(); }

    // Runs "ferrovane-cli layout ARGS"; returns the exit status, stderr in Err.
    int Run(const std::vector<std::string>& args) {
        std::string command = Quote(FERROVANE_CLI) + " layout";
        for (const auto& a : args)
            command += " " + Quote(a);
        const std::string errFile = Temp("stderr.txt");
        command += " 2>" + Quote(errFile) + " >/dev/null";
        const int status = std::system(command.c_str());
        Err = Slurp(errFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::filesystem::path mDir;
    std::string Err;
};

} // namespace

TEST_F(LayoutCli, GoodFilesLoadQuietlyAndWriteBackIdentically) {
    for (const char* name : {"good.fvl", "header_only.fvl"}) {
        const std::string out = Temp("out.fvl");
        EXPECT_EQ(Run({Data + name, "--write", out}), 0) << name;
        EXPECT_EQ(Err, "") << name;
        EXPECT_EQ(Slurp(out), Slurp(Data + name)) << name;
    }
    // LF line ends read the same; the writer writes CR LF.
    const std::string out = Temp("lf.fvl");
    EXPECT_EQ(Run({Data + "good_lf.fvl", "--write", out}), 0);
    EXPECT_EQ(Slurp(out), Slurp(Data + "good.fvl"));
    EXPECT_EQ(Run({Data + "good.fvl"}), 0);
    EXPECT_EQ(Err, "");
}

TEST_F(LayoutCli, DamagedLinksAreRepairedOnLoad) {
    const std::string out = Temp("repaired.fvl");
    EXPECT_EQ(Run({Data + "damaged_links.fvl", "--write", out}), 0);
    EXPECT_EQ(Err, "");
    EXPECT_EQ(Slurp(out), Slurp(Data + "damaged_links.repaired.fvl"));
}

TEST_F(LayoutCli, BadFilesFailWithTheirMessage) {
    const struct {
        std::string file;
        std::string err;
    } cases[] = {
        {Data + "no_such_file.fvl", "警告: ファイルが見つかりません。\n"},
        {Data + "bad_version.fvl", "エラー: 不正なバージョンのファイルです。\n"},
        {Data + "malformed_item.fvl",
         "エラー: [#10] エラーが発生しました。 エラー番号は 13。 説明 : Type mismatch (rail 2, "
         "line 5, item 7)\n"},
        {Data + "short_record.fvl",
         "エラー: [#10] エラーが発生しました。 エラー番号は 62。 説明 : Record ends after 60 of "
         "61 items (rail 2, line 5, item 61)\n"},
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
    EXPECT_EQ(Err, "エラー: [#11] エラーが発生しました。 エラー番号は 53。 説明 : No such file or "
                   "directory: " +
                       out + "\n");
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
