#pragma once

#include <string>

#include "core/app/settings/SettingsStore.h"

namespace ferrovane::app {

// The per-application records: the version that last ran and the program's folder.
inline constexpr const char* OptionsSection = "Options";
inline constexpr const char* CurrentVersionKey = "CurrentVersion";
inline constexpr const char* AppDirSection = "AppDir";
inline constexpr const char* AppDirKey = "AppDir";

// Major, minor and revision written one after another ("100" for 1.0.0).
std::string CurrentVersionText();

// The recorded version as a number; 0 when absent or unreadable (a first start).
int ReadLastVersion(const SettingsStore& appStore);
void StoreCurrentVersion(SettingsStore& appStore);

// Records the program's folder, always ending in a path separator.
void RecordAppDir(SettingsStore& appStore, const std::string& programDir);

} // namespace ferrovane::app
