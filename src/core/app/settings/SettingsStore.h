#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ferrovane::app {

// The two sections of the user settings: "Startup" and the root, named by "".
inline constexpr const char* StartupSection = "Startup";
inline constexpr const char* RootSection = "";

// A per-user store of text values by section and key. The GUI keeps it in QSettings;
// the tests and the command line keep it in memory.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, of any length; nullopt when the key does not exist.
    virtual std::optional<std::string> Get(const std::string& section,
                                           const std::string& key) const = 0;
    virtual void Set(const std::string& section, const std::string& key,
                     const std::string& value) = 0;
};

// A store in memory that also records the order of writes.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<std::string> Get(const std::string& section,
                                   const std::string& key) const override;
    void Set(const std::string& section, const std::string& key, const std::string& value) override;

    struct Write {
        std::string Section, Key, Value;
        bool operator==(const Write&) const = default;
    };
    std::vector<Write> Writes;
    std::map<std::pair<std::string, std::string>, std::string> Values;
};

} // namespace ferrovane::app
