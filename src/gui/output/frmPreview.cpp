#include "gui/output/frmPreview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/commands/output/PlanExport.h"
#include "core/commands/workspace/Workspace.h"
#include "gui/output/PlanPreview.h"
#include "gui/render/PlanPainter.h"

namespace ferrovane::gui {

namespace {

const QString PdfFileItem = QStringLiteral("PDF file");

struct PaperEntry {
    const char* Name;
    QPageSize::PageSizeId Id;
};
constexpr PaperEntry Papers[] = {{"A4", QPageSize::A4},         {"A3", QPageSize::A3},
                                 {"B4", QPageSize::B4},         {"B5", QPageSize::B5},
                                 {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}};

QCheckBox* Check(QWidget* parent, const char* objectName, const QString& text, bool on) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setChecked(on);
    return box;
}

} // namespace

frmPreview::frmPreview(app::Workspace& ws, PrintChoice& choice, QWidget* parent)
    : QDialog(parent), mWs(ws), mChoice(choice) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("Ferrovane - 印刷プリビュー"));
    const output::PrintSettings& s = choice.Settings;

    mPrinter = new QComboBox(this);
    mPrinter->setObjectName(QStringLiteral("printerList"));
    mPrinter->addItems(QPrinterInfo::availablePrinterNames());
    mPrinter->addItem(PdfFileItem);
    const int printer = choice.Printer.isEmpty() ? -1 : mPrinter->findText(choice.Printer);
    mPrinter->setCurrentIndex(printer >= 0 ? printer : mPrinter->count() - 1);
    mPaper = new QComboBox(this);
    mPaper->setObjectName(QStringLiteral("paperList"));
    for (const PaperEntry& p : Papers) {
        mPaper->addItem(QString::fromLatin1(p.Name), static_cast<int>(p.Id));
        if (p.Id == choice.Paper) mPaper->setCurrentIndex(mPaper->count() - 1);
    }
    mPortrait = new QRadioButton(tr("縦向き"), this);
    mPortrait->setObjectName(QStringLiteral("portrait"));
    mLandscape = new QRadioButton(tr("横向き"), this);
    mLandscape->setObjectName(QStringLiteral("landscape"));
    (choice.Orientation == QPageLayout::Landscape ? mLandscape : mPortrait)->setChecked(true);
    mScale = new QComboBox(this);
    mScale->setObjectName(QStringLiteral("scaleList"));
    mScale->addItem(tr("全体を1ページに"), 0);
    for (const int n : output::PrintScales) {
        mScale->addItem(QStringLiteral("1:%1").arg(n), n);
        if (n == s.ScaleDenominator) mScale->setCurrentIndex(mScale->count() - 1);
    }
    mMagnification = new QComboBox(this);
    mMagnification->setObjectName(QStringLiteral("previewScale"));
    mMagnification->addItem(tr("全体"), 1);
    mMagnification->addItem(tr("2倍"), 2);
    mMagnification->addItem(tr("4倍"), 4);
    mTexts = Check(this, "printTexts", tr("文字を印刷する"), s.Texts);
    mParts = Check(this, "printParts", tr("2枚目にレール総計を印刷する"), s.PartsPage);
    mColour = Check(this, "printColour", tr("カラーで印刷する"), s.InColour);
    mRuler = Check(this, "printRuler", tr("目盛りを印刷する"), s.Ruler);
    mGrid = Check(this, "printGrid", tr("グリッドを印刷する"), s.Grid);
    mAutoRange = Check(this, "autoRange", tr("自動範囲調整(&A)"), s.AutoRange);
    mSkipEmpty = Check(this, "skipEmpty", tr("レールのないページは印刷しない"), s.SkipEmptyPages);
    mPageCount = new QLabel(this);
    mPageCount->setObjectName(QStringLiteral("pageCount"));

    auto* print = new QPushButton(tr("印刷 (&P)"), this);
    print->setObjectName(QStringLiteral("printButton"));
    print->setDefault(true);
    auto* close = new QPushButton(tr("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setAutoDefault(false);
    connect(print, &QPushButton::clicked, this, &frmPreview::Print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* form = new QFormLayout();
    form->addRow(tr("プリンタ :"), mPrinter);
    form->addRow(tr("用紙 :"), mPaper);
    auto* orientation = new QHBoxLayout();
    orientation->addWidget(mPortrait);
    orientation->addWidget(mLandscape);
    form->addRow(tr("向き :"), orientation);
    form->addRow(tr("縮尺 :"), mScale);
    form->addRow(tr("プレビュー :"), mMagnification);
    auto* controls = new QVBoxLayout();
    controls->addLayout(form);
    for (QCheckBox* box : {mTexts, mParts, mColour, mRuler, mGrid, mAutoRange, mSkipEmpty})
        controls->addWidget(box);
    controls->addWidget(mPageCount);
    controls->addStretch(1);
    controls->addWidget(print);
    controls->addWidget(close);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("previewArea"));
    mPreview = new PlanPreview(ws, scroll);
    scroll->setWidget(mPreview);
    scroll->setWidgetResizable(true);
    auto* row = new QHBoxLayout(this);
    row->addLayout(controls);
    row->addWidget(scroll, 1);
    resize(960, 640);

    // What changes only the sheets leaves the drawn layout as it is.
    for (QComboBox* box : {mPaper, mScale})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { Rebuild(false); });
    for (QRadioButton* button : {mPortrait, mLandscape})
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) Rebuild(false);
        });
    for (QCheckBox* box : {mParts, mSkipEmpty})
        connect(box, &QCheckBox::toggled, this, [this] { Rebuild(false); });
    for (QCheckBox* box : {mTexts, mColour, mGrid, mAutoRange, mRuler})
        connect(box, &QCheckBox::toggled, this, [this] { Rebuild(true); });
    connect(mPrinter, &QComboBox::currentIndexChanged, this, [this] { ReadControls(); });
    connect(mMagnification, &QComboBox::currentIndexChanged, this, [this, scroll] {
        const int times = mMagnification->currentData().toInt();
        scroll->setWidgetResizable(times == 1);
        mPreview->SetMagnification(times);
    });
    Rebuild(true);
}

