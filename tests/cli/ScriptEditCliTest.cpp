#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "cli/ScriptLayouts.h"
#include "cli/TextLines.h"

namespace {

const std::string& Catalogue = ferrovane::testing::NCatalogue;

using ferrovane::testing::ThreeRails;

using ferrovane::testing::EndsWith;
using ferrovane::testing::Lines;
using ferrovane::testing::StartsWith;

using ScriptEditCli = ferrovane::testing::CliRun;

TEST_F(ScriptEditCli, DeletionsAndTheirUndoRestoreEveryRecord) {
    const std::string all = "print 1\nprint 2\nprint 3\n";
    ASSERT_EQ(RunScript(ThreeRails + all + "select 1 3\ndeletesel\n" + all + "undo\n" +
                        all +                                 // 3, 6, 9
                        "delete 2\n" + all + "undo\n" + all + // 12, 15
                        "select 1 2 1\ncut\n" + all),         // 18
              0)
        << Err;
    const auto out = Lines(Out);
    ASSERT_EQ(out.size(), 18u) << Out;
    const std::vector<std::string> before(out.begin(), out.begin() + 3);
    // The selection went as one action; its rails are gone, the one between them lost
    // both neighbours, and one undo gives back every field of every rail.
    EXPECT_TRUE(StartsWith(out[3], "#FALSE#,1,")) << out[3];
    EXPECT_TRUE(StartsWith(out[4], "#TRUE#,2,")) << out[4];
    EXPECT_NE(out[4], before[1]);
    EXPECT_TRUE(StartsWith(out[5], "#FALSE#,3,")) << out[5];
    EXPECT_EQ(std::vector<std::string>(out.begin() + 6, out.begin() + 9), before);
    EXPECT_TRUE(StartsWith(out[10], "#FALSE#,2,")) << out[10];
    EXPECT_NE(out[9], before[0]);
    EXPECT_EQ(std::vector<std::string>(out.begin() + 12, out.begin() + 15), before);
    // Clicking rail 1 a second time took it out of the selection: only rail 2 was cut.
    EXPECT_TRUE(StartsWith(out[15], "#TRUE#,1,")) << out[15];
    EXPECT_TRUE(StartsWith(out[16], "#FALSE#,2,")) << out[16];
    EXPECT_TRUE(StartsWith(out[17], "#TRUE#,3,")) << out[17];
}

TEST_F(ScriptEditCli, EachEditTakesEffectAndOneUndoTakesItBack) {
    struct Case {
        const char* lines; // the edit, after the three rails
        int rail;          // the rail printed before, after and after undo
        const char* prefix;
        const char* part; // found in the edited record
        const char* suffix;
    } cases[] = {
        {"recolour 2 255", 2, "#TRUE#,2,\"S248\"", "", ",255,0"},
        {"rename 2 Bridge  \"over  the\" river", 2, "#TRUE#,2,\"Bridge over  the river\",0,", "",
         ""},
        {"rename 3 カーブ", 3, "#TRUE#,3,\"カーブ\",1,", "", ",4227072,0"},
        {"elevate 1 S186", 1, "#TRUE#,1,\"S186\",0,", "#TRUE#,0,0,0,24768,0", ""},
        {"move 100 -50", 1, "#TRUE#,1,", ",600,450,352,450,", ""},
        {"move +0.5 2E1", 3, "#TRUE#,3,", ",4.5,520,", ""},
        {"select 1 2\nrecoloursel 4227072", 1, "#TRUE#,1,", "", ",4227072,0"},
        {"select 2 3\nrecoloursel 12345", 3, "#TRUE#,3,", "", ",12345,0"},
        {"selectbox 600 400 0 600\ndeletesel", 2, "#FALSE#,2,", "", ""},
    };
    for (const auto& c : cases) {
        const std::string print = "print " + std::to_string(c.rail) + "\n";
        ASSERT_EQ(RunScript(ThreeRails + print + c.lines + "\n" + print + "undo\n" + print), 0)
            << c.lines << "\n"
            << Err;
        const auto out = Lines(Out);
        ASSERT_EQ(out.size(), 3u) << c.lines << "\n" << Out;
        EXPECT_NE(out[1], out[0]) << c.lines;
        EXPECT_TRUE(StartsWith(out[1], c.prefix)) << c.lines << "\n" << out[1];
        EXPECT_NE(out[1].find(c.part), std::string::npos) << c.lines << "\n" << out[1];
        EXPECT_TRUE(EndsWith(out[1], c.suffix)) << c.lines << "\n" << out[1];
        EXPECT_EQ(out[2], out[0]) << c.lines;
    }
}

// The three rails reach from x -175.6051 (the curve's outline) to 500 and from y 495 to
// 576.4659. A move that would put any of them outside -30000..60000 is refused with a
// warning and records nothing, so the next undo takes back the curve's placement. A move
// that is made comes back bit for bit on undo, although the offsets round the curve's
// coordinates (taken off again they would not give the old values).
TEST_F(ScriptEditCli, MoveStaysInTheLayoutRangeAndUndoRestoresEveryBit) {
    const std::string warning = "警告: 移動後にレールがレイアウトの範囲(-30000〜60000)を超える"
                                "ため、移動できません。";
    const struct {
        const char* move;
        bool made;
    } cases[] = {
        {"move 59500 0", true},     {"move 59500.01 0", false},
        {"move -29824.39 0", true}, {"move -29824.4 0", false},
        {"move 0 -30495", true},    {"move 0 -30495.01", false},
        {"move 0 59423.5", true},   {"move 0 59423.55", false},
        {"move 1e8 0", false},      {"move 1e38 1e38", false},
        {"move -1e38 0", false},    {"move 0 -1e38", false},
        {"move 0.1 -0.1", true},    {"move 12345.678 -9876.543", true},
    };
    const std::string print = "print 1\nprint 3\n";
    for (const auto& c : cases) {
        ASSERT_EQ(RunScript(ThreeRails + print + c.move + "\n" + print + "undo\n" + print), 0)
            << c.move << "\n"
            << Err;
        const auto out = Lines(Out);
        ASSERT_EQ(out.size(), 6u) << c.move << "\n" << Out;
        EXPECT_EQ(Err.find(warning) != std::string::npos, !c.made) << c.move << "\n" << Err;
        if (c.made) {
            EXPECT_NE(out[2], out[0]) << c.move;
            EXPECT_NE(out[3], out[1]) << c.move;
            EXPECT_EQ(out[4], out[0]) << c.move;
            EXPECT_EQ(out[5], out[1]) << c.move;
        } else {
            EXPECT_EQ(out[2], out[0]) << c.move;
            EXPECT_EQ(out[3], out[1]) << c.move;
            EXPECT_EQ(out[4], out[0]) << c.move;
            EXPECT_TRUE(StartsWith(out[5], "#FALSE#,3,")) << c.move << "\n" << out[5];
        }
    }
}

TEST_F(ScriptEditCli, MovesAreTakenBackOneAtATimeExactly) {
    // Each move rounds the coordinates again; each undo gives back what was there.
    const std::string print = "print 3\n";
    ASSERT_EQ(RunScript(ThreeRails + print + "move 30000.3 0\n" + print + "move -0.7 20000.9\n" +
                        print + "undo\n" + print + "undo\n" + print),
              0)
        << Err;
    const auto out = Lines(Out);
    ASSERT_EQ(out.size(), 5u) << Out;
    EXPECT_NE(out[1], out[0]);
    EXPECT_NE(out[2], out[1]);
    EXPECT_EQ(out[3], out[1]);
    EXPECT_EQ(out[4], out[0]);
}

TEST_F(ScriptEditCli, RecolouringTheSelectionEmptiesIt) {
    // The second recoloursel finds nothing selected, so rail 1 keeps the first colour.
    ASSERT_EQ(RunScript(ThreeRails + "select 1\nrecoloursel 100\nrecoloursel 200\nprint 1\n"), 0)
        << Err;
    EXPECT_TRUE(EndsWith(Lines(Out).at(0), ",100,0")) << Out;
    ASSERT_EQ(RunScript(ThreeRails + "select 1\nselect none\nrecoloursel 300\nprint 1\n"), 0)
        << Err;
    EXPECT_TRUE(EndsWith(Lines(Out).at(0), ",24768,0")) << Out;
}

TEST_F(ScriptEditCli, InformationSizeAndPartsList) {
    ASSERT_EQ(RunScript(ThreeRails + "info\nsize 3000 2500.4\ninfo\nmove 10 10\ninfo\nparts\n"), 0)
        << Err;
    // Extent x: 500 + 20 down to the curve's end at -172.07 - 20; y: 495 - 20 to 576.47 + 20.
    EXPECT_EQ(Out, "716 x 121  (設定サイズ : 2000 x 2000)\n"
                   "3本\n"
                   "716 x 121  (設定サイズ : 3000 x 2500)\n"
                   "3本\n"
                   "716 x 121  (設定サイズ : 3000 x 2500)\n"
                   "3本\n"
                   "ストレートレール:\n"
                   "  S248                   2  本\n"
                   "\n"
                   "カーブレール:\n"
                   "  R249-45                1  本\n"
                   "\n"
                   "ポイントレール:\n"
                   "\n"
                   "レール箱レール:\n"
                   "\n"
                   "その他:\n"
                   "  フレキシブルレール     0  本\n"
                   "  文字 : 0\n"
                   "\n"
                   "総レール数 : 3 本\n");
}

TEST_F(ScriptEditCli, CopyAndCutFillTheClipRailBoxForPasting) {
    // The box takes in the middle points of the two straights (376 and 128 on y = 500),
    // not the curve's (-91).
    ASSERT_EQ(RunScript(ThreeRails + "selectbox 0 400 600 600\ncopy\n"
                                     "tool box クリップレール\nfree 1500 1500 0\ninfo\n"
                                     "select 3\ncut\nprint 3\nfree 2500 1500 0\ninfo\n"),
              0)
        << Err;
    const auto out = Lines(Out);
    ASSERT_EQ(out.size(), 5u) << Out;
    EXPECT_EQ(out[1], "5本");
    // The cut deleted the curve, and pasting now lays the curve alone.
    EXPECT_TRUE(StartsWith(out[2], "#FALSE#,3,")) << out[2];
    EXPECT_EQ(out[4], "5本");
}

std::vector<std::string> Fields(const std::string& record) {
    std::vector<std::string> fields;
    std::istringstream in(record);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    return fields;
}

TEST_F(ScriptEditCli, RailBoxesAndTheClipRailAreLaidAtAFreeEnd) {
    struct Case {
        const char* setup;
        const char* count; // rails after the box
    } cases[] = {
        {"tool box 半楕円 R249\n", "9本"},
        {"selectbox 0 400 600 600\ncopy\ntool box クリップレール\n", "5本"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setup);
        // The curve's end 1 is the free end the box is laid at.
        ASSERT_EQ(RunScript(ThreeRails + c.setup + "at 3 1\ninfo\nprint 3\nprint 4\n"), 0) << Err;
        const auto out = Lines(Out);
        ASSERT_GE(out.size(), 3u) << Out;
        EXPECT_EQ(out[out.size() - 3], c.count) << Out;
        // Both sides of the joint name each other: rail 3's end 1 and the box's first rail.
        const auto curve = Fields(out[out.size() - 2]), first = Fields(out.back());
        ASSERT_GT(curve.size(), 15u);
        ASSERT_GT(first.size(), 15u);
        const auto at = [](const std::vector<std::string>& f, std::size_t fromEnd) {
            return f[f.size() - fromEnd];
        };
        EXPECT_EQ(at(curve, 14), "#FALSE#"); // Free1
        EXPECT_EQ(at(curve, 9), "4");        // Link1
        EXPECT_EQ(at(first, 11), "3");       // Link0
        EXPECT_EQ(at(first, 12), "1");       // LinkEnd0
    }
}

TEST_F(ScriptEditCli, BadLinesNameTheirLineAndStopTheScript) {
    struct Case {
        const char* line;
        const char* problem;
    } cases[] = {
        {"select 9", "line 7: no rail 9"},
        {"select 1 x", "line 7: no rail x"},
        {"select", "line 7: select takes RAIL... or none"},
        {"selectbox 1 2 3", "line 7: selectbox takes X0 Y0 X1 Y1"},
        {"selectbox 1 2 3 9999999999", "line 7: bad coordinate 9999999999"},
        {"delete 0", "line 7: no rail 0"},
        {"delete 1\ndelete 1", "line 8: no rail 1"},
        {"deletesel 1", "line 7: deletesel takes no arguments"},
        {"move 1", "line 7: move takes DX DY"},
        {"move 1 abc", "line 7: bad offset"},
        {"move nan 1", "line 7: bad offset"},
        {"size 30001 10", "line 7: sizes run from 0 to 30000"},
        {"size -1 10", "line 7: sizes run from 0 to 30000"},
        {"recolour 1 red", "line 7: bad colour red"},
        {"recolour 1 16777216", "line 7: bad colour 16777216"},
        {"recolour 4 0", "line 7: no rail 4"},
        {"recoloursel", "line 7: recoloursel takes COLOR"},
        {"rename 1", "line 7: rename takes RAIL TEXT"},
        {"elevate 1 ユーザーレール", "line 7: rail 1 cannot become \"ユーザーレール\""},
        {"elevate 3 S186", "line 7: rail 3 cannot become \"S186\""},
        {"elevate 1", "line 7: elevate takes RAIL TYPENAME"},
        {"copy now", "line 7: copy takes no arguments"},
        {"cut 1", "line 7: cut takes no arguments"},
        {"parts all", "line 7: parts takes no arguments"},
        {"info 1", "line 7: info takes no arguments"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunScript(ThreeRails + c.line + "\ninfo\n"), 64) << c.line;
        EXPECT_NE(Err.find("ferrovane-cli script: " + std::string(c.problem)), std::string::npos)
            << c.line << "\n"
            << Err;
        // The line after the bad one does not run.
        EXPECT_EQ(Out, "") << c.line;
    }
}

} // namespace
