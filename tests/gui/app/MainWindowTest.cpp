#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "core/app/settings/ApplicationRecords.h"
#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/edit/Clipboard.h"
#include "core/commands/placement/Placement.h"
#include "core/compute/render/Zoom.h"
#include "gui/app/QSettingsStore.h"
#include "gui/app/StartedWindow.h"
#include "gui/app/frmMain.h"
#include "gui/editor/MainPicture.h"
#include "gui/editor/frmAngle2.h"
#include "gui/editor/frmTool.h"
#include "gui/render/PainterSurface.h"

using namespace ferrovane;

using ferrovane::testing::Catalogue;
using ferrovane::testing::PreviewPixels;
using ferrovane::testing::StartedWindow;

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
    ASSERT_GT(w.LayStraight(), 0);
    ASSERT_EQ(ws.Layout.RailCount, 1);

    w.ClickAt(ws.Layout.Rails[1].X1, ws.Layout.Rails[1].Y1);

    ASSERT_EQ(ws.Layout.RailCount, 2);
    const model::Rail& second = ws.Layout.Rails[2];
    EXPECT_FALSE(second.Free0);
    EXPECT_EQ(second.Link0, 1);
    EXPECT_FALSE(ws.Layout.Rails[1].Free1);
    EXPECT_TRUE(ws.Layout.Modified);

    // Redrawing only the tiles the new rail touches left exactly what a full redraw
    // of every tile paints.
    ASSERT_TRUE(w.window->WaitForBoard());
    QWidget* picture = w.window->Picture();
    const QImage incremental = picture->grab().toImage();
    w.window->Tiles().DropAll();
    w.window->Renderer().ReDrawBackScreen();
    ASSERT_TRUE(w.window->WaitForBoard());
    EXPECT_TRUE(incremental == picture->grab().toImage());

    // The undo menu item takes the piece back.
    QAction* undo = w.Action("itmUndo");
    ASSERT_NE(undo, nullptr);
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_FALSE(ws.Layout.Rails[2].Valid);
    EXPECT_TRUE(ws.Layout.Rails[1].Free1);
}

namespace {

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        Paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

TEST(MainWindow, TypedAngleWindowPreviewsOnTheBoardAndCancelTakesThePreviewAway) {
    StartedWindow w;
    gui::MainPicture* picture = w.window->Picture();
    PaintCounter counter;
    picture->installEventFilter(&counter);
    int repaintsWhileOpen = -1, previewWhileOpen = -1;
    QTimer::singleShot(0, [&] {
        auto* angle = qobject_cast<gui::frmAngle2*>(QApplication::activeModalWidget());
        ASSERT_NE(angle, nullptr);
        const int before = counter.Paints;
        QTest::keyClicks(angle->findChild<QLineEdit*>(QStringLiteral("angleEdit")),
                         QStringLiteral("90"));
        for (int waited = 0; waited < 1000 && counter.Paints == before; waited += 10)
            QTest::qWait(10);
        repaintsWhileOpen = counter.Paints - before;
        previewWhileOpen = PreviewPixels(picture);
        QTest::keyClick(angle, Qt::Key_Escape);
    });
    // A click on empty board opens the window at the click.
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(300, 300));
    EXPECT_GT(repaintsWhileOpen, 0);
    EXPECT_GT(previewWhileOpen, 20);
    EXPECT_EQ(PreviewPixels(picture), 0);
    EXPECT_EQ(w.Ws().Layout.RailCount, 0);
}

TEST(MainWindow, NewOnAModifiedLayoutAnsweredNoKeepsTheToolBox) {
    StartedWindow w;
    app::Workspace& ws = w.Ws();
    ASSERT_GT(w.LayStraight(), 0);
    ASSERT_TRUE(w.window->ToolBox()->isVisible());
    bool hiddenWhileAsking = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        hiddenWhileAsking = !w.window->ToolBox()->isVisible();
        box->button(QMessageBox::No)->click();
    });
    w.Action("New_Item")->trigger();
    EXPECT_TRUE(hiddenWhileAsking);
    EXPECT_EQ(ws.Layout.RailCount, 0);
    EXPECT_TRUE(w.window->ToolBox()->isVisible());
}

TEST(MainWindow, ToolBoxOpensInTheSizeTheSettingsChose) {
    QSize shown[2];
    for (const bool large : {false, true}) {
        StartedWindow w(
            {std::pair<std::string, std::string>("LargeToolBox", large ? "True" : "False")});
        gui::frmTool* tool = w.window->ToolBox();
        ASSERT_TRUE(tool->isVisible());
        shown[large] = tool->size();
        // Laid out for that size from the start: applying it again changes nothing.
        tool->SetSize();
        EXPECT_EQ(tool->size(), shown[large]) << large;
        // Wide enough for its title, which the window manager would otherwise cut.
        EXPECT_GE(tool->width(), tool->fontMetrics().horizontalAdvance(tool->windowTitle()));
        const QRect screen = w.window->screen()->availableGeometry();
        EXPECT_TRUE(screen.contains(tool->frameGeometry().topLeft())) << large;
    }
    EXPECT_LT(shown[false].height(), shown[true].height());
}

