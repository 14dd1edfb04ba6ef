#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/app/settings/RegSetting.h"
#include "core/app/settings/SettingsIo.h"

namespace ferrovane::app {
namespace {

// The writes as "Section/Key" -> value; each key written once.
std::map<std::string, std::string> Written(const MemorySettingsStore& store) {
    std::map<std::string, std::string> writes;
    for (const auto& w : store.Writes)
        EXPECT_TRUE(writes.emplace(w.Section + "/" + w.Key, w.Value).second) << w.Key;
    return writes;
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

TEST(SettingsIoTest, FirstStartWritesEveryKeyASaveWritesWithItsDefaultText) {
    MemorySettingsStore store;
    Settings s;
    s.RailWidth = 42; // loading must not take what the struct held as default
    RecentFileList recent;
    LoadSettings(store, s, recent);
    EXPECT_EQ(s, Settings{});
    const auto first = Written(store);

    MemorySettingsStore saved;
    SaveSettings(saved, Settings{}, recent);
    auto expected = Written(saved);
    EXPECT_EQ(expected.size(), 43u);
    // The one default stored in lower case, as existing files hold it.
    EXPECT_EQ(expected["/IsAccurateAngleWindow"], "False");
    expected["/IsAccurateAngleWindow"] = "false";
    EXPECT_EQ(first, expected);
    // Texts existing files hold: a key with a blank, colours as decimal Longs.
    EXPECT_EQ(first.at("/Flexible divides"), "100");
    EXPECT_EQ(first.at("Startup/HighlightRailColor"), "16711680");
    EXPECT_EQ(first.at("Startup/WindowFontName"), "MS UI Gothic");
    EXPECT_EQ(first.at("Startup/AboutShowItm10"), "True");
}

TEST(SettingsIoTest, SavedTexts) {
    MemorySettingsStore store;
    Settings s;
    s.StartX = 12.5f;
    s.IsAccurateAngleWindow = true;
    s.AboutShowItm[3] = false;
    SaveSettings(store, s, {"/a/b.fvl", "", "", "", ""});
    const auto written = Written(store);
    EXPECT_EQ(written.at("/StartX"), "12.5");
    EXPECT_EQ(written.at("/IsAccurateAngleWindow"), "True");
    EXPECT_EQ(written.at("Startup/AboutShowItm3"), "False");
    EXPECT_EQ(written.at("/RecentFileName0"), "/a/b.fvl");
    EXPECT_EQ(written.at("/RecentFileName1"), "");
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
    s.SmoothDisplay = false;
    s.Language = "en";
    s.AutoSaveMinutes = 0;
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
        {"", "Language", "ja", [](const Settings& s) { return s.Language == "ja"; }},
        {"", "Language", "klingon", [](const Settings& s) { return s.Language == "auto"; }},
        {"", "AutoSaveMinutes", "-3", [](const Settings& s) { return s.AutoSaveMinutes == 2; }},
        {"", "AutoSaveMinutes", "0", [](const Settings& s) { return s.AutoSaveMinutes == 0; }},
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
