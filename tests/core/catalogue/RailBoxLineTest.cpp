#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/CatalogueTestFiles.h"
#include "core/compute/catalogue/CatalogueParser.h"
#include "core/compute/catalogue/RailBoxLine.h"

using namespace ferrovane::catalogue;

namespace {

std::string Line(const std::string& name, int kind) {
    return "\"" + name + "\"," + std::to_string(kind) +
           ",0,100,45,#TRUE#,#FALSE#,255,1.5,-2,90,#TRUE#,2";
}

} // namespace

TEST(ParseRailBoxLine, BoxesNumberTheirMembers) {
    const auto r = ParseCatalogue(
        ferrovane::testing::CatalogueBytes(
            {"\"RailBox:\"", Line("#箱A", 5), Line(" S1", 0), Line(" R1", 1), Line("#箱B", 5),
             Line("xあ", 0), "\"End\",0,0,0,0,#FALSE#,#FALSE#,0,0,0,0,#FALSE#,0", "\"End\""}),
        128);
    ASSERT_EQ(r.Outcome, CatalogueParseOutcome::Read);
    const auto& c = r.Catalogue;
    EXPECT_EQ(c.RailBoxRailMax, 4);
    ASSERT_EQ(c.RailBoxRails.size(), 5u);
    const struct {
        const char* name;
        int memberIndex, boxHigh, boxStart;
    } expected[] = {
        {"箱A", 0, 2, 0}, {"S1", 1, 2, 0}, {"R1", 2, 2, 0}, {"箱B", 0, 1, 3}, {"あ", 1, 1, 3}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& rail = c.RailBoxRails[i];
        EXPECT_EQ(rail.Name, expected[i].name) << i;
        EXPECT_EQ(rail.MemberIndex, expected[i].memberIndex) << i;
        EXPECT_EQ(rail.BoxHigh, expected[i].boxHigh) << i;
        EXPECT_EQ(rail.BoxStart, expected[i].boxStart) << i;
        EXPECT_EQ(rail.ReaderZero, 0);
    }
    const auto& s1 = c.RailBoxRails[1];
    EXPECT_EQ(s1.MemberKind, 0);
    EXPECT_EQ(s1.Size, 100.0f);
    EXPECT_EQ(s1.CurveAngle, 45.0f);
    EXPECT_TRUE(s1.Free0);
    EXPECT_FALSE(s1.Free1);
    EXPECT_EQ(s1.Color, 255);
    EXPECT_EQ(s1.OffsetX, 1.5f);
    EXPECT_EQ(s1.OffsetY, -2.0f);
    EXPECT_EQ(s1.RelAngle, 90.0f);
    EXPECT_TRUE(s1.Ungrouped);
    EXPECT_EQ(s1.Reserved, 2);
}

TEST(ParseRailBoxLine, EmptySectionLeavesNoBoxes) {
    const auto r = ParseCatalogue(
        ferrovane::testing::CatalogueBytes(
            {"\"RailBox:\"", "\"End\",0,0,0,0,#FALSE#,#FALSE#,0,0,0,0,#FALSE#,0", "\"End\""}),
        128);
    ASSERT_EQ(r.Outcome, CatalogueParseOutcome::Read);
    EXPECT_TRUE(r.Catalogue.RailBoxRails.empty());
    EXPECT_EQ(r.Catalogue.RailBoxRailMax, 0);
}

TEST(ParseRailBoxLine, RefusesToOutgrowIntegerIndices) {
    Catalogue c;
    c.RailBoxRailMax = MaxRailBoxRailIndex;
    RailBoxLineState state;
    EXPECT_FALSE(ParseRailBoxLine(c, state, "#X", RailBoxRail{}));
    EXPECT_TRUE(c.RailBoxRails.empty());
}
