#include <QAction>
#include <QCoreApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "core/app/settings/ApplicationRecords.h"
#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/placement/Placement.h"
#include "gui/app/QSettingsStore.h"
#include "gui/app/frmMain.h"
#include "gui/editor/MainPicture.h"

using namespace ferrovane;

namespace {

const std::string Catalogue =
    std::string(FERROVANE_TEST_DATA) + "/../../data/catalogues/n-33mm.rtr";

// A main window started as a returning user would: a catalogue set and a version
// recorded, so start-up asks nothing.
struct StartedWindow {
    app::MemorySettingsStore user;
    app::MemorySettingsStore records;
    std::unique_ptr<gui::frmMain> window;

    StartedWindow() {
        user.Set(app::RootSection, "RTypeFileName", Catalogue);
        user.Set(app::StartupSection, "ZoomPosition", "0");
        records.Set(app::OptionsSection, app::CurrentVersionKey, app::CurrentVersionText());
        window =
            std::make_unique<gui::frmMain>(QCoreApplication::applicationDirPath(), user, records);
        window->resize(900, 700);
        EXPECT_EQ(app::RunStartUp(window->Ws(), window->Context()), document::CommandResult::Done);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    app::Workspace& Ws() { return window->Ws(); }

    // The widget position of a layout point.
    QPoint PixelOf(float x, float y) {
        const auto& view = Ws().View;
        return QPoint(static_cast<int>((x - view.Screen.Left) / view.UnitsPerPixel()),
                      static_cast<int>((y - view.Screen.Top) / view.UnitsPerPixel()));
    }

    QAction* Action(const char* name) {
        const auto actions = window->findChildren<QAction*>(QString::fromLatin1(name));
        return actions.isEmpty() ? nullptr : actions.first();
    }
};

} // namespace

TEST(MainWindow, StartsWithTheCatalogueOfTheSettings) {
    StartedWindow w;
    EXPECT_EQ(w.Ws().Catalogue.RTypeFileName, Catalogue);
    EXPECT_GT(w.Ws().Catalogue.StraightTypeMax, 0);
    EXPECT_EQ(w.Ws().Editor.AStatus, model::EditorMode::Place);
    EXPECT_TRUE(w.window->windowTitle().startsWith(QStringLiteral("Ferrovane Ver ")));
}

TEST(MainWindow, ClickAtAFreeEndPlacesAndJoinsTheNextPiece) {
    StartedWindow w;
    app::Workspace& ws = w.Ws();
    ws.Editor.PlaceKind = model::PieceKind::Straight;
    ws.Editor.SelStraight = 0;
    ws.Editor.MouseX = 300;
    ws.Editor.MouseY = 300;
    float angle = 270;
    ASSERT_GT(geometry::PlaceRail(ws, angle, 0, geometry::PlaceCommit, false), 0);
    ASSERT_EQ(ws.Layout.RailCount, 1);

    const model::Rail first = ws.Layout.Rails[1];
    gui::MainPicture* picture = w.window->Picture();
    const QPoint end = w.PixelOf(first.X1, first.Y1);
    QTest::mouseMove(picture, end);
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, end);

    ASSERT_EQ(ws.Layout.RailCount, 2);
    const model::Rail& second = ws.Layout.Rails[2];
    EXPECT_FALSE(second.Free0);
    EXPECT_EQ(second.Link0, 1);
    EXPECT_FALSE(ws.Layout.Rails[1].Free1);
    EXPECT_TRUE(ws.Layout.Modified);

    // Drawing only the new rail over the off-screen image left exactly what a full
    // redraw paints.
    const QImage incremental = w.window->BackScreenImage();
    w.window->Renderer().ReDrawBackScreen();
    EXPECT_TRUE(incremental == w.window->BackScreenImage());

    // The undo menu item takes the piece back.
    QAction* undo = w.Action("itmUndo");
    ASSERT_NE(undo, nullptr);
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_FALSE(ws.Layout.Rails[2].Valid);
    EXPECT_TRUE(ws.Layout.Rails[1].Free1);
}

TEST(MainWindow, ZoomMenuAndViewChecksReachTheView) {
    StartedWindow w;
    const auto zoomItems = w.window->findChildren<QAction*>(QStringLiteral("mnuZoom"));
    ASSERT_EQ(zoomItems.size(), 5);
    zoomItems[2]->trigger(); // 50 %
    EXPECT_FLOAT_EQ(w.Ws().View.Zoom, 1.0f);
    EXPECT_TRUE(zoomItems[2]->isChecked());
    EXPECT_FALSE(zoomItems[0]->isChecked());

    QAction* grid = w.Action("Grid_Check");
    ASSERT_NE(grid, nullptr);
    const bool before = w.Ws().View.IsGrid;
    grid->trigger();
    EXPECT_NE(w.Ws().View.IsGrid, before);
    EXPECT_EQ(grid->isChecked(), w.Ws().View.IsGrid);
}

TEST(MainWindow, ScrollBarsFollowTheView) {
    StartedWindow w;
    w.Ws().Layout.LayoutWidth = 20000;
    w.window->ResizeBoard();
    auto* bar = w.window->findChild<QScrollBar*>(QStringLiteral("HScroll"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isEnabled());
    bar->setValue(500);
    EXPECT_FLOAT_EQ(w.Ws().View.Screen.Left, 500.0f);
}

TEST(SettingsStore, ShutdownWritesTheSettingsIntoTheQSettingsFile) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("settings.ini"));
    {
        gui::QSettingsStore store(ini);
        store.Set(app::StartupSection, "GridWidth", "250");
        store.Set(app::RootSection, "Flexible divides", "40");
        store.Sync();
    }
    gui::QSettingsStore reread(ini);
    EXPECT_EQ(reread.Get(app::StartupSection, "GridWidth"), std::optional<std::string>("250"));
    EXPECT_EQ(reread.Get(app::RootSection, "Flexible divides"), std::optional<std::string>("40"));
    EXPECT_EQ(reread.Get(app::RootSection, "GridWidth"), std::nullopt) << "sections stay apart";

    StartedWindow w;
    w.Ws().Settings.GridWidth = 125;
    gui::QSettingsStore target(ini);
    app::StartUpContext context = w.window->Context();
    context.UserStore = &target;
    ASSERT_TRUE(app::RunShutdown(w.Ws(), context));
    target.Sync();
    EXPECT_EQ(gui::QSettingsStore(ini).Get(app::StartupSection, "GridWidth"),
              std::optional<std::string>("125"));
}
