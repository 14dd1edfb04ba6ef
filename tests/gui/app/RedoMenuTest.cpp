#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include "gui/app/StartedWindow.h"

using namespace ferrovane;

using ferrovane::testing::StartedWindow;

namespace {

// A straight joined to end 1 of rail 1 by a click there, as a user lays it.
void ClickNextStraight(StartedWindow& w) {
    w.ClickAt(w.Ws().Layout.Rails[1].X1, w.Ws().Layout.Rails[1].Y1);
}

} // namespace

TEST(RedoMenu, SitsUnderUndoAndIsEnabledOnlyWithSomethingToRedo) {
    StartedWindow w;
    QAction* undo = w.Action("itmUndo");
    QAction* redo = w.Action("itmRedo");
    ASSERT_NE(undo, nullptr);
    ASSERT_NE(redo, nullptr);
    EXPECT_EQ(redo->text(), QStringLiteral("やり直し(&R)"));
    const auto keys = redo->shortcuts();
    EXPECT_TRUE(keys.contains(QKeySequence(QStringLiteral("Ctrl+Y"))));
    EXPECT_TRUE(keys.contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
    const QMenu* edit = w.window->menuBar()->actions().at(1)->menu();
    ASSERT_NE(edit, nullptr);
    const QList<QAction*> items = edit->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items[0], undo);
    EXPECT_EQ(items[1], redo);
    EXPECT_FALSE(redo->isEnabled());

    app::Workspace& ws = w.Ws();
    ws.Editor.PlaceKind = model::PieceKind::Straight;
    ws.Editor.SelStraight = 0;
    ASSERT_EQ(w.LayStraight(), 1);
    ClickNextStraight(w);
    ASSERT_EQ(ws.Layout.RailCount, 2);
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    EXPECT_FALSE(ws.Layout.Rails[2].Valid);
    EXPECT_TRUE(redo->isEnabled());

    // The pointer on the item tells what it does.
    redo->hover();
    EXPECT_EQ(w.window->findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
              QStringLiteral("取り消した操作をやり直します"));

    // Ctrl+Y through the window, then Ctrl+Shift+Z after another undo.
    QTest::keyClick(w.window.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(ws.Layout.Rails[2].Valid);
    EXPECT_FALSE(ws.Layout.Rails[1].Free1);
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    undo->trigger();
    EXPECT_FALSE(ws.Layout.Rails[1].Valid);
    QTest::keyClick(w.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(ws.Layout.Rails[1].Valid);
    EXPECT_FALSE(ws.Layout.Rails[2].Valid);
    EXPECT_TRUE(redo->isEnabled());

    // A new piece starts another history: nothing is left to redo.
    ClickNextStraight(w);
    EXPECT_EQ(ws.Layout.RailCount, 3);
    EXPECT_FALSE(redo->isEnabled());
}
