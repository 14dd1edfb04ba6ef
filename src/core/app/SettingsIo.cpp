#include "core/app/SettingsIo.h"

#include <array>
#include <string>

#include "core/app/RegSetting.h"
#include "core/app/SettingConversions.h"

namespace ferrovane::app {

namespace {

// The file extension of the old layout format, which this program no longer opens.
bool IsOldFormatName(const std::string& name) {
    return name.size() >= 3 && name.compare(name.size() - 3, 3, "fv2") == 0;
}

class Reader {
public:
    explicit Reader(SettingsStore& store) : mStore(store) {}
    std::string Text(const char* section, const std::string& key, const std::string& def) {
        return GetRegSetting(mStore, section, key, def);
    }
    void Integer(const char* section, const char* key, std::int16_t& value) {
        value = TextToInteger(Text(section, key, std::to_string(value)), value);
    }
    void Long(const char* section, const char* key, std::int32_t& value) {
        value = TextToLong(Text(section, key, std::to_string(value)), value);
    }
    void Single(const char* section, const char* key, float& value) {
        value = TextToSingle(Text(section, key, SingleToText(value)), value);
    }
    void Boolean(const char* section, const char* key, bool& value) {
        value = TextToBoolean(Text(section, key, BooleanToText(value)), value);
    }

private:
    SettingsStore& mStore;
};

} // namespace

std::string AboutShowItmKey(int slot) {
    return "AboutShowItm" + std::to_string(slot);
}
std::string RecentFileNameKey(int slot) {
    return "RecentFileName" + std::to_string(slot);
}

void LoadSettings(SettingsStore& store, Settings& s, RecentFileList& recentFiles) {
    const Settings defaults;
    Reader r(store);
    // Defaults come from a fresh Settings, not from what s held before.
    s.RailWidth = defaults.RailWidth;
    r.Integer(StartupSection, "RailWidth", s.RailWidth);
    s.RailCenter = defaults.RailCenter;
    r.Integer(StartupSection, "RailCenter", s.RailCenter);
    s.RailColor = defaults.RailColor;
    r.Long(StartupSection, "RailColor", s.RailColor);
    s.NextRailColor = defaults.NextRailColor;
    r.Long(StartupSection, "NextRailColor", s.NextRailColor);
    s.HighlightRailColor = defaults.HighlightRailColor;
    r.Long(StartupSection, "HighlightRailColor", s.HighlightRailColor);
    s.GridColor = defaults.GridColor;
    r.Long(StartupSection, "GridColor", s.GridColor);
    s.GridWidth = defaults.GridWidth;
    r.Integer(StartupSection, "GridWidth", s.GridWidth);
    s.GridHeight = defaults.GridHeight;
    r.Integer(StartupSection, "GridHeight", s.GridHeight);
    s.ScrollWidth = defaults.ScrollWidth;
    r.Integer(StartupSection, "ScrollWidth", s.ScrollWidth);
    s.ScrollHeight = defaults.ScrollHeight;
    r.Integer(StartupSection, "ScrollHeight", s.ScrollHeight);
    s.ZoomPosition = defaults.ZoomPosition;
    r.Integer(StartupSection, "ZoomPosition", s.ZoomPosition);
    // A slot is on only when its text says so; slots start off.
    s.AboutShowItm.fill(false);
    for (int i = 0; i < AboutShowItmSlots; ++i) {
        const std::string text = r.Text(StartupSection, AboutShowItmKey(i), "True");
        if (TextToBoolean(TrimBlanks(text), false)) s.AboutShowItm[i] = true;
    }
    s.RTypeFileName = r.Text(RootSection, "RTypeFileName", "");
    s.StartX = defaults.StartX;
    r.Single(RootSection, "StartX", s.StartX);
    s.StartY = defaults.StartY;
    r.Single(RootSection, "StartY", s.StartY);
    for (int i = 0; i < 5; ++i) {
        std::string name = r.Text(RootSection, RecentFileNameKey(i), "");
        recentFiles[i] = IsOldFormatName(name) ? std::string() : name;
    }
    s.LargeToolBox = defaults.LargeToolBox;
    r.Boolean(RootSection, "LargeToolBox", s.LargeToolBox);
    s.FlexibleDivides = defaults.FlexibleDivides;
    r.Integer(RootSection, FlexibleDividesKey, s.FlexibleDivides);
    s.DetectRange = defaults.DetectRange;
    r.Integer(StartupSection, "DetectRange", s.DetectRange);
    s.WindowFontName =
        TrimBlanks(r.Text(StartupSection, "WindowFontName", defaults.WindowFontName));
    s.IsHorizontalScrollBar = defaults.IsHorizontalScrollBar;
    r.Boolean(RootSection, "IsHorizontalScrollBar", s.IsHorizontalScrollBar);
    // The stored default text of this one was always lower case.
    s.IsAccurateAngleWindow =
        TextToBoolean(r.Text(RootSection, "IsAccurateAngleWindow", "false"), false);
    s.RailListFontSize = defaults.RailListFontSize;
    r.Single(StartupSection, "RailListFontSize", s.RailListFontSize);
    // Restored as well as saved: an option that does not survive a restart looks broken.
    s.DoAutoScroll = defaults.DoAutoScroll;
    r.Boolean(RootSection, "DoAutoScroll", s.DoAutoScroll);
}

void SaveSettings(SettingsStore& store, const Settings& s, const RecentFileList& recentFiles) {
    auto put = [&store](const char* section, const std::string& key, const std::string& value) {
        SaveRegSetting(store, key, value, section);
    };
    put(StartupSection, "RailWidth", std::to_string(s.RailWidth));
    put(StartupSection, "RailCenter", std::to_string(s.RailCenter));
    put(StartupSection, "RailColor", std::to_string(s.RailColor));
    put(StartupSection, "NextRailColor", std::to_string(s.NextRailColor));
    put(StartupSection, "HighlightRailColor", std::to_string(s.HighlightRailColor));
    put(StartupSection, "GridColor", std::to_string(s.GridColor));
    put(StartupSection, "GridWidth", std::to_string(s.GridWidth));
    put(StartupSection, "GridHeight", std::to_string(s.GridHeight));
    put(StartupSection, "ScrollWidth", std::to_string(s.ScrollWidth));
    put(StartupSection, "ScrollHeight", std::to_string(s.ScrollHeight));
    // Saved so the start-up zoom chosen in the options survives a restart.
    put(StartupSection, "ZoomPosition", std::to_string(s.ZoomPosition));
    put(RootSection, "RTypeFileName", s.RTypeFileName);
    put(RootSection, "StartX", SingleToText(s.StartX));
    put(RootSection, "StartY", SingleToText(s.StartY));
    put(RootSection, "LargeToolBox", BooleanToText(s.LargeToolBox));
    put(RootSection, "DoAutoScroll", BooleanToText(s.DoAutoScroll));
    put(RootSection, FlexibleDividesKey, std::to_string(s.FlexibleDivides));
    put(StartupSection, "DetectRange", std::to_string(s.DetectRange));
    put(StartupSection, "WindowFontName", s.WindowFontName);
    put(RootSection, "IsHorizontalScrollBar", BooleanToText(s.IsHorizontalScrollBar));
    put(RootSection, "IsAccurateAngleWindow", BooleanToText(s.IsAccurateAngleWindow));
    put(StartupSection, "RailListFontSize", SingleToText(s.RailListFontSize));
    for (int i = 0; i < 5; ++i)
        put(RootSection, RecentFileNameKey(i), recentFiles[i]);
    for (int i = 0; i < AboutShowItmSlots; ++i) {
        put(StartupSection, AboutShowItmKey(i), BooleanToText(s.AboutShowItm[i]));
    }
}

} // namespace ferrovane::app
