#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliRun.h"
#include "cli/ScriptLayouts.h"
#include "cli/TextLines.h"

namespace {

const std::string& Catalogue = ferrovane::testing::NCatalogue;

using ferrovane::testing::ThreeRails;

const std::string All = "print 1\nprint 2\nprint 3\n";

using ferrovane::testing::Lines;

using ScriptRedoCli = ferrovane::testing::CliRun;

std::vector<std::string> Slice(const std::vector<std::string>& lines, std::size_t first) {
    return {lines.begin() + static_cast<std::ptrdiff_t>(first),
            lines.begin() + static_cast<std::ptrdiff_t>(first + 3)};
}

// redo gives back what undo took, action by action and record for record, and a line
// with nothing to redo does nothing.
TEST_F(ScriptRedoCli, RedoGivesBackWhatUndoTook) {
    ASSERT_EQ(RunScript(ThreeRails + "move 10.4 7.5\nselect 1 3\ndeletesel\n" + All + // 0
                        "undo\nredo\n" + All +                                        // 3
                        "undo\nundo\nundo\n" + All +                                  // 6
                        "redo\nredo\nredo\n" + All +                                  // 9
                        "redo\nredo\n" + All),                                        // 12
              0)
        << Err;
    const auto out = Lines(Out);
    ASSERT_EQ(out.size(), 15u) << Out;
    const auto cut = Slice(out, 0);
    EXPECT_EQ(Slice(out, 3), cut);
    EXPECT_NE(Slice(out, 6), cut);
    EXPECT_EQ(out[8].rfind("#FALSE#,3,", 0), 0u) << out[8]; // the curve's placement taken back
    EXPECT_EQ(Slice(out, 9), cut);
    EXPECT_EQ(Slice(out, 12), cut);
}

// A new edit or an opened layout leaves nothing to redo.
TEST_F(ScriptRedoCli, NewEditsAndLayoutsLeaveNothingToRedo) {
    const std::string saved = Temp("three.fvl");
    const struct {
        std::string between;
    } cases[] = {{"recolour 1 255\n"}, {"open " + saved + "\n"}};
    for (const auto& c : cases) {
        ASSERT_EQ(RunScript(ThreeRails + "save " + saved + "\nrecolour 2 12345\nundo\n" +
                            c.between + "print 2\nredo\nprint 2\n"),
                  0)
            << c.between << Err;
        const auto out = Lines(Out);
        ASSERT_EQ(out.size(), 2u) << Out;
        EXPECT_EQ(out[1], out[0]) << c.between;
        EXPECT_EQ(out[1].find(",12345,"), std::string::npos) << c.between;
    }
    EXPECT_EQ(RunScript("redo now\n"), 64);
    EXPECT_NE(Err.find("redo takes no arguments"), std::string::npos) << Err;
}

} // namespace
