#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "cli/TextLines.h"

namespace {

using ferrovane::testing::ReadFile;

std::vector<std::string> Fields(const std::string& record) {
    std::vector<std::string> fields;
    std::istringstream in(record);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    return fields;
}

using ferrovane::testing::EndsWith;
using ferrovane::testing::Lines;
using ferrovane::testing::StartsWith;

// Pixels of a 24-bit BMP that are not white.
std::size_t DarkPixels(const std::string& path) {
    const std::string bytes = ReadFile(path);
    std::size_t n = 0;
    for (std::size_t i = 54; i < bytes.size(); ++i)
        n += static_cast<unsigned char>(bytes[i]) != 0xFF;
    return n;
}

class LabelCli : public ferrovane::testing::CliRun {
protected:
    void SetUp() override {
        CliRun::SetUp();
        // Labels are measured by the Qt text engine: without it there is no label line.
        Run({"render"});
        if (Err.find("unknown command") != std::string::npos) GTEST_SKIP() << "no Qt text";
    }
};

TEST_F(LabelCli, LaidLabelsAreSavedLoadedBackCountedFoundAndDrawn) {
    const std::string saved = Temp("labels.fvl");
    ASSERT_EQ(RunScript("label 300 400 \"Main station\"\n"
                        "label 1000 200 Yard \"Noto Sans\" 48 bold italic FF8000\n"
                        "print 1\nprint 2\nsave " +
                        saved + "\n"),
              0)
        << Err;
    const auto laid = Lines(Out);
    ASSERT_EQ(laid.size(), 2u) << Out;
    // Default style: the system's first font, 12, regular, black.
    EXPECT_TRUE(StartsWith(laid[0], "#TRUE#,1,\"")) << laid[0];
    EXPECT_NE(laid[0].find("Main station\",100,1,12,"), std::string::npos) << laid[0];
    EXPECT_NE(laid[0].find(",0,0,0,0,0,0,0,0,300,400,"), std::string::npos) << laid[0];
    EXPECT_TRUE(EndsWith(laid[0], ",#FALSE#,#FALSE#,#FALSE#,0,0,0,0,0,0,#FALSE#,0,0,0,0,0"))
        << laid[0];
    // Font name then text, the font name's length, the size, bold and italic in the first
    // two end flags, red FF in the low byte.
    EXPECT_TRUE(StartsWith(laid[1], "#TRUE#,2,\"Noto SansYard\",100,2,48,9,0,0,0,0,0,0,0,0,"
                                    "1000,200,"))
        << laid[1];
    EXPECT_TRUE(EndsWith(laid[1], ",#TRUE#,#TRUE#,#FALSE#,0,0,0,0,0,0,#FALSE#,0,0,0,33023,0"))
        << laid[1];
    const auto f = Fields(laid[1]);
    ASSERT_GE(f.size(), 31u);
    // C2 on the top edge to the right, C3 below it, C4 below C1; the middle between them.
    EXPECT_GT(std::stof(f[17]), 1000);
    EXPECT_EQ(f[18], "200");
    EXPECT_EQ(f[19], f[17]);
    EXPECT_GT(std::stof(f[20]), 200);
    EXPECT_EQ(f[21], "1000");
    EXPECT_EQ(f[22], f[20]);
    const std::string midX = f[29], midY = f[30];
    EXPECT_FLOAT_EQ(std::stof(midX), (1000 + std::stof(f[17])) / 2);

    // Loaded back: the same records, and the hit test finds the label at its middle.
    ASSERT_EQ(RunScript("open " + saved + "\nprint 1\nprint 2\ndetect " + midX + " " + midY + "\n"),
              0)
        << Err;
    const auto loaded = Lines(Out);
    ASSERT_EQ(loaded.size(), 3u) << Out;
    EXPECT_EQ(loaded[0], laid[0]);
    EXPECT_EQ(loaded[1], laid[1]);
    EXPECT_TRUE(StartsWith(loaded[2], "detect 1 ")) << loaded[2];
    EXPECT_TRUE(EndsWith(loaded[2], " 2")) << loaded[2];

    ASSERT_EQ(Run({"parts", saved}), 0) << Err;
    EXPECT_NE(Out.find("その他:\n  フレキシブルレール     0  本\n  文字 : 2\n"), std::string::npos)
        << Out;

    const std::string empty = Temp("empty.fvl");
    ASSERT_EQ(RunScript("save " + empty + "\n"), 0) << Err;
    const std::string withLabels = Temp("labels.bmp"), without = Temp("empty.bmp");
    ASSERT_EQ(Run({"render", saved, withLabels, "--zoom", "50", "--grid", "off"}), 0) << Err;
    ASSERT_EQ(Run({"render", empty, without, "--zoom", "50", "--grid", "off"}), 0) << Err;
    EXPECT_GT(DarkPixels(withLabels), DarkPixels(without) + 50);
}

TEST_F(LabelCli, BadLinesAreReportedAndLayNothing) {
    const std::string tooLong(81, 'a');
    struct Case {
        std::string line;
        const char* problem;
    } cases[] = {
        {"label 1 2", "label takes X Y TEXT [FONT SIZE [bold] [italic] [RRGGBB]]"},
        {"label 1 2 A Sans", "label takes X Y TEXT"},
        {"label x 2 A", "bad position"},
        {"label 1 2e9 A", "bad position"},
        {"label 1 2 \"\"", "label text empty or longer than 80 half-width characters"},
        {"label 1 2 \"   \"", "label text empty"},
        {"label 1 2 " + tooLong, "longer than 80"},
        {"label 1 2 A Sans 0", "bad size 0"},
        {"label 1 2 A Sans big", "bad size big"},
        {"label 1 2 A \"\" 12", "empty font name"},
        {"label 1 2 A Sans 12 bold bold", "bad label style bold"},
        {"label 1 2 A Sans 12 GG0000", "bad label style GG0000"},
        {"label 1 2 A Sans 12 FF00", "bad label style FF00"},
        {"label 1 2 A Sans 12 000000 FFFFFF", "bad label style FFFFFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunScript(c.line + "\n"), 64) << c.line;
        EXPECT_NE(Err.find("line 1: "), std::string::npos) << c.line << ": " << Err;
        EXPECT_NE(Err.find(c.problem), std::string::npos) << c.line << ": " << Err;
    }
    // Eighty half-width or forty full-width characters are the most a label holds.
    ASSERT_EQ(
        RunScript("label 1 2 " + std::string(80, 'a') +
                  "\nlabel 1 2 "
                  "駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅駅"
                  "\nparts\n"),
        0)
        << Err;
    EXPECT_NE(Out.find("  文字 : 2\n"), std::string::npos) << Out;
}

} // namespace
