#include "core/app/settings/SettingsStore.h"

namespace ferrovane::app {

std::optional<std::string> MemorySettingsStore::Get(const std::string& section,
                                                    const std::string& key) const {
    const auto it = Values.find({section, key});
    if (it == Values.end()) return std::nullopt;
    return it->second;
}

void MemorySettingsStore::Set(const std::string& section, const std::string& key,
                              const std::string& value) {
    Values[{section, key}] = value;
    Writes.push_back({section, key, value});
}

} // namespace ferrovane::app
