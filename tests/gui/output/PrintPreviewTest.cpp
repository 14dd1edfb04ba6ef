#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include "gui/app/StartedWindow.h"
#include "gui/output/frmPreview.h"
#include "gui/render/PlanPainter.h"

using namespace ferrovane;
using ferrovane::testing::CatalogueCopy;
using ferrovane::testing::StartedWindow;

namespace {

int PdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = f.readAll();
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1))
        pages += pdf.mid(at, 12) != "/Type /Pages"; // the page tree's own entry is not a page
    return pages;
}

// The preview from its menu item lays the sheets over the layout: at full size two
// straights far apart need a few sheets and the empty ones between are left out;
// the PDF of the plan has as many pages as the preview counts.
TEST(PrintPreview, SheetsFollowTheScaleAndThePdfHasThem) {
    StartedWindow w;
    ASSERT_EQ(w.LayStraight(100, 100), 1);
    ASSERT_EQ(w.LayStraight(1500, 1200), 2);
    int fitSheets = 0, fullSheets = 0, withEmpty = 0, partsSheets = 0;
    QString countText, title;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<gui::frmPreview*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        title = preview->windowTitle();
        fitSheets = preview->Plan().SheetCount();
        auto* scale = preview->findChild<QComboBox*>(QStringLiteral("scaleList"));
        scale->setCurrentIndex(scale->findText(QStringLiteral("1:1")));
        fullSheets = preview->Plan().SheetCount();
        countText = preview->findChild<QLabel*>(QStringLiteral("pageCount"))->text();
        preview->findChild<QCheckBox*>(QStringLiteral("skipEmpty"))->setChecked(false);
        withEmpty = preview->Plan().SheetCount();
        preview->findChild<QCheckBox*>(QStringLiteral("skipEmpty"))->setChecked(true);
        preview->findChild<QCheckBox*>(QStringLiteral("printParts"))->setChecked(true);
        partsSheets = preview->Plan().SheetCount();
        preview->findChild<QPushButton*>(QStringLiteral("closeButton"))->click();
    });
    w.Action("Print_Item")->trigger();
    EXPECT_EQ(title, QStringLiteral("Ferrovane - 印刷プリビュー"));
    EXPECT_EQ(fitSheets, 1);
    // Each straight needs a sheet or two (with the sheets' overlap); the board's other
    // sheets hold nothing.
    EXPECT_GE(fullSheets, 2);
    EXPECT_LE(fullSheets, 8);
    EXPECT_TRUE(countText.startsWith(QStringLiteral("ページ数 : %1").arg(fullSheets)))
        << countText.toStdString();
    EXPECT_GT(withEmpty, fullSheets);
    EXPECT_EQ(partsSheets, fullSheets + 1);

    // The File menu's PDF writes what the preview was last set to.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plan.pdf"));
    document::FileError error;
    int sheets = 0;
    ASSERT_TRUE(gui::WritePlanPdf(w.Ws(), output::PrintSettings{.ScaleDenominator = 1},
                                  gui::PlanPageLayout(QPageSize::A4, QPageLayout::Portrait),
                                  pdf.toStdString(), error, sheets))
        << error.Description;
    EXPECT_EQ(sheets, fullSheets);
    EXPECT_EQ(PdfPages(pdf), fullSheets);
}

} // namespace
