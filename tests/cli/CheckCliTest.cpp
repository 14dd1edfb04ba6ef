#include <string>

#include <gtest/gtest.h>

#include "cli/CliRun.h"

namespace {

const std::string Catalogue = std::string(FERROVANE_CATALOGUE_DIR) + "/n-33mm.rtr";

using CheckCli = ferrovane::testing::CliRun;

TEST_F(CheckCli, CheckListsFindingsInKindOrderAndSummary) {
    const std::string saved = Temp("cross.fvl");
    // Two straights crossing at (876, 1000), and a third one 13 units short of the first.
    ASSERT_EQ(RunScript("catalogue " + Catalogue +
                        "\ntool straight S248\nfree 1000 1000 90\nfree 876 1124 360\n"
                        "tool straight S124\nfree 740 1005 90\nsave " +
                        saved + "\n"),
              0)
        << Err;
    ASSERT_EQ(Run({"check", saved, "--catalogue", Catalogue}), 0) << Err;
    EXPECT_EQ(Out, "open 1 0 1000 1000\n"
                   "open 1 1 752 1000\n"
                   "open 2 0 876 1124\n"
                   "open 2 1 876 876\n"
                   "open 3 0 740 1005\n"
                   "open 3 1 616 1005\n"
                   "near 1 1 3 0 13 0\n"
                   "overlap 1 2\n"
                   "summary open 6 strained 0 near 1 overlap 1 duplicate 0\n");
    EXPECT_EQ(Run({"check", Temp("missing.fvl")}), 1);
    EXPECT_EQ(Run({"check"}), 64);
}

TEST_F(CheckCli, GapAndCloseFromAScript) {
    const std::string script = "catalogue " + Catalogue +
                               "\ntool straight S248\nfree 1000 1000 90\nfree 504 1000 90\n"
                               "gap 1 1\ngap 2 1\n"
                               "close 1 1 2 0\n"
                               "close 1 1 2 0 3\n" // S124 S124
                               "gap 1 0\nclose 2 1 1 0\nprint 4\n";
    ASSERT_EQ(RunScript(script), 0) << Err;
    const std::string expected = "gap 2 0 248 0\n"
                                 "gap none\n" // 496 units to rail 1
                                 "close 1 0 0 S248\n"
                                 "close 2 0 0 S186 S62\n"
                                 "close 3 0 0 S124 S124\n"
                                 "close 4 0 0 S62 S186\n"
                                 "close 5 0 0 S124 S62 S62\n"
                                 "close 6 0 0 S62 S124 S62\n"
                                 "close 7 0 0 S62 S62 S124\n"
                                 "gap none\n"
                                 "close none\n";
    ASSERT_EQ(Out.substr(0, expected.size()), expected);
    // The second piece laid is joined to rail 2's end 0.
    EXPECT_NE(Out.find("\"S124\",0,4,"), std::string::npos) << Out;
    EXPECT_NE(Out.find("#FALSE#,#FALSE#,#TRUE#,1,3,0,2,"), std::string::npos) << Out;
}

TEST_F(CheckCli, BadGapAndCloseLinesAreUsageErrors) {
    for (const char* line : {"gap 1", "gap 9 0", "close 1 1 1 1", "close 1 0 1 1 99"}) {
        EXPECT_EQ(RunScript("catalogue " + Catalogue + "\ntool straight S248\nfree 0 0 90\n" +
                            line + "\n"),
                  64)
            << line;
    }
}

} // namespace