void frmPreview::ReadControls() {
    output::PrintSettings& s = mChoice.Settings;
    s.Texts = mTexts->isChecked();
    s.PartsPage = mParts->isChecked();
    s.InColour = mColour->isChecked();
    s.Ruler = mRuler->isChecked();
    s.Grid = mGrid->isChecked();
    s.AutoRange = mAutoRange->isChecked();
    s.SkipEmptyPages = mSkipEmpty->isChecked();
    s.ScaleDenominator = mScale->currentData().toInt();
    mChoice.Paper = static_cast<QPageSize::PageSizeId>(mPaper->currentData().toInt());
    mChoice.Orientation = mLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
    mChoice.Printer = mPrinter->currentText() == PdfFileItem ? QString() : mPrinter->currentText();
}

QPageLayout frmPreview::ChosenPageLayout() const {
    return PlanPageLayout(mChoice.Paper, mChoice.Orientation);
}

void frmPreview::Rebuild(bool railsChanged) {
    ReadControls();
    mPlan = output::MakePrintPlan(mWs, PrintableArea(ChosenPageLayout()), mChoice.Settings);
    mPreview->ShowPlan(mPlan, mChoice.Settings, railsChanged);
    const output::PageGrid& grid = mPlan.Grid;
    mPageCount->setText(tr("ページ数 : %1  (%2 行 × %3 列)")
                            .arg(mPlan.SheetCount())
                            .arg(grid.Rows)
                            .arg(grid.Columns));
}

void frmPreview::Print() {
    ReadControls();
    output::WarnAboutTexts(mWs, mChoice.Settings);
    if (mChoice.Printer.isEmpty()) {
        const QPageLayout pageLayout = ChosenPageLayout();
        output::ExportPlan(
            mWs, output::PlanFormat::Pdf, [&](const std::string& path, document::FileError& error) {
                int sheets = 0;
                return WritePlanPdf(mWs, mChoice.Settings, pageLayout, path, error, sheets);
            });
        return;
    }
    QPrinter printer(QPrinterInfo::printerInfo(mChoice.Printer), QPrinter::HighResolution);
    printer.setPageLayout(ChosenPageLayout());
    // The platform's dialog sets the printer's own properties; the sheets follow the
    // paper it ends with.
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const output::PrintPlan plan =
        output::MakePrintPlan(mWs, PrintableArea(printer.pageLayout()), mChoice.Settings);
    if (!PaintPlan(mWs, plan, mChoice.Settings, printer)) output::ReportPrinterFailure(mWs);
}

} // namespace ferrovane::gui
