#include "core/app/settings/ApplicationRecords.h"

#include <filesystem>

#include "core/values/format/Version.h"
#include "core/values/settings/SettingConversions.h"

namespace ferrovane::app {

std::string CurrentVersionText() {
    return std::to_string(VersionMajor) + std::to_string(VersionMinor) +
           std::to_string(VersionRevision);
}

int ReadLastVersion(const SettingsStore& appStore) {
    const auto text = appStore.Get(OptionsSection, CurrentVersionKey);
    if (!text) return 0;
    return TextToLong(*text, 0);
}

void StoreCurrentVersion(SettingsStore& appStore) {
    appStore.Set(OptionsSection, CurrentVersionKey, CurrentVersionText());
}

void RecordAppDir(SettingsStore& appStore, const std::string& programDir) {
    std::string dir = programDir;
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    if (dir.empty() || dir.back() != separator) dir += separator;
    appStore.Set(AppDirSection, AppDirKey, dir);
}

} // namespace ferrovane::app
