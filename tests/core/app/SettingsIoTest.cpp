#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/settings/RegSetting.h"
#include "core/app/settings/SettingsIo.h"

namespace ferrovane::app {
namespace {

// The writes as "Section/Key=Value", in order.
std::vector<std::string> Written(const MemorySettingsStore& store) {
    std::vector<std::string> writes;
    for (const auto& w : store.Writes)
        writes.push_back(w.Section + "/" + w.Key + "=" + w.Value);
    return writes;
}

// Both loading and saving begin with these, at their default values.
const std::vector<std::string> DefaultStartupWrites = {
    "Startup/RailWidth=5",
    "Startup/RailCenter=5",
    "Startup/RailColor=128",
    "Startup/NextRailColor=255",
    "Startup/HighlightRailColor=16711680",
    "Startup/GridColor=12632256",
    "Startup/GridWidth=100",
    "Startup/GridHeight=100",
    "Startup/ScrollWidth=100",
    "Startup/ScrollHeight=100",
    "Startup/ZoomPosition=1",
};

// The writes expected: DefaultStartupWrites, then REST.
std::vector<std::string> StartupWritesThen(std::vector<std::string> rest) {
    rest.insert(rest.begin(), DefaultStartupWrites.begin(), DefaultStartupWrites.end());
    return rest;
}

TEST(RegSettingTest, MissingValueIsWrittenWithItsDefault) {
    MemorySettingsStore store;
    EXPECT_EQ(GetRegSetting(store, "Startup", "RailWidth", "5"), "5");
    ASSERT_EQ(store.Writes.size(), 1u);
    EXPECT_EQ(store.Writes[0], (MemorySettingsStore::Write{"Startup", "RailWidth", "5"}));
    // Present now: read back without writing again.
    EXPECT_EQ(GetRegSetting(store, "Startup", "RailWidth", "7"), "5");
    EXPECT_EQ(store.Writes.size(), 1u);
}

TEST(RegSettingTest, StoredTextIsCutAtNulAndTrailingBlanksAndMayBeLong) {
    MemorySettingsStore store;
    store.Values[{"", "A"}] = std::string("abc  \0junk", 10);
    store.Values[{"", "B"}] = "  lead kept  ";
    const std::string longText(300, 'x');
    store.Values[{"", "C"}] = longText;
    EXPECT_EQ(GetRegSetting(store, "", "A", "d"), "abc");
    EXPECT_EQ(GetRegSetting(store, "", "B", "d"), "  lead kept");
    EXPECT_EQ(GetRegSetting(store, "", "C", "d"), longText);
    EXPECT_TRUE(store.Writes.empty()); // a long value is never replaced
}

TEST(SettingsIoTest, FirstStartWritesEveryKeyWithItsDefaultText) {
    MemorySettingsStore store;
    Settings s;
    s.RailWidth = 42; // loading must not take what the struct held as default
    RecentFileList recent;
    LoadSettings(store, s, recent);
    EXPECT_EQ(s, Settings{});

    const std::vector<std::string> expected = StartupWritesThen({
        "Startup/AboutShowItm0=True",
        "Startup/AboutShowItm1=True",
        "Startup/AboutShowItm2=True",
        "Startup/AboutShowItm3=True",
        "Startup/AboutShowItm4=True",
        "Startup/AboutShowItm5=True",
        "Startup/AboutShowItm6=True",
        "Startup/AboutShowItm7=True",
        "Startup/AboutShowItm8=True",
        "Startup/AboutShowItm9=True",
        "Startup/AboutShowItm10=True",
        "/RTypeFileName=",
        "/StartX=0",
        "/StartY=0",
        "/RecentFileName0=",
        "/RecentFileName1=",
        "/RecentFileName2=",
        "/RecentFileName3=",
        "/RecentFileName4=",
        "/LargeToolBox=True",
        "/Flexible divides=100",
        "Startup/DetectRange=8",
        "Startup/WindowFontName=MS UI Gothic",
        "/IsHorizontalScrollBar=True",
        "/IsAccurateAngleWindow=false",
        "Startup/RailListFontSize=8",
        "/DoAutoScroll=False",
    });
    EXPECT_EQ(Written(store), expected);
}

TEST(SettingsIoTest, SaveOrderAndTexts) {
    MemorySettingsStore store;
    Settings s;
    s.StartX = 12.5f;
    s.IsAccurateAngleWindow = true;
    s.AboutShowItm[3] = false;
    RecentFileList recent{"/a/b.fvl", "", "", "", ""};
    SaveSettings(store, s, recent);
    const std::vector<std::string> expected = StartupWritesThen({
        "/RTypeFileName=",
        "/StartX=12.5",
        "/StartY=0",
        "/LargeToolBox=True",
        "/DoAutoScroll=False",
        "/Flexible divides=100",
        "Startup/DetectRange=8",
        "Startup/WindowFontName=MS UI Gothic",
        "/IsHorizontalScrollBar=True",
        "/IsAccurateAngleWindow=True",
        "Startup/RailListFontSize=8",
        "/RecentFileName0=/a/b.fvl",
        "/RecentFileName1=",
        "/RecentFileName2=",
        "/RecentFileName3=",
        "/RecentFileName4=",
        "Startup/AboutShowItm0=True",
        "Startup/AboutShowItm1=True",
        "Startup/AboutShowItm2=True",
        "Startup/AboutShowItm3=False",
        "Startup/AboutShowItm4=True",
        "Startup/AboutShowItm5=True",
        "Startup/AboutShowItm6=True",
        "Startup/AboutShowItm7=True",
        "Startup/AboutShowItm8=True",
        "Startup/AboutShowItm9=True",
        "Startup/AboutShowItm10=True",
    });
    EXPECT_EQ(Written(store), expected);
}

TEST(SettingsIoTest, RoundTripKeepsEveryValueIncludingAutoScrollAndZoom) {
    Settings s;
    s.RailWidth = 7;
    s.RailCenter = 3;
    s.RailColor = 0x123456;
    s.NextRailColor = 1;
    s.HighlightRailColor = 2;
    s.GridColor = 3;
    s.GridWidth = 50;
    s.GridHeight = 60;
    s.ScrollWidth = 70;
    s.ScrollHeight = 80;
    s.ZoomPosition = 3;
    s.AboutShowItm[0] = false;
    s.AboutShowItm[10] = false;
    s.RTypeFileName = "/data/katalog.rtr";
    s.StartX = 123.25f;
    s.StartY = -4.5f;
    s.LargeToolBox = false;
    s.FlexibleDivides = 25;
    s.DetectRange = 12;
    s.WindowFontName = "メイリオ";
    s.IsHorizontalScrollBar = false;
    s.IsAccurateAngleWindow = true;
    s.RailListFontSize = 10.5f;
    s.DoAutoScroll = true;
    const RecentFileList recent{"/x/1.fvl", "/x/2.fvl", "", "/x/4.fvl", ""};

    MemorySettingsStore store;
    SaveSettings(store, s, recent);
    Settings back;
    RecentFileList backRecent;
    LoadSettings(store, back, backRecent);
    EXPECT_EQ(back, s);
    EXPECT_EQ(backRecent, recent);
}

TEST(SettingsIoTest, StoredTextsAreConvertedOrFallBackToTheDefault) {
    struct Case {
        const char* section;
        const char* key;
        const char* text;
        bool (*check)(const Settings&);
    };
    const Case cases[] = {
        {"Startup", "GridWidth", "abc", [](const Settings& s) { return s.GridWidth == 100; }},
        {"Startup", "GridWidth", "250", [](const Settings& s) { return s.GridWidth == 250; }},
        {"Startup", "GridWidth", "99999", [](const Settings& s) { return s.GridWidth == 100; }},
        {"Startup", "GridWidth", " 40 ", [](const Settings& s) { return s.GridWidth == 40; }},
        {"Startup", "RailWidth", "2.5", [](const Settings& s) { return s.RailWidth == 2; }},
        {"Startup", "RailWidth", "3.5", [](const Settings& s) { return s.RailWidth == 4; }},
        {"Startup", "RailColor", "", [](const Settings& s) { return s.RailColor == 128; }},
        {"", "LargeToolBox", "FALSE", [](const Settings& s) { return !s.LargeToolBox; }},
        {"", "LargeToolBox", "0", [](const Settings& s) { return !s.LargeToolBox; }},
        {"", "LargeToolBox", "maybe", [](const Settings& s) { return s.LargeToolBox; }},
        {"", "IsAccurateAngleWindow", "tRuE",
         [](const Settings& s) { return s.IsAccurateAngleWindow; }},
        {"", "IsAccurateAngleWindow", "-1",
         [](const Settings& s) { return s.IsAccurateAngleWindow; }},
        {"", "StartX", "1e3", [](const Settings& s) { return s.StartX == 1000.0f; }},
        {"", "StartX", "nan", [](const Settings& s) { return s.StartX == 0.0f; }},
        {"", "StartX", "1e99", [](const Settings& s) { return s.StartX == 0.0f; }},
        {"Startup", "WindowFontName", "  Noto Sans  ",
         [](const Settings& s) { return s.WindowFontName == "Noto Sans"; }},
        {"Startup", "AboutShowItm3", "False", [](const Settings& s) { return !s.AboutShowItm[3]; }},
        {"Startup", "AboutShowItm3", "TRUE", [](const Settings& s) { return s.AboutShowItm[3]; }},
        {"Startup", "AboutShowItm3", "junk", [](const Settings& s) { return !s.AboutShowItm[3]; }},
    };
    for (const auto& c : cases) {
        MemorySettingsStore store;
        store.Values[{c.section, c.key}] = c.text;
        Settings s;
        RecentFileList recent;
        LoadSettings(store, s, recent);
        EXPECT_TRUE(c.check(s)) << c.key << " = '" << c.text << "'";
    }
}

TEST(SettingsIoTest, OldFormatRecentEntriesAreDropped) {
    MemorySettingsStore store;
    store.Values[{"", "RecentFileName0"}] = "/old/plan.fv2";
    store.Values[{"", "RecentFileName1"}] = "/new/plan.fvl";
    Settings s;
    RecentFileList recent;
    LoadSettings(store, s, recent);
    EXPECT_EQ(recent[0], "");
    EXPECT_EQ(recent[1], "/new/plan.fvl");
}

} // namespace
} // namespace ferrovane::app
