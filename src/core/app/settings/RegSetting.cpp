#include "core/app/settings/RegSetting.h"

namespace ferrovane::app {

std::string GetRegSetting(SettingsStore& store, const std::string& section, const std::string& name,
                          const std::string& defaultText) {
    if (auto value = store.Get(section, name)) {
        std::string text = *value;
        if (const auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text;
    }
    store.Set(section, name, defaultText);
    return defaultText;
}

void SaveRegSetting(SettingsStore& store, const std::string& name, const std::string& value,
                    const std::string& section) {
    store.Set(section, name, value);
}

} // namespace ferrovane::app
