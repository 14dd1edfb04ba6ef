#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/app/board/RailList.h"
#include "gui/app/StartedWindow.h"
#include "gui/editor/MainPicture.h"
#include "gui/editor/ToolWindow.h"
#include "gui/editor/frmAngle2.h"
#include "gui/editor/frmTool.h"

using namespace ferrovane;
using ferrovane::testing::Child;
using ferrovane::testing::PreviewPixels;
using ferrovane::testing::StartedWindow;
using model::EditorMode;

namespace {

void ClickItem(QListWidget* list, int row) {
    ASSERT_LT(row, list->count());
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
}

// How a tool window is reached: its menu item, a click on its entry in the tool box's
// list of its kind, or that entry made current with the keyboard and the execute button.
enum class Route { Menu, ListClick, Execute };

const char* RouteName(Route route) {
    switch (route) {
    case Route::Menu:
        return "menu";
    case Route::ListClick:
        return "list click";
    case Route::Execute:
        return "execute button";
    }
    return "";
}

struct ToolCase {
    const char* tool;
    const char* menuItem;
    int kindButton; // -1: not in the tool box
    const char* entry;
    int row;
    const char* windowName;
    EditorMode mode;
    const char* closeButton;
    // Lays what the tool works on.
    std::function<void(StartedWindow&)> prepare;
    // Does the tool's work through the board and the window; true when that closed it.
    std::function<bool(StartedWindow&, QWidget*)> work;
};

void Open(StartedWindow& w, const ToolCase& c, Route route) {
    if (route == Route::Menu) {
        w.Action(c.menuItem)->trigger();
        return;
    }
    gui::frmTool* box = w.window->ToolBox();
    QTest::mouseClick(
        Child<QWidget>(box, qPrintable(QStringLiteral("picObject%1").arg(c.kindButton))),
        Qt::LeftButton);
    auto* list = Child<QListWidget>(box, "lstRails");
    ASSERT_GT(list->count(), c.row);
    EXPECT_EQ(list->item(c.row)->text(), QString::fromUtf8(c.entry));
    // A command kind: the board waits for a command.
    EXPECT_EQ(w.Ws().Editor.AStatus, EditorMode::NotPlaceable);
    if (route == Route::ListClick) {
        ClickItem(list, c.row);
        return;
    }
    for (int i = 0; i <= c.row; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(list->currentRow(), c.row);
    EXPECT_EQ(w.window->OpenTool(), nullptr) << "moving onto a command does not run it";
    QTest::mouseClick(Child<QWidget>(box, "picexecute"), Qt::LeftButton);
}

const ToolCase Tools[] = {
    {"delete", "Delete_Item", 4, "レールや文字の削除", 2, "frmDelete", EditorMode::Delete,
     "closeButton", [](StartedWindow& w) { ASSERT_EQ(w.LayStraight(), 1); },
     [](StartedWindow& w, QWidget*) -> bool {
         w.ClickRail(1);
         EXPECT_FALSE(w.Ws().Layout.Rails[1].Valid);
         return false;
     }},
    {"recolour", "itmChangeColor", -1, "", 0, "frmChangeColor", EditorMode::Recolour, "closeButton",
     [](StartedWindow& w) { ASSERT_EQ(w.LayStraight(), 1); },
     [](StartedWindow& w, QWidget* window) -> bool {
         w.ClickRail(1);
         EXPECT_EQ(Child<QLabel>(window, "targetLabel")->text(), QStringLiteral("レール名 : S248"));
         QTimer::singleShot(0, [] {
             auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
             ASSERT_NE(dialog, nullptr);
             dialog->setCurrentColor(QColor(10, 200, 30));
             dialog->accept();
         });
         Child<QPushButton>(window, "colourSample")->click();
         EXPECT_NE(w.Ws().Layout.Rails[1].Color, 10 | 200 << 8 | 30 << 16) << "not before apply";
         Child<QPushButton>(window, "applyButton")->click();
         EXPECT_EQ(w.Ws().Layout.Rails[1].Color, 10 | 200 << 8 | 30 << 16);
         return false;
     }},
    {"elevation", "itmUpper", 4, "レールの高架", 1, "frmMakeUpper", EditorMode::Elevate,
     "closeButton", [](StartedWindow& w) { ASSERT_EQ(w.LayStraight(), 1); },
     [](StartedWindow& w, QWidget* window) -> bool {
         const model::Rail& rail = w.Ws().Layout.Rails[1];
         EXPECT_FALSE(rail.Upper);
         // Hovering the rail offers the types it can become.
         QTest::mouseMove(w.window->Picture(), w.PixelOf(rail.MidX, rail.MidY));
         auto* candidates = Child<QListWidget>(window, "lstDestRail");
         EXPECT_GT(candidates->count(), 0);
         ClickItem(candidates, 0);
         const QString chosen = candidates->item(0)->text();
         w.ClickRail(1);
         EXPECT_TRUE(rail.Upper);
         EXPECT_EQ(QString::fromStdString(rail.Name).trimmed(), chosen.trimmed());
         return false;
     }},
    {"flexible rail", "itmFlexibleRail", 3, "フレキシブルレール", 0, "frmMakeFlex",
     EditorMode::FlexChoosingStart, "cancelButton",
     [](StartedWindow& w) {
         ASSERT_EQ(w.LayStraight(300, 300), 1);
         ASSERT_EQ(w.LayStraight(700, 500), 2);
     },
     [](StartedWindow& w, QWidget* window) -> bool {
         const auto& rails = w.Ws().Layout.Rails;
         w.ClickAt(rails[1].X1, rails[1].Y1);
         w.ClickAt(rails[2].X0, rails[2].Y0);
         EXPECT_EQ(w.Ws().Layout.RailCount, 2) << "nothing before OK";
         Child<QPushButton>(window, "okButton")->click();
         EXPECT_EQ(w.Ws().Layout.RailCount, 3);
         const model::Rail& flex = rails[3];
         EXPECT_EQ(flex.Kind, model::KindFlexible);
         EXPECT_EQ(flex.Link0, 1);
         EXPECT_EQ(flex.Link1, 2);
         EXPECT_EQ(rails[1].Link1, 3);
         EXPECT_EQ(rails[2].Link0, 3);
         EXPECT_FALSE(rails[1].Free1);
         EXPECT_FALSE(rails[2].Free0);
         return true;
     }},
    {"text label", "itmInsertString", 4, "文字の挿入", 0, "frmInsertString", EditorMode::TextLabel,
     "closeButton", [](StartedWindow&) {},
     [](StartedWindow& w, QWidget* window) -> bool {
         QTest::keyClicks(Child<QLineEdit>(window, "textEdit"), QStringLiteral("Depot"));
         w.ClickAt(400, 500);
         const auto& layout = w.Ws().Layout;
         EXPECT_EQ(layout.RailCount, 1);
         const model::Rail& label = layout.Rails[1];
         EXPECT_EQ(label.Kind, model::KindText);
         EXPECT_TRUE(QString::fromStdString(label.Name).endsWith(QStringLiteral("Depot")))
             << label.Name;
         const float unit = w.Ws().View.UnitsPerPixel();
         EXPECT_NEAR(label.C1X, 400, unit);
         EXPECT_NEAR(label.C1Y, 500, unit);
         return false;
     }},
};

// Every way of closing ends the tool.
enum class Closing { Button, Escape, TitleBar };

void Close(QWidget* window, const ToolCase& c, Closing how) {
    switch (how) {
    case Closing::Button:
        Child<QPushButton>(window, c.closeButton)->click();
        break;
    case Closing::Escape:
        QTest::keyClick(window, Qt::Key_Escape);
        break;
    case Closing::TitleBar:
        window->close();
        break;
    }
}

} // namespace

TEST(ToolWindows, EachOpensFromItsMenuAndTheToolBoxWorksOnTheBoardAndCloses) {
    for (const ToolCase& c : Tools) {
        for (const Route route : {Route::Menu, Route::ListClick, Route::Execute}) {
            if (route != Route::Menu && c.kindButton < 0) continue;
            SCOPED_TRACE(std::string(c.tool) + " from the " + RouteName(route));
            StartedWindow w;
            c.prepare(w);
            gui::frmTool* box = w.window->ToolBox();
            ASSERT_TRUE(box->isVisible());
            Open(w, c, route);
            QPointer<QWidget> window = w.window->OpenTool();
            ASSERT_FALSE(window.isNull());
            EXPECT_EQ(window->objectName(), QString::fromLatin1(c.windowName));
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(w.Ws().Editor.AStatus, c.mode);
            EXPECT_FALSE(box->isVisible()) << "the tool box stays away while the tool works";

            const bool closedByWork = c.work(w, window);
            if (!closedByWork) {
                EXPECT_EQ(w.Ws().Editor.AStatus, c.mode) << "the tool stays for more";
                Close(window, c, static_cast<Closing>(static_cast<int>(route)));
            }
            EXPECT_TRUE(window.isNull() || !window->isVisible());
            EXPECT_TRUE(box->isVisible());
            // Back to placing; opened from the tool box, the board waits for the next
            // command of the kind the tool box still shows.
            EXPECT_EQ(w.Ws().Editor.AStatus,
                      route == Route::Menu ? EditorMode::Place : EditorMode::NotPlaceable);
            // The board is no longer the tool's: a click on empty board does not do
            // its work again.
            const int count = w.Ws().Layout.RailCount;
            const std::int32_t colour = w.Ws().Layout.Rails[1].Color;
            // Placing again, the click opens the typed-angle window: cancelled.
            QTimer cancelAngle;
            QObject::connect(&cancelAngle, &QTimer::timeout, [] {
                if (auto* angle = qobject_cast<gui::frmAngle2*>(QApplication::activeModalWidget()))
                    QTest::keyClick(angle, Qt::Key_Escape);
            });
            cancelAngle.start(10);
            w.ClickAt(2000, 1400);
            EXPECT_EQ(w.Ws().Layout.RailCount, count);
            EXPECT_EQ(w.Ws().Layout.Rails[1].Color, colour);
        }
    }
}

TEST(ToolWindows, OpeningASecondToolClosesTheFirst) {
    StartedWindow w;
    ASSERT_EQ(w.LayStraight(), 1);
    w.Action("Delete_Item")->trigger();
    QPointer<QWidget> first = w.window->OpenTool();
    ASSERT_FALSE(first.isNull());
    w.Action("itmInsertString")->trigger();
    QPointer<QWidget> second = w.window->OpenTool();
    ASSERT_FALSE(second.isNull());
    EXPECT_NE(second.data(), first.data());
    EXPECT_TRUE(first.isNull() || !first->isVisible());
    EXPECT_EQ(second->objectName(), QStringLiteral("frmInsertString"));
    EXPECT_EQ(w.Ws().Editor.AStatus, EditorMode::TextLabel);
    EXPECT_FALSE(w.window->ToolBox()->isVisible());
    // The delete tool no longer answers: a click on the rail lays a label instead.
    QTest::keyClicks(Child<QLineEdit>(second, "textEdit"), QStringLiteral("A"));
    w.ClickRail(1);
    EXPECT_TRUE(w.Ws().Layout.Rails[1].Valid);
    EXPECT_EQ(w.Ws().Layout.RailCount, 2);
    second->close();
    EXPECT_EQ(w.Ws().Editor.AStatus, EditorMode::Place);
    EXPECT_TRUE(w.window->ToolBox()->isVisible());
}

TEST(ToolWindows, InsertStringRefusesLongTextAndUnusableSizes) {
    StartedWindow w;
    w.Action("itmInsertString")->trigger();
    QWidget* window = w.window->OpenTool();
    ASSERT_NE(window, nullptr);
    auto* text = Child<QLineEdit>(window, "textEdit");
    QTest::keyClicks(text, QString(79, QLatin1Char('a')) + QStringLiteral("bcd"));
    EXPECT_EQ(text->text(), QString(79, QLatin1Char('a')) + QLatin1Char('b'));

    auto* size = Child<QLineEdit>(window, "sizeEdit");
    for (const char* bad : {"abc", "0"}) {
        SCOPED_TRACE(bad);
        size->clear();
        QTest::keyClicks(size, QString::fromLatin1(bad));
        EXPECT_EQ(w.Ws().Editor.AStatus, EditorMode::BadTextSize);
        w.ClickAt(400, 500);
        EXPECT_EQ(w.Ws().Layout.RailCount, 0);
        EXPECT_TRUE(window->isVisible());
    }
    size->clear();
    QTest::keyClicks(size, QStringLiteral("14"));
    EXPECT_EQ(w.Ws().Editor.AStatus, EditorMode::TextLabel);
    w.ClickAt(400, 500);
    ASSERT_EQ(w.Ws().Layout.RailCount, 1);
    const model::Rail& label = w.Ws().Layout.Rails[1];
    EXPECT_EQ(label.Length, 14);
    EXPECT_TRUE(QString::fromStdString(label.Name)
                    .endsWith(QString(79, QLatin1Char('a')) + QLatin1Char('b')));
}

namespace {

// Preview pixels in a square of the board around a layout point.
int PreviewPixelsNear(StartedWindow& w, float x, float y, int half) {
    const QImage image =
        w.window->Picture()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint at = w.PixelOf(x, y);
    int count = 0;
    for (int py = at.y() - half; py <= at.y() + half; ++py)
        for (int px = at.x() - half; px <= at.x() + half; ++px) {
            if (!image.rect().contains(px, py)) continue;
            const QRgb p = image.pixel(px, py);
            count += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
        }
    return count;
}

} // namespace

TEST(ToolWindows, FlexibleRailWindowLeadsThroughItsStepsAndPreviewsTheCurve) {
    StartedWindow w;
    ASSERT_EQ(w.LayStraight(300, 300), 1);
    ASSERT_EQ(w.LayStraight(700, 500), 2);
    const auto& rails = w.Ws().Layout.Rails;
    w.Action("itmFlexibleRail")->trigger();
    QWidget* window = w.window->OpenTool();
    ASSERT_NE(window, nullptr);
    auto* step = Child<QLabel>(window, "stepLabel");
    auto* instruction = Child<QLabel>(window, "instructionLabel");
    auto* ok = Child<QPushButton>(window, "okButton");
    gui::MainPicture* picture = w.window->Picture();

    EXPECT_EQ(step->text(), QStringLiteral("Step 1:"));
    EXPECT_EQ(instruction->text(),
              QStringLiteral("まず、フレキシブルレールの始点を指定して下さい。"));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(PreviewPixels(picture), 0);

    w.ClickAt(rails[1].X1, rails[1].Y1);
    EXPECT_EQ(step->text(), QStringLiteral("Step 2:"));
    EXPECT_EQ(instruction->text(),
              QStringLiteral("次に、フレキシブルレールの終点を指定して下さい。"));
    EXPECT_FALSE(ok->isEnabled());
    // The chosen start is marked.
    EXPECT_GT(PreviewPixelsNear(w, rails[1].X1, rails[1].Y1, 12), 0);

    w.ClickAt(rails[2].X0, rails[2].Y0);
    EXPECT_EQ(step->text(), QStringLiteral("Step 3:"));
    EXPECT_EQ(instruction->text(),
              QStringLiteral("準備は整いました。コントロールポイントを指定してください。"));
    EXPECT_TRUE(ok->isEnabled());
    // The curve runs from one end to the other and, by its symmetry, through the middle.
    const float midX = (rails[1].X1 + rails[2].X0) / 2, midY = (rails[1].Y1 + rails[2].Y0) / 2;
    EXPECT_GT(PreviewPixelsNear(w, midX, midY, 8), 0);
    EXPECT_GT(PreviewPixelsNear(w, rails[2].X0, rails[2].Y0, 12), 0);
    // It stays while the pointer moves about.
    QTest::mouseMove(picture, w.PixelOf(2000, 1400));
    EXPECT_GT(PreviewPixelsNear(w, midX, midY, 8), 0);

    Child<QPushButton>(window, "cancelButton")->click();
    EXPECT_EQ(PreviewPixels(picture), 0);
    EXPECT_EQ(w.Ws().Layout.RailCount, 2);
    EXPECT_EQ(w.Ws().Editor.AStatus, EditorMode::Place);
    EXPECT_TRUE(rails[1].Free1);
    EXPECT_TRUE(rails[2].Free0);
}

TEST(ToolWindows, DeleteKeyDeletesTheSelectionAsOneStep) {
    StartedWindow w;
    ASSERT_EQ(w.LayStraight(300, 300), 1);
    ASSERT_EQ(w.LayStraight(300, 600), 2);
    w.ClickRail(1);
    ASSERT_EQ(w.Ws().Editor.SelRailList, (std::vector<std::int16_t>{1, 1}));
    QTest::keyClick(w.window.get(), Qt::Key_Delete);
    EXPECT_FALSE(w.Ws().Layout.Rails[1].Valid);
    EXPECT_TRUE(w.Ws().Layout.Rails[2].Valid);
    EXPECT_FALSE(w.Action("deleteSelection")->isEnabled());
    w.Action("itmUndo")->trigger();
    EXPECT_TRUE(w.Ws().Layout.Rails[1].Valid);
}

// Quitting with a tool window open: the window goes before the board it gives back.
TEST(ToolWindows, MainWindowClosesWithAToolWindowOpen) {
    for (const ToolCase& c : Tools) {
        SCOPED_TRACE(c.tool);
        StartedWindow w;
        c.prepare(w);
        w.Action(c.menuItem)->trigger();
        QPointer<QWidget> window = w.window->OpenTool();
        ASSERT_FALSE(window.isNull());
        w.window.reset();
        EXPECT_TRUE(window.isNull());
    }
}
