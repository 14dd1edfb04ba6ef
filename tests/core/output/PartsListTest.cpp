#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/compute/output/PartsList.h"
#include "core/values/model/Layout.h"

using namespace ferrovane;

namespace {

model::Rail Piece(const std::string& name, std::uint8_t kind, bool valid = true) {
    model::Rail r;
    r.Valid = valid;
    r.Name = name;
    r.Kind = kind;
    return r;
}

model::Layout LayoutOf(const std::vector<model::Rail>& rails) {
    model::Layout layout;
    for (const auto& r : rails)
        layout.AppendRail() = r;
    return layout;
}

} // namespace

TEST(PartsList, EveryKindInItsSectionWithAlignedCounts) {
    using namespace model;
    const auto layout = LayoutOf({
        Piece("S248", KindStraight), Piece("C541-30", KindCurve), Piece("S248", KindStraight),
        Piece("S124  ", KindStraight),      // trailing blanks are not shown
        Piece("S248", KindStraight, false), // deleted: not counted
        Piece("P186", KindPoint), Piece("曲線ポイント", KindPoint), Piece("Loop", KindBoxHeadCurve),
        Piece("Loop", KindBoxMemberCurve), // members are part of the group
        Piece("Loop", KindBoxMemberCurve), Piece("Loop", KindBoxHeadStraight),
        Piece("フレキシブルレール", KindFlexible), Piece("ＭＳ ゴシックhello", KindText),
        Piece("ＭＳ ゴシックworld", KindText), Piece("odd", 7), // not listed anywhere
    });
    // The widest name is "フレキシブルレール" (18 columns), so counts start at column
    // 2 + 18 + 2.
    const std::vector<std::string> expected = {
        "ストレートレール:",
        "  S248                   2  本",
        "  S124                   1  本",
        "",
        "カーブレール:",
        "  C541-30                1  本",
        "",
        "ポイントレール:",
        "  P186                   1  本",
        "  曲線ポイント           1  本",
        "",
        "レール箱レール:",
        "  Loop                   2  本",
        "",
        "その他:",
        "  フレキシブルレール     1  本",
        "  文字 : 2",
        "",
        "総レール数 : 9 本",
    };
    EXPECT_EQ(output::BuildPartsList(layout), expected);
}

TEST(PartsList, EmptyLayoutShowsEveryHeader) {
    const auto lines = output::BuildPartsList(model::Layout{});
    const std::vector<std::string> expected = {
        "ストレートレール:", "",
        "カーブレール:",     "",
        "ポイントレール:",   "",
        "レール箱レール:",   "",
        "その他:",           "  フレキシブルレール     0  本",
        "  文字 : 0",        "",
        "総レール数 : 0 本"};
    EXPECT_EQ(lines, expected);
}

TEST(PartsList, LongNameWidensTheColumnAndNamesCompareExactly) {
    using namespace model;
    const std::string longName = "ＬＯＮＧＮＡＭＥＴＥＳＴ"; // 12 full-width: 24 columns
    const auto layout = LayoutOf({Piece(longName, KindStraight), Piece("s248", KindStraight),
                                  Piece("S248", KindStraight), Piece("Ｓ248", KindStraight)});
    const auto lines = output::BuildPartsList(layout);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[1], "  " + longName + "     1  本");
    EXPECT_EQ(lines[2], "  s248" + std::string(22, ' ') + "   1  本");
    EXPECT_EQ(lines[3], "  S248" + std::string(22, ' ') + "   1  本");
    EXPECT_EQ(lines[4], "  Ｓ248" + std::string(21, ' ') + "   1  本");
}

TEST(PartsList, CountsBeyondFourDigitsStillFollowTheName) {
    model::Layout layout;
    for (int i = 0; i < 12345; ++i)
        layout.AppendRail() = Piece("S", model::KindStraight);
    const auto lines = output::BuildPartsList(layout);
    EXPECT_EQ(lines[1], "  S" + std::string(19, ' ') + "12345  本");
    EXPECT_EQ(lines.back(), "総レール数 : 12345 本");
}

TEST(DisplayWidth, HalfAndFullWidthColumns) {
    const struct {
        std::string text;
        std::size_t width;
    } cases[] = {{"", 0},     {"abc", 3},   {"ｱｲｳ", 3}, {"アイウ", 6},
                 {"ＡＢ", 4}, {"a\xE3", 2}, {"レ1", 3}};
    for (const auto& c : cases)
        EXPECT_EQ(output::DisplayWidth(c.text), c.width) << c.text;
}

TEST(PartsList, JoinEndsEveryLine) {
    EXPECT_EQ(output::JoinPartsList({"a", "", "b"}, "\r\n"), "a\r\n\r\nb\r\n");
}
