// The Tools menu's design check, used as a user does: open it, click a row, join.
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "core/commands/edit/Selection.h"
#include "core/commands/placement/Placement.h"
#include "core/compute/geometry/Joints.h"
#include "gui/app/StartedWindow.h"
#include "gui/editor/DesignCheckDock.h"

using namespace ferrovane;

namespace {

TEST(DesignCheckWindow, ListsFindingsFocusesThemAndJoinsANearMiss) {
    ferrovane::testing::StartedWindow w;
    w.LayStraight(300, 300, 270); // (300, 300) to (548, 300)
    w.LayStraight(600, 302, 270);
    // Moved so that its end 0 lies 7.3 from the first one's end 1, without joining.
    geometry::TranslateRail(w.Ws().Layout, 2, -45, 0);
    w.Action("itmDesignCheck")->trigger();
    auto* dock = w.window->DesignCheck();
    ASSERT_TRUE(dock);
    QTreeWidget* list = dock->List();
    // Four open ends, then the near miss.
    ASSERT_EQ(list->topLevelItemCount(), 5);
    QTreeWidgetItem* near = list->topLevelItem(4);
    EXPECT_EQ(near->text(0).toStdString(), "つながっていない端");
    list->setCurrentItem(near);
    emit list->itemClicked(near, 0);
    EXPECT_EQ(editor::SelectedRails(w.Ws().Editor), (std::vector<int>{1, 2}));
    ASSERT_TRUE(dock->JoinButton()->isEnabled());
    dock->JoinButton()->click();
    EXPECT_EQ(w.Ws().Layout.Rails[1].Link1, 2);
    // The list follows the change: two open ends left, and the joint is strained by
    // the gap that is still there.
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(2)->text(0).toStdString(), "無理な接続");
    w.Action("itmUndo")->trigger();
    EXPECT_EQ(list->topLevelItemCount(), 5);
}

} // namespace
