#include "gui/platform/UserGuide.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QUrl>

#include "core/values/platform/InstallLocations.h"
#include "core/values/platform/UserGuide.h"
#include "core/values/text/Language.h"
#include "gui/platform/ProgramPlaces.h"

namespace ferrovane::gui {

std::optional<QString> UserGuidePath() {
    const auto path = platform::FindUserGuide(
        platform::UserGuideDirCandidates(RunningProgramPlaces()), text::CurrentLanguage());
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

QAction* AddUserGuideItem(QMenu* menu) {
    auto* item = new QAction(
        QCoreApplication::translate("ferrovane::gui::UserGuide", "ユーザーズガイド(&G)"), menu);
    item->setObjectName(QStringLiteral("UserGuide_Item"));
    item->setShortcut(QKeySequence::HelpContents);
    item->setShortcutContext(Qt::ApplicationShortcut);
    item->setVisible(UserGuidePath().has_value());
    QObject::connect(item, &QAction::triggered, menu, [] { OpenUserGuide(""); });
    const QList<QAction*> items = menu->actions();
    menu->insertAction(items.isEmpty() ? nullptr : items.front(), item);
    if (!items.isEmpty()) menu->insertSeparator(items.front());
    return item;
}

} // namespace ferrovane::gui
