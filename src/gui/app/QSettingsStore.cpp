#include "gui/app/QSettingsStore.h"

namespace ferrovane::gui {

QSettingsStore::QSettingsStore(const QString& organization, const QString& application)
    : mSettings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            organization, application)) {}

QSettingsStore::QSettingsStore(const QString& iniPath)
    : mSettings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QString QSettingsStore::Path(const std::string& section, const std::string& key) {
    const QString name = QString::fromStdString(key);
    if (section.empty()) return name;
    return QString::fromStdString(section) + QLatin1Char('/') + name;
}

std::optional<std::string> QSettingsStore::Get(const std::string& section,
                                               const std::string& key) const {
    const QString path = Path(section, key);
    if (!mSettings->contains(path)) return std::nullopt;
    return mSettings->value(path).toString().toStdString();
}

void QSettingsStore::Set(const std::string& section, const std::string& key,
                         const std::string& value) {
    mSettings->setValue(Path(section, key), QString::fromStdString(value));
}

} // namespace ferrovane::gui
