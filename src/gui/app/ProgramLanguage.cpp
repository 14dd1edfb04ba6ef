#include "gui/app/ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/app/settings/SettingsIo.h"

namespace ferrovane::gui {

namespace {

// The application's translator of that name, made on first use; it goes with the
// application.
QTranslator& Translator(const char* name) {
    QCoreApplication* app = QCoreApplication::instance();
    const QString objectName = QString::fromLatin1(name);
    auto* translator = app->findChild<QTranslator*>(objectName, Qt::FindDirectChildrenOnly);
    if (!translator) {
        translator = new QTranslator(app);
        translator->setObjectName(objectName);
    }
    return *translator;
}

} // namespace

text::Language StartLanguage(const app::SettingsStore& userStore,
                             const text::EnvironmentLookup& environment) {
    const std::string choice = userStore.Get(app::RootSection, app::LanguageKey).value_or("auto");
    const text::Language language = text::ChooseLanguage(choice, environment);
    UseLanguage(language);
    return language;
}

void UseLanguage(text::Language language) {
    text::SetCurrentLanguage(language);
    QTranslator& programTexts = Translator("ferrovaneTexts");
    QTranslator& qtTexts = Translator("qtTexts");
    QCoreApplication::removeTranslator(&programTexts);
    QCoreApplication::removeTranslator(&qtTexts);
    const bool english = language == text::Language::English;
    // The English texts are built into the program (":/i18n/ferrovane_en.qm"); Qt's own
    // texts are English already.
    if (english && programTexts.load(QStringLiteral(":/i18n/ferrovane_en.qm")))
        QCoreApplication::installTranslator(&programTexts);
    if (!english && qtTexts.load(QStringLiteral("qtbase_ja"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
}

} // namespace ferrovane::gui
