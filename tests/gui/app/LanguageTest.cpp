#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/app/settings/SettingsStore.h"
#include "core/values/text/Language.h"
#include "gui/app/ProgramLanguage.h"
#include "gui/app/StartedWindow.h"
#include "gui/app/frmOption.h"
#include "gui/editor/ToolBoxButton.h"
#include "gui/editor/frmTool.h"

using namespace ferrovane;

namespace {

std::vector<std::pair<std::string, std::string>> SettingOfLanguage(const char* choice) {
    return {{"Language", choice}};
}

bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return japanese.match(text).hasMatch();
}

QStringList MenuTitles(QMainWindow& window) {
    QStringList titles;
    for (QAction* a : window.menuBar()->actions())
        titles << a->text();
    return titles;
}

// Every action of the menu bar's menus, submenus included.
std::vector<QAction*> MenuActions(QMenu* menu) {
    std::vector<QAction*> actions;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        actions.push_back(a);
        if (a->menu())
            for (QAction* inner : MenuActions(a->menu()))
                actions.push_back(inner);
    }
    return actions;
}

// Opens the options window from its menu item and runs WORK on it; closes it after.
void InOptionsWindow(ferrovane::testing::StartedWindow& s,
                     const std::function<void(gui::frmOption*)>& work) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<gui::frmOption*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        work(w);
        ran = true;
        w->reject();
    });
    s.Action("Option_Item")->trigger();
    EXPECT_TRUE(ran);
}

struct LanguageCase {
    std::optional<std::string> Stored; // the "Language" setting; none: never written
    std::map<std::string, std::string> Environment;
    text::Language Expected;
};

} // namespace

TEST(ProgramLanguage, TheSettingThenTheLocaleChoosesTheLanguageOfTheTexts) {
    const std::vector<LanguageCase> cases = {
        {"en", {}, text::Language::English},
        {"en", {{"LANG", "ja_JP.UTF-8"}}, text::Language::English},
        {"ja", {{"LANG", "en_US.UTF-8"}}, text::Language::Japanese},
        {"auto", {{"LANG", "en_GB.UTF-8"}}, text::Language::English},
        {"auto", {{"LANG", "ja_JP.UTF-8"}}, text::Language::Japanese},
        {"auto", {{"LC_ALL", "C"}, {"LANG", "en_US.UTF-8"}}, text::Language::Japanese},
        {std::nullopt, {{"LC_MESSAGES", "en"}}, text::Language::English},
        {"klingon", {{"LANG", "en_US"}}, text::Language::English},
    };
    for (const LanguageCase& c : cases) {
        app::MemorySettingsStore store;
        if (c.Stored) store.Set(app::RootSection, "Language", *c.Stored);
        const auto environment = [&c](const char* name) -> std::optional<std::string> {
            const auto it = c.Environment.find(name);
            if (it == c.Environment.end()) return std::nullopt;
            return it->second;
        };
        const bool english = c.Expected == text::Language::English;
        const std::string what = c.Stored.value_or("<none>");
        EXPECT_EQ(gui::StartLanguage(store, environment), c.Expected) << what;
        EXPECT_EQ(text::CurrentLanguage(), c.Expected) << what;
        EXPECT_EQ(QCoreApplication::translate("ferrovane::gui::frmMain", "ファイル(&F)"),
                  english ? QStringLiteral("&File") : QStringLiteral("ファイル(&F)"))
            << what;
    }
    gui::UseLanguage(text::Language::Japanese);
    EXPECT_EQ(QCoreApplication::translate("ferrovane::gui::frmMain", "ファイル(&F)"),
              QStringLiteral("ファイル(&F)"));
}

