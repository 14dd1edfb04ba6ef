#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

#include "core/app/startup/StartUp.h"
#include "core/commands/render/ScreenRenderer.h"
#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/values/platform/UserGuide.h"
#include "gui/app/StartedWindow.h"
#include "gui/platform/UserGuide.h"

namespace ferrovane {
namespace {

using Started = testing::StartedWindow;

// What the desktop would be asked to open: file addresses go to a browser of our own.
struct OpenedUrls {
    QTextBrowser browser;
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "setSource"); }
    ~OpenedUrls() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
};

TEST(UserGuide, HelpMenuOpensTheGuideInTheUsersLanguage) {
    if (!gui::UserGuidePath()) GTEST_SKIP() << "this build has no user's guide";
    struct Case {
        const char* language; // the setting
        const char* file;
    };
    for (const Case& c : {Case{"ja", "/guide/index.html"}, Case{"en", "/guide/index.en.html"}}) {
        Started s(std::vector<std::pair<std::string, std::string>>{{"Language", c.language}});
        QAction* item = s.Action("UserGuide_Item");
        ASSERT_NE(item, nullptr);
        // The Help menu's first item, with F1, shown because there is a guide.
        QMenu* help = s.window->menuBar()->actions().last()->menu();
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->actions().first(), item);
        EXPECT_EQ(item->shortcut(), QKeySequence(QKeySequence::HelpContents));
        EXPECT_TRUE(item->isVisible());

        OpenedUrls opened;
        item->trigger();
        const QUrl url = opened.browser.source();
        EXPECT_TRUE(url.isLocalFile()) << url.toString().toStdString();
        EXPECT_TRUE(url.toLocalFile().endsWith(QString::fromLatin1(c.file)))
            << url.toString().toStdString();
        EXPECT_TRUE(url.fragment().isEmpty());
    }
}

TEST(UserGuide, HelpButtonOpensTheGuideAtItsTopic) {
    if (!gui::UserGuidePath()) GTEST_SKIP() << "this build has no user's guide";
    QPushButton button;
    gui::SetUpHelpButton(&button, "options");
    OpenedUrls opened;
    button.click();
    EXPECT_EQ(opened.browser.source().fragment(), QStringLiteral("options"));
    EXPECT_EQ(opened.browser.source().toLocalFile(), *gui::UserGuidePath());
}

// Every place a Help button opens is there, in the guide of either language.
TEST(UserGuide, EveryHelpAnchorIsInTheGuide) {
    if (!gui::UserGuidePath()) GTEST_SKIP() << "this build has no user's guide";
    const QString dir = QFileInfo(*gui::UserGuidePath()).absolutePath();
    for (const char* page : {"index.html", "index.en.html"}) {
        QFile file(dir + QLatin1Char('/') + QLatin1String(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QByteArray html = file.readAll();
        for (const std::string& anchor :
             {std::string(platform::OptionsHelpAnchor), std::string(platform::CatalogueHelpAnchor),
              platform::HelpTopicAnchor(render::BackScreenTooLargeHelpTopic),
              platform::HelpTopicAnchor(catalogue::CatalogueReadHelpTopic),
              platform::HelpTopicAnchor(app::UpgradeNoticeHelpTopic)})
            EXPECT_TRUE(html.contains(QByteArray("id=\"") + anchor.c_str() + '"'))
                << page << " lacks " << anchor;
    }
}

} // namespace
} // namespace ferrovane
