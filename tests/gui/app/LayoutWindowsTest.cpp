// The Tools menu's layout windows, each opened from its menu item as a user does.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/app/settings/ApplicationRecords.h"
#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/StartUp.h"
#include "core/commands/placement/Placement.h"
#include "core/compute/output/PartsListCsv.h"
#include "gui/app/StartedWindow.h"
#include "gui/app/frmLayoutInformation.h"
#include "gui/app/frmMain.h"
#include "gui/editor/frmTool.h"
#include "gui/output/frmRailCount.h"
#include "support/LayoutFixtures.h"

using namespace ferrovane;
using ferrovane::testing::AnswerNextMessage;
using ferrovane::testing::layouts::ReadBytes;

namespace {

// A main window as a returning user starts it, with one straight laid.
struct LayoutWindow : ferrovane::testing::StartedWindow {
    LayoutWindow() { EXPECT_EQ(LayStraight(300, 300), 1); }

    const model::Rail& First() { return Ws().Layout.Rails[1]; }

    // Opens the window of a menu item; `whileOpen` gets it (nullptr when none opened)
    // and must close it.
    void Open(const char* item, const std::function<void(QWidget*)>& whileOpen) {
        QTimer::singleShot(0, [this, whileOpen] {
            QWidget* dialog = QApplication::activeModalWidget();
            toolBoxHiddenWhileOpen = !window->ToolBox()->isVisible();
            whileOpen(dialog);
            if (dialog && dialog->isVisible()) dialog->close();
        });
        window->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    bool toolBoxHiddenWhileOpen = false;
};

void SetField(QWidget* dialog, const char* name, const QString& text) {
    dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

void Click(QWidget* dialog, const char* name) {
    dialog->findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

} // namespace

TEST(LayoutWindows, MoveAllMovesEveryRailAndCanBeUndone) {
    LayoutWindow w;
    const model::Rail before = w.First();
    QString word;
    w.Open("mnuMoveAll", [&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("全体移動"));
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("xOffsetEdit"))->text(), "0");
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("yOffsetEdit"))->text(), "0");
        SetField(dialog, "xOffsetEdit", QStringLiteral("x"));
        AnswerNextMessage(word);
        Click(dialog, "moveButton"); // refused: the window stays
        EXPECT_TRUE(dialog->isVisible());
        SetField(dialog, "xOffsetEdit", QStringLiteral("100"));
        SetField(dialog, "yOffsetEdit", QStringLiteral("-50"));
        Click(dialog, "moveButton");
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(word, QStringLiteral("移動量には数値を指定して下さい。"));
    EXPECT_TRUE(w.toolBoxHiddenWhileOpen);
    EXPECT_TRUE(w.window->ToolBox()->isVisible());
    EXPECT_FLOAT_EQ(w.First().X0, before.X0 + 100);
    EXPECT_FLOAT_EQ(w.First().Y0, before.Y0 - 50);
    QAction* undo = w.window->findChild<QAction*>(QStringLiteral("itmUndo"));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_TRUE(undo->text().contains(QStringLiteral("全体移動"))) << undo->text().toStdString();
    undo->trigger();
    EXPECT_EQ(w.First().X0, before.X0);
}

TEST(LayoutWindows, LayoutSizeRefusesOutOfRangeWithAWordAndSetsTheBoard) {
    LayoutWindow w;
    QString word;
    w.Open("itmSetLayoutSize", [&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("widthEdit"))->text(), "2000");
        SetField(dialog, "widthEdit", QStringLiteral("30001"));
        AnswerNextMessage(word);
        Click(dialog, "okButton");
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(w.Ws().Layout.LayoutWidth, 2000);
        SetField(dialog, "widthEdit", QStringLiteral("6000"));
        SetField(dialog, "heightEdit", QStringLiteral("2500"));
        Click(dialog, "okButton");
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_TRUE(word.contains(QStringLiteral("0 から 30000"))) << word.toStdString();
    EXPECT_EQ(w.Ws().Layout.LayoutWidth, 6000);
    EXPECT_EQ(w.Ws().Layout.LayoutHeight, 2500);
    EXPECT_TRUE(w.Ws().Layout.Modified);
    // The scroll bars reach over the wider board and start at its corner.
    auto* horizontal = w.window->findChild<QScrollBar*>(QStringLiteral("HScroll"));
    auto* vertical = w.window->findChild<QScrollBar*>(QStringLiteral("VScroll"));
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(vertical->value(), 0);
    EXPECT_GT(horizontal->maximum(), 4000);
}

TEST(LayoutWindows, LayoutInformationShowsTheFiguresOfTheOpenLayout) {
    LayoutWindow w;
    QString pieces, catalogue, ends;
    w.Open("itmLayoutInformation", [&](QWidget* dialog) {
        auto* info = qobject_cast<gui::frmLayoutInformation*>(dialog);
        ASSERT_NE(info, nullptr);
        pieces = info->Value(QStringLiteral("レール数"));
        catalogue = info->Value(QStringLiteral("レール情報定義ファイル"));
        ends = info->Value(QStringLiteral("つながっていない端"));
        Click(dialog, "closeButton");
    });
    EXPECT_EQ(pieces, QStringLiteral("1本"));
    EXPECT_EQ(catalogue.toStdString(), ferrovane::testing::Catalogue);
    EXPECT_EQ(ends, QStringLiteral("2箇所"));
    EXPECT_TRUE(w.toolBoxHiddenWhileOpen);
}

TEST(LayoutWindows, RailCountShowsCopiesAndSavesThePartsList) {
    LayoutWindow w;
    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("parts.csv"));
    QString report, title;
    w.Open("ShowRailCount", [&](QWidget* dialog) {
        auto* count = qobject_cast<gui::frmRailCount*>(dialog);
        ASSERT_NE(count, nullptr);
        title = dialog->windowTitle();
        report = count->Report()->toPlainText();
        Click(dialog, "copyButton");
        QTimer::singleShot(0, [&] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!files) return;
            files->selectFile(csvPath);
            static_cast<QDialog*>(files)->accept(); // QFileDialog hides it
        });
        Click(dialog, "saveCsvButton");
        Click(dialog, "closeButton");
    });
    EXPECT_EQ(title, QStringLiteral("総レール数の表示"));
    EXPECT_TRUE(report.startsWith(QStringLiteral("ストレートレール:\n  "))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("総レール数 : 1 本"))) << report.toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), report);
    EXPECT_EQ(ReadBytes(csvPath.toStdString()), output::PartsListCsv(w.Ws().Layout));
}
