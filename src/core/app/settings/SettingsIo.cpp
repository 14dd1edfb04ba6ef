#include "core/app/settings/SettingsIo.h"

#include <array>
#include <cstdint>
#include <string>

#include "core/app/settings/RegSetting.h"
#include "core/values/settings/SettingConversions.h"

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
    // Each returns the stored value, or DEF when there is none or it does not convert.
    std::int16_t Integer(const char* section, const char* key, std::int16_t def) {
        return TextToInteger(Text(section, key, std::to_string(def)), def);
    }
    std::int32_t Long(const char* section, const char* key, std::int32_t def) {
        return TextToLong(Text(section, key, std::to_string(def)), def);
    }
    float Single(const char* section, const char* key, float def) {
        return TextToSingle(Text(section, key, SingleToText(def)), def);
    }
    bool Boolean(const char* section, const char* key, bool def) {
        return TextToBoolean(Text(section, key, BooleanToText(def)), def);
    }

private:
    SettingsStore& mStore;
};

} // namespace

bool IsKnownLanguage(const std::string& language) {
    return language == "auto" || language == "ja" || language == "en";
}

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
    s.RailWidth = r.Integer(StartupSection, "RailWidth", defaults.RailWidth);
    s.RailCenter = r.Integer(StartupSection, "RailCenter", defaults.RailCenter);
    s.RailColor = r.Long(StartupSection, "RailColor", defaults.RailColor);
    s.NextRailColor = r.Long(StartupSection, "NextRailColor", defaults.NextRailColor);
    s.HighlightRailColor =
        r.Long(StartupSection, "HighlightRailColor", defaults.HighlightRailColor);
    s.GridColor = r.Long(StartupSection, "GridColor", defaults.GridColor);
    s.GridWidth = r.Integer(StartupSection, "GridWidth", defaults.GridWidth);
    s.GridHeight = r.Integer(StartupSection, "GridHeight", defaults.GridHeight);
    s.ScrollWidth = r.Integer(StartupSection, "ScrollWidth", defaults.ScrollWidth);
    s.ScrollHeight = r.Integer(StartupSection, "ScrollHeight", defaults.ScrollHeight);
    s.ZoomPosition = r.Integer(StartupSection, "ZoomPosition", defaults.ZoomPosition);
    // A slot is on only when its text says so; slots start off.
    s.AboutShowItm.fill(false);
    for (int i = 0; i < AboutShowItmSlots; ++i) {
        const std::string text = r.Text(StartupSection, AboutShowItmKey(i), "True");
        if (TextToBoolean(TrimBlanks(text), false)) s.AboutShowItm[i] = true;
    }
    s.RTypeFileName = r.Text(RootSection, "RTypeFileName", "");
    s.StartX = r.Single(RootSection, "StartX", defaults.StartX);
    s.StartY = r.Single(RootSection, "StartY", defaults.StartY);
    for (int i = 0; i < 5; ++i) {
        std::string name = r.Text(RootSection, RecentFileNameKey(i), "");
        recentFiles[i] = IsOldFormatName(name) ? std::string() : name;
    }
    s.LargeToolBox = r.Boolean(RootSection, "LargeToolBox", defaults.LargeToolBox);
    s.FlexibleDivides = r.Integer(RootSection, FlexibleDividesKey, defaults.FlexibleDivides);
    s.DetectRange = r.Integer(StartupSection, "DetectRange", defaults.DetectRange);
    s.WindowFontName =
        TrimBlanks(r.Text(StartupSection, "WindowFontName", defaults.WindowFontName));
    s.IsHorizontalScrollBar =
        r.Boolean(RootSection, "IsHorizontalScrollBar", defaults.IsHorizontalScrollBar);
    // The stored default text of this one was always lower case.
    s.IsAccurateAngleWindow =
        TextToBoolean(r.Text(RootSection, "IsAccurateAngleWindow", "false"), false);
    s.RailListFontSize = r.Single(StartupSection, "RailListFontSize", defaults.RailListFontSize);
    // Restored as well as saved: an option that does not survive a restart looks broken.
    s.DoAutoScroll = r.Boolean(RootSection, "DoAutoScroll", defaults.DoAutoScroll);
    s.SmoothDisplay = r.Boolean(RootSection, "SmoothDisplay", defaults.SmoothDisplay);
    s.Language = r.Text(RootSection, LanguageKey, defaults.Language);
    if (!IsKnownLanguage(s.Language)) s.Language = defaults.Language;
    s.AutoSaveMinutes = r.Integer(RootSection, AutoSaveMinutesKey, defaults.AutoSaveMinutes);
    if (s.AutoSaveMinutes < 0) s.AutoSaveMinutes = defaults.AutoSaveMinutes;
    s.MainWindowPlace = WindowPlaceFromText(r.Text(RootSection, "MainWindowPlace", ""));
    s.ToolBoxPlace = WindowPlaceFromText(r.Text(RootSection, "ToolBoxPlace", ""));
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
    put(RootSection, "SmoothDisplay", BooleanToText(s.SmoothDisplay));
    put(RootSection, LanguageKey, s.Language);
    put(RootSection, AutoSaveMinutesKey, std::to_string(s.AutoSaveMinutes));
    put(RootSection, "MainWindowPlace", WindowPlaceToText(s.MainWindowPlace));
    put(RootSection, "ToolBoxPlace", WindowPlaceToText(s.ToolBoxPlace));
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
