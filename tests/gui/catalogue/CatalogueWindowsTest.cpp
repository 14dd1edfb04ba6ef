#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/app/settings/ApplicationRecords.h"
#include "core/app/settings/SettingsStore.h"
#include "core/app/startup/StartUp.h"
#include "core/compute/catalogue/RType.h"
#include "core/values/format/TextCodec.h"
#include "gui/app/StartedWindow.h"
#include "gui/app/frmMain.h"
#include "gui/catalogue/frmEditRail.h"
#include "gui/catalogue/frmMakeUserRail.h"
#include "gui/editor/frmTool.h"
#include "gui/platform/UserGuide.h"

using namespace ferrovane;
using ferrovane::testing::AnswerNextBox;
using ferrovane::testing::Child;

namespace {

// A main window started over a copy of a bundled catalogue, which the editor may write.
struct CatalogueWindow {
    ferrovane::testing::CatalogueCopy copy;
    ferrovane::testing::StartedWindow started{
        std::vector<std::pair<std::string, std::string>>{{"RTypeFileName", copy.Path}}};
    std::unique_ptr<gui::frmMain>& window = started.window;
    QString path = QString::fromStdString(copy.Path);

    app::Workspace& Ws() { return window->Ws(); }

    void Trigger(const char* name) {
        const auto actions = window->findChildren<QAction*>(QString::fromLatin1(name));
        ASSERT_FALSE(actions.isEmpty()) << name;
        actions.first()->trigger();
    }

    QByteArray FileBytes() const { return copy.Bytes(); }

    // The tool box's rail list, as it shows it.
    QStringList ToolBoxRows() {
        QStringList rows;
        auto* list = window->ToolBox()->findChild<QListWidget*>(QStringLiteral("lstRails"));
        for (int i = 0; list && i < list->count(); ++i)
            rows << list->item(i)->text();
        return rows;
    }
};

} // namespace

TEST(CatalogueWindows, EditorAddsAnEntryWritesTheFileAndTheToolBoxListsIt) {
    CatalogueWindow w;
    const QByteArray before = w.FileBytes();
    ASSERT_FALSE(w.ToolBoxRows().contains(QStringLiteral("新規レール")));
    bool toolBoxHidden = false, helpHidden = false;
    model::EditorMode modeWhileOpen = model::EditorMode::Place;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<gui::frmEditRail*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        toolBoxHidden = !w.window->ToolBox()->isVisible();
        helpHidden = !Child<QPushButton>(dialog, "helpButton")->isVisible();
        modeWhileOpen = w.Ws().Editor.AStatus;
        Child<QPushButton>(dialog, "addButton")->click();
        auto* list = Child<QListWidget>(dialog, "railList");
        EXPECT_EQ(list->currentItem()->text(), QStringLiteral("新規レール"));
        auto* length = Child<QLineEdit>(dialog, "lengthEdit");
        EXPECT_EQ(length->text(), QStringLiteral("100"));
        length->setText(QStringLiteral("333"));
        Child<QPushButton>(dialog, "registerButton")->click();
        // A question answered No: the tool box stays away all the same.
        AnswerNextBox(QMessageBox::No);
        Child<QPushButton>(dialog, "deleteButton")->click();
        EXPECT_FALSE(w.window->ToolBox()->isVisible());
        Child<QPushButton>(dialog, "saveCloseButton")->click();
    });
    w.Trigger("EditRail_Item");
    EXPECT_EQ(title, QStringLiteral("レールの編集"));
    EXPECT_TRUE(toolBoxHidden);
    // Help is offered where there is a guide to open.
    EXPECT_EQ(!helpHidden, gui::UserGuidePath().has_value());
    EXPECT_EQ(modeWhileOpen, model::EditorMode::CatalogueEditor);
    EXPECT_EQ(w.Ws().Editor.AStatus, model::EditorMode::Place);
    EXPECT_TRUE(w.window->ToolBox()->isVisible());

    const QByteArray after = w.FileBytes();
    EXPECT_NE(after, before);
    const std::string text = platform::ShiftJisToUtf8(after.toStdString()).value_or(std::string());
    EXPECT_NE(text.find("\"新規レール\",333,"), std::string::npos);
    EXPECT_LT(text.find("\"新規レール\""), text.find("\"ユーザーレール\""));
    const QStringList rows = w.ToolBoxRows();
    ASSERT_GE(rows.size(), 2);
    EXPECT_EQ(rows[rows.size() - 2], QStringLiteral("新規レール"));
    EXPECT_EQ(rows.last(), QString::fromUtf8(catalogue::UserRailName));
}

TEST(CatalogueWindows, EditorClosedByItsCloseBoxWithoutSavingPutsTheCatalogueBack) {
    CatalogueWindow w;
    const QByteArray before = w.FileBytes();
    const catalogue::Catalogue catalogue = w.Ws().Catalogue;
    QString question;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        Child<QPushButton>(dialog, "addButton")->click();
        AnswerNextBox(QMessageBox::No, &question);
        dialog->close();
    });
    w.Trigger("EditRail_Item");
    EXPECT_EQ(question, QStringLiteral("変更を保存しますか?"));
    EXPECT_EQ(w.Ws().Catalogue, catalogue);
    EXPECT_EQ(w.FileBytes(), before);
    EXPECT_EQ(w.Ws().Editor.AStatus, model::EditorMode::Place);
    EXPECT_FALSE(w.ToolBoxRows().contains(QStringLiteral("新規レール")));
}

TEST(CatalogueWindows, UserRailMakerShowsTheKindsFieldsAndCreateChoosesTheUserRail) {
    CatalogueWindow w;
    // The curve list, with its first entry chosen.
    w.Ws().ToolBox.ObjectIndex = model::PieceKind::Curve;
    w.window->ToolBox()->setlstRails();
    ASSERT_EQ(w.Ws().Editor.PlaceKind, model::PieceKind::Curve);
    bool lengthShown = true, radiusShown = false, curvePointShown = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<gui::frmMakeUserRail*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        lengthShown = Child<QLineEdit>(dialog, "lengthEdit")->isVisible();
        radiusShown = Child<QLineEdit>(dialog, "radiusEdit")->isVisible();
        curvePointShown = Child<QWidget>(dialog, "curvePointCheck")->isVisible();
        Child<QLineEdit>(dialog, "radiusEdit")->setText(QStringLiteral("250"));
        Child<QLineEdit>(dialog, "angleEdit")->setText(QStringLiteral("30"));
        Child<QPushButton>(dialog, "createButton")->click();
    });
    w.Trigger("MakeUserRail_Item");
    EXPECT_FALSE(lengthShown);
    EXPECT_TRUE(radiusShown);
    EXPECT_FALSE(curvePointShown);
    const auto& c = w.Ws().Catalogue;
    const auto& user = c.CurveTypes[static_cast<std::size_t>(c.CurveTypeMax)];
    EXPECT_EQ(user.Radius, 250);
    EXPECT_EQ(user.Angle, 30);
    EXPECT_EQ(w.Ws().Editor.SelCurve, c.CurveTypeMax);
    auto* list = w.window->ToolBox()->findChild<QListWidget*>(QStringLiteral("lstRails"));
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_EQ(list->currentItem()->text(), QString::fromUtf8(catalogue::UserRailName));
    EXPECT_EQ(Child<QLabel>(w.window->ToolBox(), "lblRadian2")->text(), QStringLiteral("250"));
}
