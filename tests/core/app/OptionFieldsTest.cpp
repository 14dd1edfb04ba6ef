#include <gtest/gtest.h>

#include "core/app/options/OptionFieldChecks.h"
#include "core/app/options/OptionValues.h"
#include "support/FakeUiHost.h"

namespace ferrovane::app {
namespace {

TEST(OptionFieldTest, LeavingAFieldChecksItAndResetsWhatItRefuses) {
    using F = OptionField;
    using C = FieldCheck;
    struct Case {
        F field;
        const char* typed;
        C check;
        const char* after;   // the field's text afterwards
        const char* message; // nullptr: none
    };
    const Case cases[] = {
        {F::RailWidth, "abc", C::Reset, "5", EnterNumberText()},
        {F::RailWidth, "7", C::Accepted, "7", nullptr},
        {F::RailWidth, "-2", C::Accepted, "-2", nullptr}, // only a number is asked for
        {F::RailCenter, "", C::Reset, "5", EnterNumberText()},
        {F::GridWidth, "0", C::Reset, "100", AboveZeroText()},
        {F::GridWidth, "x", C::Reset, "100", EnterNumberText()},
        {F::GridHeight, "-5", C::Reset, "100", AboveZeroText()},
        {F::GridHeight, "20", C::Accepted, "20", nullptr},
        {F::ScrollWidth, "0.5", C::Accepted, "0.5", nullptr},
        {F::ScrollHeight, "0", C::Reset, "100", AboveZeroText()},
        {F::FlexibleDivides, "0.5", C::Reset, "10", OneOrMoreText()},
        {F::FlexibleDivides, "many", C::Reset, "10", OneOrMoreText()},
        {F::FlexibleDivides, "40", C::Accepted, "40", nullptr},
        {F::FlexibleDivides, "99999", C::Accepted, "1000", nullptr}, // the scroll bar's end
        {F::DetectRange, "abc", C::KeepFocus, "abc", "数値を代入して下さい!"},
        {F::DetectRange, "0", C::KeepFocus, "0", "0より上の数値を代入して下さい!!"},
        {F::DetectRange, "12", C::Accepted, "12", nullptr},
        {F::RailListFontSize, "big", C::KeepFocus, "big", "数値を代入して下さい!"},
        {F::RailListFontSize, "9.5", C::Accepted, "9.5", nullptr},
        {F::AutoSaveMinutes, "0", C::Accepted, "0", nullptr},
        {F::AutoSaveMinutes, "-1", C::Reset, "2", ZeroOrMoreText()},
        {F::AutoSaveMinutes, "soon", C::Reset, "2", EnterNumberText()},
    };
    for (const Case& c : cases) {
        testing::FakeUiHost host;
        OptionValues values = OptionValuesOf(Settings{});
        FieldText(values, c.field) = c.typed;
        EXPECT_EQ(LeaveOptionField(host, c.field, values), c.check) << c.typed;
        EXPECT_EQ(FieldText(values, c.field), c.after) << c.typed;
        if (c.message) {
            ASSERT_EQ(host.Messages.size(), 1u) << c.typed;
            EXPECT_EQ(host.Messages[0].Text, c.message);
            EXPECT_EQ(host.Messages[0].Title, "Ferrovane");
            EXPECT_EQ(host.Messages[0].Buttons, platform::MessageButtons::Ok);
        } else {
            EXPECT_TRUE(host.Messages.empty()) << c.typed;
        }
    }
}

TEST(OptionFieldTest, TheFlexibleRailFieldMovesItsScrollBar) {
    testing::FakeUiHost host;
    OptionValues values = OptionValuesOf(Settings{});
    ASSERT_EQ(values.FlexibleDivides, 100);
    values.FlexibleDividesText = "37";
    LeaveOptionField(host, OptionField::FlexibleDivides, values);
    EXPECT_EQ(values.FlexibleDivides, 37);
    values.FlexibleDividesText = "0";
    LeaveOptionField(host, OptionField::FlexibleDivides, values);
    EXPECT_EQ(values.FlexibleDivides, 10);
}

TEST(OptionValuesTest, OpeningShowsEverySettingAndOkWithoutChangesKeepsThem) {
    Settings s;
    s.RailWidth = 7;
    s.GridColor = 0x123456;
    s.ZoomPosition = 2;
    s.LargeToolBox = false;
    s.AboutShowItm[4] = false;
    s.FlexibleDivides = 25;
    s.DoAutoScroll = true;
    s.WindowFontName = "メイリオ";
    s.DetectRange = 12;
    s.RailListFontSize = 10.5f;
    s.Language = "en";
    s.AutoSaveMinutes = 0;
    const OptionValues v = OptionValuesOf(s);
    EXPECT_EQ(v.RailWidth, "7");
    EXPECT_EQ(v.ZoomPosition, 2);
    EXPECT_EQ(v.FontOption, 2);
    EXPECT_EQ(v.RailListFontSize, "10.5");
    EXPECT_EQ(v.Language, 2);
    EXPECT_FALSE(v.AboutShowItm[4]);
    Settings back = s;
    ApplyOptionValues(v, back);
    EXPECT_EQ(back, s);
}

TEST(OptionValuesTest, OkTakesEachControlIntoItsSetting) {
    Settings s;
    s.WindowFontName = "Some Family"; // none of the three: kept while no option is chosen
    OptionValues v = OptionValuesOf(s);
    EXPECT_EQ(v.FontOption, -1);
    v.RailWidth = "2.5";   // rounded to even, as integer settings are
    v.GridWidth = "99999"; // kept inside the setting's type
    v.ZoomPosition = 3;
    v.LargeToolBox = false;
    v.AboutShowItm[10] = false;
    v.FlexibleDivides = 42;
    v.IsHorizontalScrollBar = false;
    v.IsAccurateAngleWindow = true;
    v.DetectRange = "0.2"; // a pick distance never falls to 0
    v.RailListFontSize = "11.5";
    v.AutoSaveMinutes = "15";
    v.Language = 1;
    ApplyOptionValues(v, s);
    EXPECT_EQ(s.RailWidth, 2);
    EXPECT_EQ(s.GridWidth, 32767);
    EXPECT_EQ(s.ZoomPosition, 3);
    EXPECT_FALSE(s.LargeToolBox);
    EXPECT_FALSE(s.AboutShowItm[10]);
    EXPECT_TRUE(s.AboutShowItm[9]);
    EXPECT_EQ(s.FlexibleDivides, 42);
    EXPECT_FALSE(s.IsHorizontalScrollBar);
    EXPECT_TRUE(s.IsAccurateAngleWindow);
    EXPECT_EQ(s.DetectRange, 1);
    EXPECT_FLOAT_EQ(s.RailListFontSize, 11.5f);
    EXPECT_EQ(s.AutoSaveMinutes, 15);
    EXPECT_EQ(s.Language, "ja");
    EXPECT_EQ(s.WindowFontName, "Some Family");
    v.FontOption = 0;
    ApplyOptionValues(v, s);
    EXPECT_EQ(s.WindowFontName, "ＭＳ Ｐゴシック");
}

} // namespace
} // namespace ferrovane::app