TEST(MainWindow, TheZoomLastChosenIsTheOneTheNextStartOpensAt) {
    StartedWindow w;
    const auto zoomItems = w.window->findChildren<QAction*>(QStringLiteral("mnuZoom"));
    ASSERT_EQ(zoomItems.size(), 5);
    zoomItems[2]->trigger(); // 50 %
    EXPECT_FLOAT_EQ(w.Ws().View.Zoom, 1.0f);
    EXPECT_TRUE(zoomItems[2]->isChecked());
    EXPECT_FALSE(zoomItems[0]->isChecked());
    zoomItems[3]->trigger(); // 25 %
    EXPECT_EQ(w.Ws().Settings.ZoomPosition, 3);
    // A typed zoom from the zoom window is kept as the nearest menu step.
    const struct {
        const char* percent;
        int item;
    } typed[] = {{"60", 2}, {"80", 1}, {"95", 0}, {"30", 3}};
    for (const auto& t : typed) {
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("percentEdit"));
            edit->setText(QString::fromLatin1(t.percent));
            dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        });
        w.window->findChild<QToolButton*>(QStringLiteral("picZoom"))->click();
        EXPECT_EQ(w.Ws().Settings.ZoomPosition, t.item) << t.percent;
    }
    // A zoom outside the track bar's range is refused with a word; the window stays.
    QString warning;
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("percentEdit"))->setText(QStringLiteral("5"));
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            warning = box->text();
            box->accept();
        });
        dialog->findChild<QPushButton*>(QStringLiteral("okButton"))->click();
        stayedOpen = dialog->isVisible();
        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    w.window->findChild<QToolButton*>(QStringLiteral("picZoom"))->click();
    EXPECT_EQ(warning.toStdString(), render::ZoomRangeText());
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(w.Ws().Settings.ZoomPosition, 3);
    // What shutdown stores is what the next start reads.
    ASSERT_TRUE(app::RunShutdown(w.Ws(), w.window->Context()));
    EXPECT_EQ(w.user.Get(app::StartupSection, "ZoomPosition"), std::optional<std::string>("3"));
}

TEST(MainWindow, EditMenuFollowsTheSelectionAndPasteLaysTheClipboardAtAFreeEnd) {
    StartedWindow w;
    app::Workspace& ws = w.Ws();
    ASSERT_EQ(w.LayStraight(), 1);
    const auto enabled = [&] {
        std::string state;
        for (const char* name : {"itmCut", "itmCopy", "deleteSelection", "itmPaste"})
            state += w.Action(name)->isEnabled() ? '1' : '0';
        return state;
    };
    EXPECT_EQ(enabled(), "0000");
    w.ClickRail(1); // selects it
    EXPECT_EQ(enabled(), "1110");
    w.Action("itmCopy")->trigger();
    EXPECT_EQ(enabled(), "1111");
    w.ClickAt(2000, 1500); // empty board: the selection goes
    EXPECT_EQ(enabled(), "0001");

    w.Action("itmPaste")->trigger();
    EXPECT_EQ(ws.Editor.PlaceKind, model::PieceKind::RailBox);
    EXPECT_EQ(ws.Editor.SelBox, editor::FindClipRail(ws.Catalogue));
    const auto* current = w.window->ToolBox()->findChild<QListWidget*>()->currentItem();
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(current->text(), QStringLiteral("クリップレール"));
    w.ClickAt(ws.Layout.Rails[1].X1, ws.Layout.Rails[1].Y1);
    ASSERT_EQ(ws.Layout.RailCount, 2);
    EXPECT_EQ(ws.Layout.Rails[2].Link0, 1);
    EXPECT_FALSE(ws.Layout.Rails[1].Free1);

    // The tool box's range-selection button and the menu item show the same state.
    QTest::mouseClick(w.window->ToolBox()->findChild<QWidget*>(QStringLiteral("picarrow")),
                      Qt::LeftButton);
    EXPECT_TRUE(w.Action("itmSelect")->isChecked());
}

TEST(MainWindow, BoardKeysWorkWhileTheToolBoxHasTheFocus) {
    StartedWindow w;
    app::Workspace& ws = w.Ws();
    auto* list = w.window->ToolBox()->findChild<QListWidget*>(QStringLiteral("lstRails"));
    ASSERT_NE(list, nullptr);
    ws.Editor.PlaceKind = model::PieceKind::Straight;
    QTest::keyClick(list, Qt::Key_Right);
    EXPECT_EQ(ws.Editor.PlaceKind, model::PieceKind::Curve);
    QTest::keyClick(list, Qt::Key_Left);
    EXPECT_EQ(ws.Editor.PlaceKind, model::PieceKind::Straight);
    const bool upper = ws.Editor.IsUpperMode;
    QTest::keyClick(w.window->ToolBox(), Qt::Key_U);
    EXPECT_NE(ws.Editor.IsUpperMode, upper);
}

