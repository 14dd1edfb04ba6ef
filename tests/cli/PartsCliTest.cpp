#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace {

const std::string LayoutDir = std::string(FERROVANE_TEST_DATA) + "/layout/";

std::string Slurp(const std::filesystem::path& path) {
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

class PartsCli : public ::testing::Test {
protected:
    std::filesystem::path dir;
    std::string Out, Err;

    void SetUp() override {
        std::random_device rd;
        dir = std::filesystem::temp_directory_path() /
              ("ferrovane-parts-cli-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }

    // Runs ferrovane-cli with the words already quoted; returns the exit status.
    int Run(const std::string& arguments) {
        const std::string command = Quote(FERROVANE_CLI) + " " + arguments + " >" +
                                    Quote((dir / "out").string()) + " 2>" +
                                    Quote((dir / "err").string());
        const int status = std::system(command.c_str());
        Out = Slurp(dir / "out");
        Err = Slurp(dir / "err");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(PartsCli, PrintsTheReportOfALayoutFile) {
    ASSERT_EQ(Run("parts " + Quote(LayoutDir + "good.fvl")), 0) << Err;
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
    const auto script = dir / "s.txt";
    std::ofstream(script, std::ios::binary) << "open " << LayoutDir << "good.fvl\nparts\n";
    ASSERT_EQ(Run("script " + Quote(script.string())), 0) << Err;
    const std::string fromScript = Out;
    ASSERT_EQ(Run("parts " + Quote(LayoutDir + "good.fvl")), 0) << Err;
    EXPECT_EQ(Out, fromScript);
}

TEST_F(PartsCli, BadUseAndUnreadableFiles) {
    struct Case {
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        {"parts", 64, "usage: ferrovane-cli parts IN.fvl"},
        {"parts a.fvl b.fvl", 64, "usage: ferrovane-cli parts IN.fvl"},
        {"parts --write", 64, "usage: ferrovane-cli parts IN.fvl"},
        {"parts " + Quote(LayoutDir + "no-such.fvl"), 1, "ファイルが見つかりません。"},
        {"parts " + Quote(LayoutDir + "bad_version.fvl"), 1, "不正なバージョンのファイルです。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.arguments), c.status) << c.arguments;
        EXPECT_NE(Err.find(c.message), std::string::npos) << c.arguments << ": " << Err;
        EXPECT_EQ(Out, "") << c.arguments;
    }
}

} // namespace
