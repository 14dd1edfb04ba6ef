#pragma once

#include <QSettings>
#include <QString>

#include <memory>

#include "core/app/settings/SettingsStore.h"

namespace ferrovane::gui {

// The user settings in QSettings: the "Startup" section as a group, the root section
// as top-level keys. Values are plain text.
class QSettingsStore : public app::SettingsStore {
public:
    // A per-user store: the user settings live under ("Quillon", "Ferrovane"), the
    // application records under the program's executable name.
    QSettingsStore(const QString& organization, const QString& application);
    // A store in an INI file (tests use a temporary one).
    explicit QSettingsStore(const QString& iniPath);

    std::optional<std::string> Get(const std::string& section,
                                   const std::string& key) const override;
    void Set(const std::string& section, const std::string& key, const std::string& value) override;
    void Sync() { mSettings->sync(); }

private:
    static QString Path(const std::string& section, const std::string& key);
    std::unique_ptr<QSettings> mSettings;
};

} // namespace ferrovane::gui
