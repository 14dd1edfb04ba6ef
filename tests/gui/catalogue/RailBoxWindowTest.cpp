#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/commands/edit/Selection.h"
#include "gui/app/StartedWindow.h"
#include "gui/editor/frmTool.h"

using namespace ferrovane;
using ferrovane::testing::CatalogueCopy;
using ferrovane::testing::StartedWindow;

namespace {

// The rail-box window from its menu item: a selection kept as a named box with its
// picture, saved to the catalogue file, and offered by the tool box.
TEST(RailBoxWindow, ASelectionBecomesASavedBoxTheToolBoxOffers) {
    CatalogueCopy copy;
    StartedWindow w(std::vector<std::pair<std::string, std::string>>{{"RTypeFileName", copy.Path}});
    ASSERT_EQ(w.LayStraight(300, 300), 1);
    ASSERT_EQ(w.LayStraight(300, 400), 2);
    editor::ToggleSelection(w.Ws(), 1);
    editor::ToggleSelection(w.Ws(), 2);
    const QByteArray before = copy.Bytes();

    int rowsBefore = -1, rowsAfter = -1, darkPixels = 0;
    QString chosen;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QStringLiteral("レール箱編集"));
        auto* list = window->findChild<QListWidget*>(QStringLiteral("boxList"));
        rowsBefore = list->count();
        QTimer::singleShot(0, [] {
            auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(ask, nullptr);
            ask->setTextValue(QStringLiteral("Double"));
            ask->accept();
        });
        window->findChild<QPushButton*>(QStringLiteral("makeFromSelection"))->click();
        rowsAfter = list->count();
        chosen = list->currentItem() ? list->currentItem()->text() : QString();
        const QImage picture = window->findChild<QLabel*>(QStringLiteral("boxPreview"))
                                   ->pixmap()
                                   .toImage()
                                   .convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                darkPixels += qGray(picture.pixel(x, y)) < 160;
        window->findChild<QPushButton*>(QStringLiteral("saveAndClose"))->click();
    });
    w.Action("EditRailBox_Item")->trigger();
    EXPECT_EQ(rowsAfter, rowsBefore + 1);
    EXPECT_TRUE(chosen.startsWith(QStringLiteral("Double"))) << chosen.toStdString();
    EXPECT_GT(darkPixels, 50) << "the picture shows the two straights";
    EXPECT_NE(copy.Bytes(), before);
    EXPECT_TRUE(copy.Bytes().contains("Double"));
    EXPECT_TRUE(w.window->ToolBox()->isVisible());
}

// Closing with unsaved changes asks; No puts the boxes back and leaves the file alone.
TEST(RailBoxWindow, ClosingWithoutSavingAsksAndNoUndoesTheChanges) {
    CatalogueCopy copy;
    StartedWindow w(std::vector<std::pair<std::string, std::string>>{{"RTypeFileName", copy.Path}});
    const auto boxes = w.Ws().Catalogue.RailBoxRails;
    ASSERT_FALSE(boxes.empty()) << "the bundled catalogue has rail boxes";
    const QByteArray before = copy.Bytes();
    QString question;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        ASSERT_NE(window, nullptr);
        ferrovane::testing::AnswerNextBox(QMessageBox::Yes); // delete the first box
        window->findChild<QPushButton*>(QStringLiteral("deleteBox"))->click();
        ferrovane::testing::AnswerNextBox(QMessageBox::No, &question);
        window->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    w.Action("EditRailBox_Item")->trigger();
    EXPECT_EQ(question, QStringLiteral("変更を保存しますか?"));
    EXPECT_EQ(w.Ws().Catalogue.RailBoxRails, boxes);
    EXPECT_EQ(copy.Bytes(), before);
}

} // namespace
