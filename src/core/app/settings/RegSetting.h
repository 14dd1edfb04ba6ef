#pragma once

#include <string>

#include "core/app/settings/SettingsStore.h"

namespace ferrovane::app {

// The stored text up to its first NUL with trailing blanks removed. A missing value is
// written with its default, so after the first start every setting is in the store.
std::string GetRegSetting(SettingsStore& store, const std::string& section, const std::string& name,
                          const std::string& defaultText);

// Writes one value: section "Startup", "" for the root, or any other section name.
void SaveRegSetting(SettingsStore& store, const std::string& name, const std::string& value,
                    const std::string& section);

} // namespace ferrovane::app
