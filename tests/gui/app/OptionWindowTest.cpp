#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include "core/app/about/AboutText.h"
#include "core/app/settings/ApplicationRecords.h"
#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/StartUp.h"
#include "core/values/platform/ProgramContact.h"
#include "gui/app/StartedWindow.h"
#include "gui/app/frmAbout.h"
#include "gui/app/frmMain.h"
#include "gui/app/frmOption.h"
#include "gui/editor/frmTool.h"
#include "gui/platform/UserGuide.h"

using namespace ferrovane;
using ferrovane::testing::AnswerNextMessage;

namespace {

struct Started : ferrovane::testing::StartedWindow {
    // Triggers the menu item and runs WORK on the window it opens, which must close it.
    template <class Window> void Open(const char* item, const std::function<void(Window*)>& work) {
        QAction* action = window->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr);
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* w = qobject_cast<Window*>(QApplication::activeModalWidget());
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->parentWidget(), window.get());
            work(w);
            ran = true;
            if (w->isVisible()) w->close();
        });
        action->trigger();
        EXPECT_TRUE(ran);
    }

    std::string Stored(const char* section, const char* key) {
        const auto v = user.Get(section, key);
        return v ? *v : "<none>";
    }
};

} // namespace

TEST(OptionWindow, OkWritesTheSettingsStoreAndResizesTheToolBox) {
    Started s;
    gui::frmTool* tool = s.window->ToolBox();
    ASSERT_TRUE(tool->isVisible());
    const int largeWidth = tool->width();
    s.Open<gui::frmOption>("Option_Item", [&](gui::frmOption* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("オプション"));
        EXPECT_FALSE(tool->isVisible()); // out of the way while the window is open
        // The Help button is there when the user's guide is, hidden rather than dead
        // without one.
        EXPECT_EQ(w->findChild<QPushButton*>(QStringLiteral("HelpButton"))->isVisible(),
                  gui::UserGuidePath().has_value());
        auto* grid = w->Field(app::OptionField::GridWidth);
        EXPECT_EQ(grid->text(), QStringLiteral("100"));
        grid->setText(QStringLiteral("50"));
        w->findChild<QRadioButton*>(QStringLiteral("smallToolBoxOption"))->setChecked(true);
        w->findChild<QRadioButton*>(QStringLiteral("fontOption2"))->setChecked(true);
        QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("OKButton")), Qt::LeftButton);
        EXPECT_FALSE(w->isVisible());
    });
    EXPECT_EQ(s.Stored("Startup", "GridWidth"), "50");
    EXPECT_EQ(s.Stored("", "LargeToolBox"), "False");
    EXPECT_EQ(s.Stored("Startup", "WindowFontName"), "メイリオ");
    EXPECT_EQ(s.window->Ws().Settings.GridWidth, 50);
    // Reopened at once in its small form.
    EXPECT_TRUE(tool->isVisible());
    EXPECT_LT(tool->width(), largeWidth);
}

TEST(OptionWindow, OkRefusesAGridWidthOfZeroAndCancelChangesNothing) {
    Started s;
    QString message;
    s.Open<gui::frmOption>("Option_Item", [&](gui::frmOption* w) {
        auto* grid = w->Field(app::OptionField::GridWidth);
        grid->setText(QStringLiteral("0"));
        AnswerNextMessage(message);
        w->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    EXPECT_EQ(message, QStringLiteral("0より大きな数を入力して下さい。"));
    EXPECT_EQ(s.window->Ws().Settings.GridWidth, 100);
    EXPECT_EQ(s.Stored("Startup", "GridWidth"), "100");

    s.Open<gui::frmOption>("Option_Item", [&](gui::frmOption* w) {
        w->Field(app::OptionField::RailWidth)->setText(QStringLiteral("9"));
        w->findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    });
    EXPECT_EQ(s.window->Ws().Settings.RailWidth, 5);
}

TEST(OptionWindow, LeavingAFieldByTabResetsItWithTheMessage) {
    Started s;
    QString message;
    s.Open<gui::frmOption>("Option_Item", [&](gui::frmOption* w) {
        auto* width = w->Field(app::OptionField::RailWidth);
        QApplication::setActiveWindow(w);
        width->setFocus();
        width->setText(QStringLiteral("abc"));
        ASSERT_TRUE(width->hasFocus());
        AnswerNextMessage(message);
        QTest::keyClick(width, Qt::Key_Tab);
        EXPECT_EQ(width->text(), QStringLiteral("5"));
        w->reject();
    });
    EXPECT_EQ(message, QStringLiteral("数値を入力して下さい。"));
}

TEST(AboutBox, ShowsTheVersionAndCopiesTheReport) {
    Started s;
    s.Open<gui::frmAbout>("About_Item", [&](gui::frmAbout* w) {
        const QString version = QString::fromStdString(app::VersionText());
        EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("lblVersion"))->text().contains(version));
        EXPECT_TRUE(w->findChild<QLabel*>(QStringLiteral("lblSystem"))
                        ->text()
                        .contains(QString::fromLatin1(qVersion())));
        const QString links = w->findChild<QLabel*>(QStringLiteral("lblLinks"))->text();
        EXPECT_TRUE(links.contains(QStringLiteral("href=\"mailto:") + app::MailAddress));
        EXPECT_TRUE(links.contains(QStringLiteral("href=\"") + app::WebPage));
        QApplication::clipboard()->clear();
        w->findChild<QPushButton*>(QStringLiteral("copyButton"))->click();
        const QString copied = QApplication::clipboard()->text();
        EXPECT_TRUE(copied.startsWith(QStringLiteral("Ferrovane ") + version));
        EXPECT_TRUE(copied.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
        w->accept();
    });
}
