#include "gui/platform/UserGuide.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "core/values/platform/UserGuide.h"

namespace ferrovane::gui {

std::optional<QString> UserGuidePath() {
    const QString program = QCoreApplication::applicationDirPath();
    std::vector<std::string> dirs{
        QDir(program).filePath(QStringLiteral("doc")).toStdString(),
        QDir(program).filePath(QStringLiteral("../share/doc/ferrovane")).toStdString(),
    };
#ifdef FERROVANE_SOURCE_DOC_DIR
    dirs.push_back(FERROVANE_SOURCE_DOC_DIR);
#endif
    const auto path = platform::FindUserGuide(dirs);
    if (!path) return std::nullopt;
    return QDir::cleanPath(QString::fromStdString(*path));
}

bool OpenUserGuide(const std::string& anchor) {
    const auto path = UserGuidePath();
    if (!path) return false;
    QUrl url = QUrl::fromLocalFile(*path);
    if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
    return QDesktopServices::openUrl(url);
}

void SetUpHelpButton(QAbstractButton* button, const std::string& anchor) {
    button->setVisible(UserGuidePath().has_value());
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [anchor] { OpenUserGuide(anchor); });
}

} // namespace ferrovane::gui
