#include <filesystem>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

const std::string Catalogue = std::string(FERROVANE_CATALOGUE_DIR) + "/n-33mm.rtr";

using ScriptCli = ferrovane::testing::CliRun;

TEST_F(ScriptCli, RingOfCurvesClosesAndIsDetected) {
    const std::string script = "catalogue " + Catalogue +
                               "\n"
                               "tool curve R249-45   # eight of these close a circle\n"
                               "free 1000 1000 90\n"
                               "at 1 1\nat 2 1\nat 3 1\nat 4 1\nat 5 1\nat 6 1\nat 7 1\n"
                               "detect 1000 1000\n"
                               "detect 1300 1000\n"
                               "print 8\n";
    ASSERT_EQ(RunScript(script), 0) << Err;
    std::istringstream lines(Out);
    std::string first, second, record;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, record);
    // End 0 of rail 1 lies there, and rail 8's end 1 was joined to it by itself.
    EXPECT_EQ(first, "detect 2 1 0 -1");
    EXPECT_EQ(second, "detect 10 -1 0 -1");
    EXPECT_EQ(record.rfind("#TRUE#,8,\"R249-45\",1,8,", 0), 0u) << record;
    EXPECT_NE(record.find(",#FALSE#,#FALSE#,#TRUE#,1,7,0,1,"), std::string::npos) << record;
    EXPECT_NE(Err.find("[1] 他のレールの端が見つかりました。(No.1)"), std::string::npos);
}

TEST_F(ScriptCli, SavedLayoutOpensAgainAndUndoTakesBack) {
    const std::string saved = Temp("ring.fvl");
    const std::string script = "catalogue " + Catalogue +
                               "\n"
                               "tool straight S248\nfree 500 500 90\n"
                               "tool point ポイント#6 右\nat 1 1 2\n"
                               "at 1 1\n" // joined already: refused, not an error
                               "undo\n"
                               "tool straight S124\nat 1 1\n"
                               "save " +
                               saved + "\nnew\ndetect 252 500\nopen " + saved +
                               "\ndetect 252 500\n";
    ASSERT_EQ(RunScript(script), 0) << Err;
    // End 0 of rail 3 is tested before end 1 of rail 1 at the same place.
    EXPECT_EQ(Out, "detect 10 -1 0 -1\ndetect 2 3 0 -1\n");
    EXPECT_TRUE(std::filesystem::exists(saved));
}

TEST_F(ScriptCli, PointDirectionsPutTheirJoinedEndAtThePointer) {
    const struct {
        int Dir;
        const char* End;
    } cases[] = {{0, "0"}, {2, "1"}, {4, "2"}, {5, "2"}};
    for (const auto& c : cases) {
        ASSERT_EQ(RunScript("catalogue " + Catalogue +
                            "\ntool point ポイント#6 右\nfree 1000 1000 90 " +
                            std::to_string(c.Dir) + "\ndetect 1000 1000\n"),
                  0)
            << Err;
        std::istringstream words(Out);
        std::string detect, status, rail, end;
        words >> detect >> status >> rail >> end;
        EXPECT_EQ(rail, "1") << Out;
        EXPECT_EQ(end, c.End) << "direction " << c.Dir;
    }
}

TEST_F(ScriptCli, CrLfLineEndsRunAsLf) {
    const std::string script = "catalogue " + Catalogue +
                               "\ntool straight S248\nfree 500 500 90\nrename 1 Yard  east\n"
                               "print 1\ndetect 252 500\nsave ";
    ASSERT_EQ(RunScript(script + Temp("lf.fvl") + "\n"), 0) << Err;
    const std::string lfOut = Out;
    std::string crlf;
    for (char ch : script + Temp("crlf.fvl") + "\n")
        crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    ASSERT_EQ(RunScript(crlf), 0) << Err;
    EXPECT_EQ(Out, lfOut);
    EXPECT_NE(Out.find("\"Yard east\""), std::string::npos) << Out;
    EXPECT_EQ(ferrovane::testing::ReadFile(Temp("crlf.fvl")),
              ferrovane::testing::ReadFile(Temp("lf.fvl")));
}

TEST_F(ScriptCli, BadLinesNameTheirLineAndExit64) {
    const std::string load = "catalogue " + Catalogue + "\n";
    const std::string longName(200, 'x');
    struct Case {
        std::string script;
        std::string line;
    } cases[] = {
        {"# nothing\n\nbogus 1\n", "line 3: unknown command \"bogus\""},
        {longName + " 1\n", "line 1: unknown command \"" + longName.substr(0, 80) + "...\""},
        {"tool curve NOSUCH\n", "line 1: no curve named \"NOSUCH\""},
        {load + "free 1 2\n", "line 2: free takes X Y ANGLE [DIR]"},
        {load + "free 1 x 90\n", "line 2: bad position or angle"},
        {load + "tool point ユーザーレール\nfree 1 1 90 6\n", "line 3: bad direction 6"},
        {load + "tool straight S248\nfree 500 500 90\nat 1 7\n", "line 4: rail 1 has no end 7"},
        {load + "at 3 0\n", "line 2: no rail 3"},
        {load + "at -1 0\n", "line 2: no rail -1"},
        {"upper maybe\n", "line 1: upper takes on or off"},
        {"print 1\n", "line 1: no rail 1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunScript(c.script), 64) << c.script;
        EXPECT_NE(Err.find(c.line), std::string::npos) << Err;
    }
}

TEST_F(ScriptCli, PiecesBeforeTheCatalogueAreRefusedAndNothingIsLaid) {
    const std::string saved = Temp("empty.fvl");
    for (const std::string line : {"free 700 300 90", "at 1 0", "flex 1.0 2.1"}) {
        EXPECT_EQ(RunScript("new\n" + line + "\nsave " + saved + "\n"), 64) << line;
        EXPECT_NE(Err.find("line 2: no catalogue loaded"), std::string::npos) << Err;
        EXPECT_FALSE(std::filesystem::exists(saved)) << line;
    }
}

TEST_F(ScriptCli, FailedFilesExitAsTheOtherCommands) {
    EXPECT_EQ(RunScript("catalogue " + Temp("none.rtr") + "\n"), 1);
    EXPECT_EQ(RunScript("open " + Temp("none.fvl") + "\n"), 1);
    EXPECT_EQ(RunScript("save " + Temp("no/such/x.fvl") + "\n"), 2);
}

} // namespace