TEST(ProgramLanguage, EnglishMenusHaveNoJapaneseLeft) {
    ferrovane::testing::StartedWindow s(SettingOfLanguage("en"));
    EXPECT_EQ(MenuTitles(*s.window), (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"),
                                                  QStringLiteral("&View"), QStringLiteral("&Tools"),
                                                  QStringLiteral("&Help")}));
    EXPECT_EQ(s.Action("SaveAs_Item")->text(), QStringLiteral("Save &As..."));
    EXPECT_EQ(s.Action("Print_Item")->text(), QStringLiteral("Print Preview && &Print..."));
    int checked = 0;
    for (QAction* title : s.window->menuBar()->actions())
        for (QAction* a : MenuActions(title->menu())) {
            EXPECT_FALSE(HasJapanese(a->text()))
                << a->objectName().toStdString() << ": " << a->text().toStdString();
            ++checked;
        }
    EXPECT_GT(checked, 40);
    EXPECT_EQ(s.window->ToolBox()->windowTitle(), QStringLiteral("Tool Box"));
}

TEST(ProgramLanguage, JapaneseMenusAreTheProgramsOwnTexts) {
    ferrovane::testing::StartedWindow s(SettingOfLanguage("ja"));
    EXPECT_EQ(MenuTitles(*s.window),
              (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                           QStringLiteral("表示(&V)"), QStringLiteral("ツール(&T)"),
                           QStringLiteral("ヘルプ(&H)")}));
    EXPECT_EQ(s.Action("SaveAs_Item")->text(), QStringLiteral("名前を付けて保存(&A)..."));
    EXPECT_EQ(s.window->ToolBox()->windowTitle(), QStringLiteral("ツールボックス"));
}

TEST(ProgramLanguage, TheOptionsWindowSaysAChangeShowsFromTheNextStart) {
    struct Case {
        const char* Language;
        QString Auto, Note, Title;
    };
    const std::vector<Case> cases = {
        {"en", QStringLiteral("Automatic"), QStringLiteral("(takes effect at next start)"),
         QStringLiteral("Options")},
        {"ja", QStringLiteral("自動"), QStringLiteral("(次回の起動から有効)"),
         QStringLiteral("オプション")},
    };
    for (const Case& c : cases) {
        ferrovane::testing::StartedWindow s(SettingOfLanguage(c.Language));
        InOptionsWindow(s, [&](gui::frmOption* w) {
            EXPECT_EQ(w->windowTitle(), c.Title);
            auto* combo = w->findChild<QComboBox*>(QStringLiteral("languageCombo"));
            ASSERT_NE(combo, nullptr);
            EXPECT_EQ(combo->itemText(0), c.Auto);
            EXPECT_EQ(combo->itemText(2), QStringLiteral("English"));
            auto* note = w->findChild<QLabel*>(QStringLiteral("languageNote"));
            ASSERT_NE(note, nullptr);
            EXPECT_EQ(note->text(), c.Note);
            // Choosing another language changes nothing on the open windows.
            combo->setCurrentIndex(c.Language == std::string("en") ? 1 : 2);
            EXPECT_EQ(w->windowTitle(), c.Title);
        });
    }
}

namespace ferrovane {
namespace {

// The pointer resting on each tool box button writes its status text: English, with no
// Japanese, in an English program; the program's own text in a Japanese one.
TEST(ProgramLanguage, ToolBoxHoverTextsFollowTheLanguage) {
    for (const char* choice : {"en", "ja"}) {
        SCOPED_TRACE(choice);
        testing::StartedWindow s(SettingOfLanguage(choice));
        auto* status = testing::Child<QLabel>(s.window.get(), "lblStatus");
        const auto buttons = s.window->ToolBox()->findChildren<gui::ToolBoxButton*>();
        ASSERT_GT(buttons.size(), 8);
        int written = 0;
        for (gui::ToolBoxButton* button : buttons) {
            status->clear();
            QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
            QCoreApplication::sendEvent(button, &enter);
            if (status->text().isEmpty()) continue;
            ++written;
            EXPECT_EQ(HasJapanese(status->text()), std::string(choice) == "ja")
                << button->objectName().toStdString() << ": " << status->text().toStdString();
        }
        EXPECT_GT(written, 8);
    }
}

} // namespace
} // namespace ferrovane
