#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include "core/commands/edit/PerformUndo.h"
#include "gui/app/StartedWindow.h"

using namespace ferrovane;
using ferrovane::testing::StartedWindow;

namespace {

// The gap closer from its menu item: two free ends picked on the board, the straight
// that fills the 248-unit gap offered first and laid joined at both ends as one undo step.
TEST(CloseGapWindow, PicksTwoEndsAndLaysTheFillingStraight) {
    StartedWindow w;
    app::Workspace& ws = w.Ws();
    ASSERT_EQ(w.LayStraight(300, 300), 1);
    ASSERT_EQ(w.LayStraight(300 + 2 * 248, 300), 2); // a straight's length apart
    w.Action("itmCloseGap")->trigger();
    ASSERT_EQ(ws.Editor.AStatus, model::EditorMode::CloseGapFirstEnd);
    w.ClickAt(ws.Layout.Rails[1].X1, ws.Layout.Rails[1].Y1);
    EXPECT_EQ(ws.Editor.AStatus, model::EditorMode::CloseGapSecondEnd);
    w.ClickAt(ws.Layout.Rails[2].X0, ws.Layout.Rails[2].Y0);
    ASSERT_EQ(ws.Editor.AStatus, model::EditorMode::CloseGapChoosing);
    QWidget* window = w.window->OpenTool();
    ASSERT_NE(window, nullptr);
    auto* list = window->findChild<QListWidget*>(QStringLiteral("suggestionList"));
    ASSERT_GT(list->count(), 0);
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("S248")))
        << list->item(0)->text().toStdString();
    window->findChild<QPushButton*>(QStringLiteral("layButton"))->click();
    ASSERT_EQ(ws.Layout.RailCount, 3);
    EXPECT_EQ(ws.Layout.Rails[3].Link0, 1);
    EXPECT_EQ(ws.Layout.Rails[3].Link1, 2);
    EXPECT_FALSE(ws.Layout.Rails[1].Free1);
    EXPECT_FALSE(ws.Layout.Rails[2].Free0);
    EXPECT_EQ(ws.Editor.AStatus, model::EditorMode::Place);
    EXPECT_FALSE(window->isVisible()) << "the window closes once the pieces are laid";
    editor::UndoCommand(ws);
    EXPECT_EQ(ws.Layout.Rails[3].Valid, false);
    EXPECT_TRUE(ws.Layout.Rails[1].Free1 && ws.Layout.Rails[2].Free0);
}

} // namespace
