#pragma once

#include <array>
#include <string>

#include "core/app/settings/SettingsStore.h"
#include "core/values/settings/Settings.h"

namespace ferrovane::app {

using RecentFileList = std::array<std::string, 5>;

// Reads every setting, and the recent-file list the layout keeps, from the store in
// the fixed order; a missing key is written with its default, a text that does not
// convert gives the default.
void LoadSettings(SettingsStore& store, Settings& settings, RecentFileList& recentFiles);

// Writes every setting and the recent-file list back in the fixed order, each to its
// own section.
void SaveSettings(SettingsStore& store, const Settings& settings,
                  const RecentFileList& recentFiles);

// "AboutShowItm0" .. "AboutShowItm10", "RecentFileName0" .. "RecentFileName4".
std::string AboutShowItmKey(int slot);
std::string RecentFileNameKey(int slot);

inline constexpr int AboutShowItmSlots = 11;
inline constexpr const char* FlexibleDividesKey = "Flexible divides";
inline constexpr const char* LanguageKey = "Language";
inline constexpr const char* AutoSaveMinutesKey = "AutoSaveMinutes";

// "auto", "ja" or "en"; a stored language of any other text reads as "auto".
bool IsKnownLanguage(const std::string& language);

} // namespace ferrovane::app
