#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue/CatalogueTestFiles.h"
#include "core/compute/catalogue/CatalogueParser.h"

using namespace ferrovane::catalogue;
using ferrovane::testing::CatalogueBytes;

namespace {

constexpr std::int32_t kRailColor = 128;
const std::string kUser = "\"ユーザーレール\"";

CatalogueParseResult Parse(const std::vector<std::string>& lines) {
    return ParseCatalogue(CatalogueBytes(lines), kRailColor);
}

std::vector<std::string> Names(const std::vector<RType>& types) {
    std::vector<std::string> names;
    for (const auto& t : types)
        names.push_back(t.Name);
    return names;
}

} // namespace

TEST(ParseCatalogue, SectionsStoreTheirEntries) {
    const struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::function<void(const Catalogue&)> check;
    } cases[] = {
        {"new straight section: two rails and the user rail",
         {"\"ColorStraight:\"", "\"A\",248,255,1", "\"B\",124,65280,2", kUser + ",100,7,0",
          "\"End\",0,0,0", "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(c.StraightTypeMax, 2);
             EXPECT_EQ(Names(c.StraightTypes),
                       (std::vector<std::string>{"A", "B", "ユーザーレール"}));
             EXPECT_EQ(c.StraightTypes[0].Length, 248.0f);
             EXPECT_EQ(c.StraightTypes[1].Color, 65280);
             EXPECT_EQ(c.StraightTypes[1].Level, 2);
             EXPECT_EQ(c.StraightTypes[2].IsUserRail, -1);
             EXPECT_EQ(c.StraightTypes[2].Color, 7);
             EXPECT_EQ(c.StraightTypes[0].IsUserRail, 0);
             EXPECT_EQ(c.StraightTypes[0].Kind, 0);
         }},
        {"old straight section appends a user rail in the rail colour",
         {"\"Straight:\"", "\"A\",248", "\"B\",124", "\"End\",0", "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(c.StraightTypeMax, 2);
             ASSERT_EQ(c.StraightTypes.size(), 3u);
             EXPECT_EQ(c.StraightTypes[0].Color, kRailColor);
             EXPECT_EQ(c.StraightTypes[1].Length, 124.0f);
             EXPECT_EQ(c.StraightTypes[2].Name, "ユーザーレール");
             EXPECT_EQ(c.StraightTypes[2].Color, kRailColor);
             EXPECT_EQ(c.StraightTypes[2].IsUserRail, -1);
         }},
        {"old curve section: every angle 45, the old spelling too",
         {"\"Curb:\"", "\"R1\",100", "\"R2\",600", "\"End\",0", "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(c.CurveTypeMax, 2);
             for (const auto& t : c.CurveTypes)
                 EXPECT_EQ(t.Angle, 45.0f) << t.Name;
             EXPECT_EQ(c.CurveTypes[1].Radius, 600.0f);
             EXPECT_EQ(c.CurveTypes[1].Kind, 1);
         }},
        {"new curve section under its old spelling",
         {"\"ColorCurb:\"", "\"R1\",541,15,99,1", kUser + ",100,45,128,0", "\"End\",0,0,0,0",
          "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(c.CurveTypeMax, 1);
             EXPECT_EQ(c.CurveTypes[0].Radius, 541.0f);
             EXPECT_EQ(c.CurveTypes[0].Angle, 15.0f);
             EXPECT_EQ(c.CurveTypes[0].Color, 99);
         }},
        {"old point sections: user rail angles 15 after Point:, 45 after CPoint:",
         {"\"Point:\"", "\"P\",140,541,15", "\"End\",0,0,0", "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(c.PointTypeMax, 1);
             EXPECT_EQ(c.PointTypes[1].Name, "ユーザーレール");
             EXPECT_EQ(c.PointTypes[1].Angle, 15.0f);
             EXPECT_EQ(c.PointTypes[0].Color, kRailColor);
         }},
        {"CPoint: replaces the point section's user rail and negates the length",
         {"\"Point:\"", "\"P\",140,541,15", "\"End\",0,0,0", "\"CPoint:\"", "\"C\",52,280,45",
          "\"End\",0,0,0", "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(Names(c.PointTypes), (std::vector<std::string>{"P", "C", "ユーザーレール"}));
             EXPECT_EQ(c.PointTypeMax, 2);
             EXPECT_EQ(c.PointTypes[1].Length, -52.0f);
             EXPECT_TRUE(c.PointTypes[1].IsCurvedPoint());
             EXPECT_EQ(c.PointTypes[2].Angle, 45.0f);
         }},
        {"ColorCPoint: overwrites the last point line and stores minus the magnitude",
         {"\"ColorPoint:\"", "\"P\",140,541,15,5", kUser + ",100,100,45,6", "\"End\",0,0,0,0",
          "\"ColorCPoint:\"", "\"C1\",52,280,45,7", "\"C2\",-60,280,45,8", "\"End\",0,0,0,0",
          "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(Names(c.PointTypes), (std::vector<std::string>{"P", "C1", "C2"}));
             EXPECT_EQ(c.PointTypeMax, 2);
             EXPECT_EQ(c.PointTypes[1].Length, -52.0f);
             EXPECT_EQ(c.PointTypes[2].Length, -60.0f);
             EXPECT_EQ(c.PointTypes[2].Color, 8);
             EXPECT_EQ(c.PointTypes[0].Hand, 0);
         }},
        {"ColorPoint2: Hand takes a boolean, a curved point keeps its negative length",
         {"\"ColorPoint2:\"", "\"L\",140,541,15,#TRUE#,5,1", "\"C\",-52.3,280,45,-1,6,2",
          kUser + ",100,100,45,0,128,0", "\"End\",0,0,0,0,0,0", "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(c.PointTypeMax, 2);
             EXPECT_EQ(c.PointTypes[0].Hand, -1);
             EXPECT_EQ(c.PointTypes[0].Level, 1);
             EXPECT_EQ(c.PointTypes[1].Length, -52.3f);
             EXPECT_EQ(c.PointTypes[1].Kind, 2);
         }},
        {"an unknown section is skipped field by field",
         {"\"Colour:\"", "\"X\",1,2,3", "\"ColorStraight:\"", "\"A\",10,1,0", kUser + ",100,128,0",
          "\"End\",0,0,0", "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(Names(c.StraightTypes), (std::vector<std::string>{"A", "ユーザーレール"}));
         }},
        {"a stray End inside an unknown section ends the whole file",
         {"\"Unknown:\"", "\"X\",1", "\"End\",0", "\"ColorStraight:\"", "\"A\",10,1,0"},
         [](const Catalogue& c) {
             EXPECT_EQ(c, EmptyCatalogue(kRailColor)) << "nothing after the stray End is read";
         }},
        {"a section of nothing but its End leaves the user rail",
         {"\"ColorStraight:\"", "\"End\",0,0,0", "\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(c.StraightTypeMax, 0);
             EXPECT_EQ(Names(c.StraightTypes), (std::vector<std::string>{"ユーザーレール"}));
         }},
        {"LF line ends, blanks around fields, records spread over lines",
         {"\"ColorStraight:\"\n \"A\" , 12.5 ,\n 3 , 1\n\"ユーザーレール\",100,128,0\n"
          "\"End\",0,0,0\n\"End\""},
         [](const Catalogue& c) {
             EXPECT_EQ(c.StraightTypes[0].Length, 12.5f);
             EXPECT_EQ(c.StraightTypes[0].Color, 3);
             EXPECT_EQ(c.StraightTypeMax, 1);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto r = Parse(c.lines);
        ASSERT_EQ(r.Outcome, CatalogueParseOutcome::Read) << r.Error.Description;
        c.check(r.Catalogue);
        EXPECT_TRUE(r.Catalogue.RTypeFileName.empty());
    }
}

TEST(ParseCatalogue, ReadErrors) {
    const struct Case {
        const char* what;
        std::vector<std::string> lines;
        int number;
    } cases[] = {
        {"end of file before the End key",
         {"\"ColorStraight:\"", "\"A\",1,2,3", "\"End\",0,0,0"},
         ferrovane::document::ErrInputPastEnd},
        {"empty file", {}, ferrovane::document::ErrInputPastEnd},
        {"record cut short",
         {"\"ColorCurve:\"", "\"A\",1,2"},
         ferrovane::document::ErrInputPastEnd},
        {"text where a number belongs",
         {"\"ColorStraight:\"", "\"A\",long,2,3", "\"End\""},
         ferrovane::document::ErrTypeMismatch},
        {"Integer field out of range",
         {"\"ColorStraight:\"", "\"A\",1,2,40000", "\"End\""},
         ferrovane::document::ErrOverflow},
        {"Long field out of range",
         {"\"ColorStraight:\"", "\"A\",1,3000000000,0", "\"End\""},
         ferrovane::document::ErrOverflow},
        {"Single field out of range",
         {"\"ColorStraight:\"", "\"A\",1E+39,1,0", "\"End\""},
         ferrovane::document::ErrOverflow},
        {"rail box line with text in a boolean",
         {"\"RailBox:\"", "\"#B\",5,0,0,0,maybe,#FALSE#,0,0,0,0,#FALSE#,0", "\"End\""},
         ferrovane::document::ErrTypeMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto r = Parse(c.lines);
        EXPECT_EQ(r.Outcome, CatalogueParseOutcome::ReadError);
        EXPECT_EQ(r.Error.Number, c.number) << r.Error.Description;
    }
}

TEST(ParseCatalogue, NameLengthLimits) {
    const std::string a100(100, 'a'), a101(101, 'a');
    const std::string kana100 = [] {
        std::string s;
        for (int i = 0; i < 100; ++i)
            s += "レ";
        return s;
    }();
    const struct Case {
        std::vector<std::string> lines;
        CatalogueParseOutcome outcome;
        std::size_t limit;
    } cases[] = {
        {{"\"ColorStraight:\"", "\"" + a100 + "\",1,2,3", "\"End\",0,0,0", "\"End\""},
         CatalogueParseOutcome::Read,
         0},
        {{"\"ColorStraight:\"", "\"" + kana100 + "\",1,2,3", "\"End\",0,0,0", "\"End\""},
         CatalogueParseOutcome::Read,
         0},
        {{"\"ColorStraight:\"", "\"" + a101 + "\",1,2,3", "\"End\",0,0,0", "\"End\""},
         CatalogueParseOutcome::NameTooLong,
         100},
        {{"\"Straight:\"", "\"" + kana100 + "レ\",1", "\"End\",0", "\"End\""},
         CatalogueParseOutcome::NameTooLong,
         100},
        {{"\"RailBox:\"", "\"#" + std::string(98, 'b') + "\",5,0,0,0,0,0,0,0,0,0,0,0",
          "\"End\",0,0,0,0,0,0,0,0,0,0,0,0", "\"End\""},
         CatalogueParseOutcome::Read,
         0},
        {{"\"RailBox:\"", "\"#" + std::string(99, 'b') + "\",5,0,0,0,0,0,0,0,0,0,0,0",
          "\"End\",0,0,0,0,0,0,0,0,0,0,0,0", "\"End\""},
         CatalogueParseOutcome::NameTooLong,
         99},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto r = Parse(cases[i].lines);
        EXPECT_EQ(r.Outcome, cases[i].outcome) << i;
        EXPECT_EQ(r.NameLimit, cases[i].limit) << i;
    }
}

TEST(ParseCatalogue, CountsOldColorPointSections) {
    const auto r = Parse({"\"ColorPoint:\"", "\"End\",0,0,0,0", "\"ColorPoint:\"",
                          "\"End\",0,0,0,0", "\"ColorStraight:\"", "\"A\",1"});
    EXPECT_EQ(r.OldFormatNotices, 2) << "each section is announced, even before an error";
    EXPECT_EQ(r.Outcome, CatalogueParseOutcome::ReadError);
}

TEST(ParseCatalogue, FieldsASectionDoesNotCarryKeepThePreviousValue) {
    // The old point section carries no level or hand: the entries stored over the ones
    // of the new section keep theirs.
    const auto r = Parse({"\"ColorPoint2:\"", "\"P\",140,541,15,-1,5,2",
                          kUser + ",100,100,45,0,9,1", "\"End\",0,0,0,0,0,0", "\"Point:\"",
                          "\"Q\",100,500,10", "\"End\",0,0,0", "\"End\""});
    ASSERT_EQ(r.Outcome, CatalogueParseOutcome::Read);
    const auto& q = r.Catalogue.PointTypes[0];
    EXPECT_EQ(q.Name, "Q");
    EXPECT_EQ(q.Level, 2);
    EXPECT_EQ(q.Hand, -1);
    EXPECT_EQ(q.Color, kRailColor);
}