namespace {

void Wheel(QWidget* widget, QPoint at, QPoint angle, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QWheelEvent wheel(QPointF(at), widget->mapToGlobal(QPointF(at)), QPoint(), angle, Qt::NoButton,
                      keys, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

} // namespace

TEST(MainWindow, WheelScrollsTheBoardAndCtrlWheelZoomsAboutThePointer) {
    StartedWindow w;
    auto& view = w.Ws().View;
    gui::MainPicture* picture = w.window->Picture();
    w.window->findChildren<QAction*>(QStringLiteral("mnuZoom"))[0]->trigger(); // 100 %
    ASSERT_TRUE(view.VScroll.Enabled);
    Wheel(picture, {100, 100}, {0, -120}); // one notch down
    EXPECT_EQ(view.VScroll.Value, w.Ws().Settings.ScrollHeight);
    Wheel(picture, {100, 100}, {0, -120}, Qt::ShiftModifier); // sideways
    EXPECT_EQ(view.HScroll.Value, w.Ws().Settings.ScrollWidth);
    Wheel(picture, {100, 100}, {0, 240}); // back up, and no further than the top
    EXPECT_EQ(view.VScroll.Value, 0);

    // Ctrl: one zoom step out, the layout point under the pointer stays there (the view
    // scrolled in first, so that there is room to keep it).
    Wheel(picture, {100, 100}, {0, -600});
    Wheel(picture, {100, 100}, {0, -600}, Qt::ShiftModifier);
    const QPoint at(300, 200);
    const float x = view.Screen.Left + at.x() * view.UnitsPerPixel();
    const float y = view.Screen.Top + at.y() * view.UnitsPerPixel();
    Wheel(picture, at, {0, -120}, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(view.Zoom, 1.0f / 3.0f); // 75 %
    EXPECT_NEAR(view.Screen.Left + at.x() * view.UnitsPerPixel(), x, 1.0f);
    EXPECT_NEAR(view.Screen.Top + at.y() * view.UnitsPerPixel(), y, 1.0f);
    Wheel(picture, at, {0, 120}, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(view.Zoom, 0.0f);
    Wheel(picture, at, {0, 120}, Qt::ControlModifier); // no step nearer than 100 %
    EXPECT_FLOAT_EQ(view.Zoom, 0.0f);
}

TEST(MainWindow, StatusLineFollowsTheZoomPictureAndAClearedSelection) {
    StartedWindow w;
    app::Workspace& ws = w.Ws();
    auto* zoom = w.window->findChild<QToolButton*>(QStringLiteral("picZoom"));
    auto* status = w.window->findChild<QLabel*>(QStringLiteral("lblStatus"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(zoom, &enter);
    EXPECT_EQ(status->text(), QStringLiteral("倍率を変更します"));

    ASSERT_EQ(w.LayStraight(), 1);
    w.ClickRail(1);
    gui::MainPicture* picture = w.window->Picture();
    QTest::mouseMove(picture, QPoint(600, 500));
    EXPECT_TRUE(status->text().contains(QStringLiteral("選択されています")))
        << status->text().toStdString();
    QTest::mouseClick(picture, Qt::LeftButton, Qt::NoModifier, QPoint(600, 500));
    EXPECT_FALSE(status->text().contains(QStringLiteral("選択されています")))
        << status->text().toStdString();

    // Resting on the rail shows its name; after a zoom the rail lies elsewhere and its
    // text goes.
    QTest::mouseMove(picture, w.PixelOf(ws.Layout.Rails[1].MidX, ws.Layout.Rails[1].MidY));
    const QString hover = status->text();
    w.window->findChildren<QAction*>(QStringLiteral("mnuZoom"))[3]->trigger();
    EXPECT_NE(status->text(), hover);
    EXPECT_EQ(ws.Editor.PointedRail, -1);
}

TEST(MainWindow, WindowsOpenWhereTheyWereAtTheLastShutdown) {
    StartedWindow w({std::pair<std::string, std::string>("MainWindowPlace", "40,50,600,400"),
                     std::pair<std::string, std::string>("ToolBoxPlace", "200,120,10,10")});
    EXPECT_EQ(w.window->pos(), QPoint(40, 50));
    EXPECT_EQ(w.window->size(), QSize(600, 400));
    gui::frmTool* tool = w.window->ToolBox();
    EXPECT_EQ(tool->pos(), QPoint(200, 120));
    EXPECT_GT(tool->width(), 10); // its size is the tool box's own
    tool->move(300, 200);
    w.window->move(60, 70);
    ASSERT_TRUE(app::RunShutdown(w.Ws(), w.window->Context()));
    EXPECT_EQ(w.user.Get(app::RootSection, "MainWindowPlace"),
              std::optional<std::string>("60,70,600,400"));
    const auto toolPlace = w.user.Get(app::RootSection, "ToolBoxPlace");
    ASSERT_TRUE(toolPlace);
    EXPECT_EQ(toolPlace->rfind("300,200,", 0), 0u) << *toolPlace;
}

TEST(MainWindow, ViewChecksReachTheView) {
    StartedWindow w;
    auto& view = w.Ws().View;
    const std::pair<const char*, bool*> checks[] = {{"Grid_Check", &view.IsGrid},
                                                    {"Memori_Check", &view.IsMemori},
                                                    {"Number_Check", &view.IsNumber}};
    for (const auto& [name, flag] : checks) {
        QAction* check = w.Action(name);
        ASSERT_NE(check, nullptr) << name;
        const bool before = *flag;
        check->trigger();
        EXPECT_NE(*flag, before) << name;
        EXPECT_EQ(check->isChecked(), *flag) << name;
    }
}

TEST(MainWindow, EditAndRailMenusActOnTheSelectionAndThePointedRail) {
    StartedWindow w;
    app::Workspace& ws = w.Ws();
    for (float y : {300.0f, 600.0f}) {
        ASSERT_GT(w.LayStraight(300, y), 0);
    }
    const char* const selectionItems[] = {"itmCut", "itmCopy", "itmCut2", "itmCopy2"};
    auto expectEnabled = [&](bool enabled) {
        for (const char* name : selectionItems)
            EXPECT_EQ(w.Action(name)->isEnabled(), enabled) << name;
    };
    expectEnabled(false);
    w.ClickRail(1);
    ASSERT_EQ(ws.Editor.SelRailList, (std::vector<std::int16_t>{1, 1}));
    expectEnabled(true);

    w.Action("itmCopy2")->trigger(); // copy keeps the rail and fills the clipboard box
    EXPECT_GE(editor::FindClipRail(ws.Catalogue), 0);
    EXPECT_TRUE(ws.Layout.Rails[1].Valid);
    w.Action("itmCut")->trigger();
    EXPECT_FALSE(ws.Layout.Rails[1].Valid);
    expectEnabled(false);
    w.Action("itmUndo")->trigger();
    EXPECT_TRUE(ws.Layout.Rails[1].Valid);

    // The rail menu's delete takes the rail under the pointer.
    const model::Rail& second = ws.Layout.Rails[2];
    QTest::mouseMove(w.window->Picture(), w.PixelOf(second.MidX, second.MidY));
    w.Action("Delete_Item2")->trigger();
    EXPECT_FALSE(ws.Layout.Rails[2].Valid);
    EXPECT_TRUE(ws.Layout.Rails[1].Valid);

    QAction* select = w.Action("itmSelect");
    select->trigger();
    EXPECT_EQ(ws.Editor.AStatus, model::EditorMode::RangeArmed);
    EXPECT_TRUE(select->isChecked());
    select->trigger();
    EXPECT_EQ(ws.Editor.AStatus, model::EditorMode::Place);
    EXPECT_FALSE(select->isChecked());
}

TEST(MainWindow, RailsPastTheBoardsEdgeCanBeScrolledToAndAreDrawn) {
    StartedWindow w;
    // A straight running from x 100 towards -148, past the board's left edge.
    ASSERT_EQ(w.LayStraight(100, 300, 90), 1);
    ASSERT_LT(w.Ws().Layout.Rails[1].X1, 0);
    w.window->findChildren<QAction*>(QStringLiteral("mnuZoom"))[0]->trigger(); // 100 %
    auto* bar = w.window->findChild<QScrollBar*>(QStringLiteral("HScroll"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isEnabled());
    EXPECT_LE(bar->minimum(), -148);
    bar->setValue(bar->minimum());
    const auto& screen = w.Ws().View.Screen;
    EXPECT_FLOAT_EQ(screen.Left, static_cast<float>(bar->minimum()));
    // The part left of the board shows on the visible board in the rail's colour.
    ASSERT_TRUE(w.window->WaitForBoard());
    const QImage image = w.window->Picture()->grab().toImage();
    const QRgb railColour = gui::ToQColor(w.Ws().Layout.Rails[1].Color).rgb();
    const int boardEdge = static_cast<int>(-screen.Left / w.Ws().View.UnitsPerPixel());
    int railPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < boardEdge && x < image.width(); ++x)
            railPixels += (image.pixel(x, y) & 0xFFFFFF) == (railColour & 0xFFFFFF);
    EXPECT_GT(railPixels, 50);
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
