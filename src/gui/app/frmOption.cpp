#include "gui/app/frmOption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <string_view>

#include "core/app/startup/StartUp.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"
#include "core/values/platform/UserGuide.h"
#include "gui/app/FormFont.h"
#include "gui/editor/frmTool.h"
#include "gui/platform/UserGuide.h"

namespace ferrovane::gui {

namespace {

QString Q(const char* text) {
    return QString::fromUtf8(text);
}

QColor ColourOf(std::int32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

struct FieldSpec {
    app::OptionField Field;
    const char* ObjectName;
};
constexpr FieldSpec FieldSpecs[] = {
    {app::OptionField::RailWidth, "railWidthEdit"},
    {app::OptionField::RailCenter, "railCenterEdit"},
    {app::OptionField::GridWidth, "gridWidthEdit"},
    {app::OptionField::GridHeight, "gridHeightEdit"},
    {app::OptionField::ScrollWidth, "scrollWidthEdit"},
    {app::OptionField::ScrollHeight, "scrollHeightEdit"},
    {app::OptionField::FlexibleDivides, "flexibleDividesEdit"},
    {app::OptionField::DetectRange, "detectRangeEdit"},
    {app::OptionField::RailListFontSize, "railListFontSizeEdit"},
    {app::OptionField::AutoSaveMinutes, "autoSaveMinutesEdit"},
};

// The rail-information lines a user may show, in slot order.
constexpr const char* AboutItemTexts[] = {
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レール名"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レールの長さ"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レールの半径"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レールの角度"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レールの傾き(始点)"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レールの傾き(終点)"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レールの中心位置"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レールの端位置(１)"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "レールの端位置(２)"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "隣レールの番号(１)"),
    QT_TRANSLATE_NOOP("ferrovane::gui::frmOption", "隣レールの番号(２)"),
};

} // namespace

// A box painted in a setting's colour; a click (or, for the grid, a double click) or the
// space key asks for another colour.
class ColourBox : public QFrame {
public:
    ColourBox(const char* objectName, bool onDoubleClick, QWidget* parent)
        : QFrame(parent), mOnDoubleClick(onDoubleClick) {
        setObjectName(QString::fromLatin1(objectName));
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setFixedSize(48, 20);
        setAutoFillBackground(true);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
    }
    std::function<void()> OnChoose;

    void SetColour(std::int32_t rgb) {
        QPalette p = palette();
        p.setColor(QPalette::Window, ColourOf(rgb));
        setPalette(p);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QFrame::mouseReleaseEvent(event);
        if (!mOnDoubleClick && OnChoose) OnChoose();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QFrame::mouseDoubleClickEvent(event);
        if (mOnDoubleClick && OnChoose) OnChoose();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space && OnChoose)
            OnChoose();
        else
            QFrame::keyPressEvent(event);
    }

private:
    bool mOnDoubleClick;
};

frmOption::frmOption(app::Workspace& ws, const app::StartUpContext& context, frmTool* toolBox,
                     QWidget* parent)
    : QDialog(parent), mWs(ws), mContext(context), mToolBox(toolBox),
      mValues(app::OptionValuesOf(ws.Settings)) {
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(tr("オプション"));
    Build();
    ShowValues();
}

frmOption::~frmOption() = default;

void frmOption::Build() {
    for (const FieldSpec& spec : FieldSpecs) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(spec.ObjectName));
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(64);
        edit->installEventFilter(this);
        mFields[spec.Field] = edit;
    }
    // A caption that gives its field the keyboard focus by its mnemonic.
    const auto caption = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    const auto colourBox = [this](const char* name, bool onDoubleClick, std::int32_t* value) {
        auto* box = new ColourBox(name, onDoubleClick, this);
        box->OnChoose = [this, box, value] {
            if (const auto chosen = mWs.Host->ChooseColour(*value)) {
                *value = static_cast<std::int32_t>(*chosen);
                box->SetColour(*value);
            }
        };
        return box;
    };
    using F = app::OptionField;

    // Rails.
    auto* rails = new QGroupBox(tr("レール"), this);
    auto* railGrid = new QGridLayout(rails);
    mRailColour = colourBox("railColourBox", false, &mValues.RailColor);
    mNextRailColour = colourBox("nextRailColourBox", false, &mValues.NextRailColor);
    mHighlightRailColour = colourBox("highlightRailColourBox", false, &mValues.HighlightRailColor);
    railGrid->addWidget(caption(tr("レールの幅 :"), Field(F::RailWidth)), 0, 0);
    railGrid->addWidget(Field(F::RailWidth), 0, 1);
    railGrid->addWidget(caption(tr("センターサークルの大きさ :"), Field(F::RailCenter)), 1, 0);
    railGrid->addWidget(Field(F::RailCenter), 1, 1);
    railGrid->addWidget(caption(tr("標準レールの色(&R) :"), mRailColour), 2, 0);
    railGrid->addWidget(mRailColour, 2, 1);
    railGrid->addWidget(caption(tr("ネクストレールの色(&N) :"), mNextRailColour), 3, 0);
    railGrid->addWidget(mNextRailColour, 3, 1);
    railGrid->addWidget(caption(tr("ハイライトレールの色(&H):"), mHighlightRailColour), 4, 0);
    railGrid->addWidget(mHighlightRailColour, 4, 1);
    railGrid->addWidget(caption(tr("フレキシブルレールの細かさ :"), Field(F::FlexibleDivides)), 5,
                        0);
    railGrid->addWidget(Field(F::FlexibleDivides), 5, 1);
    railGrid->addWidget(new QLabel(tr("部分"), this), 5, 2);
    mFlexScroll = new QScrollBar(Qt::Horizontal, this);
    mFlexScroll->setObjectName(QStringLiteral("flexibleDividesScroll"));
    mFlexScroll->setRange(app::FlexibleDividesMin, app::FlexibleDividesMax);
    mFlexScroll->setPageStep(10);
    railGrid->addWidget(mFlexScroll, 6, 0, 1, 3);
    railGrid->addWidget(caption(tr("レールの端点認知範囲 :"), Field(F::DetectRange)), 7, 0);
    railGrid->addWidget(Field(F::DetectRange), 7, 1);
    railGrid->addWidget(new QLabel(tr("ピクセル"), this), 7, 2);
    railGrid->setColumnStretch(3, 1);
    connect(mFlexScroll, &QScrollBar::valueChanged, this, [this](int value) {
        mValues.FlexibleDivides = value;
        Field(app::OptionField::FlexibleDivides)->setText(QString::number(value));
    });

    // Grid and scrolling.
    auto* grid = new QGroupBox(tr("グリッド"), this);
    auto* gridGrid = new QGridLayout(grid);
    mGridColour = colourBox("gridColourBox", true, &mValues.GridColor);
    mGridColour->setToolTip(tr("ダブルクリックで変更"));
    gridGrid->addWidget(caption(tr("グリッドの色 :"), mGridColour), 0, 0);
    gridGrid->addWidget(mGridColour, 0, 1, 1, 3, Qt::AlignLeft);
    gridGrid->addWidget(caption(tr("横(&H) :"), Field(F::GridWidth)), 1, 0);
    gridGrid->addWidget(Field(F::GridWidth), 1, 1);
    gridGrid->addWidget(caption(tr("縦(&V) :"), Field(F::GridHeight)), 1, 2);
    gridGrid->addWidget(Field(F::GridHeight), 1, 3);
    gridGrid->setColumnStretch(4, 1);

    auto* scroll = new QGroupBox(tr("スクロール"), this);
    auto* scrollGrid = new QGridLayout(scroll);
    scrollGrid->addWidget(caption(tr("横(&O) :"), Field(F::ScrollWidth)), 0, 0);
    scrollGrid->addWidget(Field(F::ScrollWidth), 0, 1);
    scrollGrid->addWidget(caption(tr("縦(&E) :"), Field(F::ScrollHeight)), 0, 2);
    scrollGrid->addWidget(Field(F::ScrollHeight), 0, 3);
    mHorizontalScrollBar = new QCheckBox(tr("水平スクロールバー"), this);
    mHorizontalScrollBar->setObjectName(QStringLiteral("horizontalScrollBarCheck"));
    mAutoScroll = new QCheckBox(tr("範囲選択中の自動スクロール"), this);
    mAutoScroll->setObjectName(QStringLiteral("autoScrollCheck"));
    scrollGrid->addWidget(mHorizontalScrollBar, 1, 0, 1, 5);
    scrollGrid->addWidget(mAutoScroll, 2, 0, 1, 5);
    scrollGrid->setColumnStretch(4, 1);

    // The tool box.
    auto* tool = new QGroupBox(tr("ツールボックス"), this);
    auto* toolGrid = new QGridLayout(tool);
    mLargeToolBox = new QRadioButton(tr("大きなツールボックス"), tool);
    mLargeToolBox->setObjectName(QStringLiteral("largeToolBoxOption"));
    mSmallToolBox = new QRadioButton(tr("小さなツールボックス"), tool);
    mSmallToolBox->setObjectName(QStringLiteral("smallToolBoxOption"));
    toolGrid->addWidget(mLargeToolBox, 0, 0, 1, 3);
    toolGrid->addWidget(mSmallToolBox, 1, 0, 1, 3);
    toolGrid->addWidget(caption(tr("フォントサイズ :"), Field(F::RailListFontSize)), 2, 0);
    toolGrid->addWidget(Field(F::RailListFontSize), 2, 1);
    lstItems = new QListWidget(this);
    lstItems->setObjectName(QStringLiteral("lstItems"));
    for (const char* text : AboutItemTexts) {
        auto* item = new QListWidgetItem(tr(text), lstItems);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    lstItems->setMinimumHeight(lstItems->sizeHintForRow(0) * 11 + 2 * lstItems->frameWidth());
    toolGrid->addWidget(caption(tr("レール情報表示項目 :"), lstItems), 3, 0, 1, 3);
    toolGrid->addWidget(lstItems, 4, 0, 1, 3);
    toolGrid->setColumnStretch(2, 1);

    // Windows.
    auto* windows = new QGroupBox(tr("ウィンドウ"), this);
    auto* windowGrid = new QGridLayout(windows);
    mZoomCombo = new QComboBox(this);
    mZoomCombo->setObjectName(QStringLiteral("zoomPositionCombo"));
    for (const char* text : app::ZoomPositionTexts)
        mZoomCombo->addItem(Q(text));
    windowGrid->addWidget(caption(tr("起動時の表示倍率 :"), mZoomCombo), 0, 0);
    windowGrid->addWidget(mZoomCombo, 0, 1);
    mAccurateAngle = new QCheckBox(tr("精巧な角度選択ウィンドウ"), this);
    mAccurateAngle->setObjectName(QStringLiteral("accurateAngleCheck"));
    windowGrid->addWidget(mAccurateAngle, 1, 0, 1, 3);
    mLanguageCombo = new QComboBox(this);
    mLanguageCombo->setObjectName(QStringLiteral("languageCombo"));
    for (const auto& choice : app::LanguageChoices)
        mLanguageCombo->addItem(Q(choice.Caption()));
    windowGrid->addWidget(caption(tr("言語 :"), mLanguageCombo), 2, 0);
    windowGrid->addWidget(mLanguageCombo, 2, 1);
    // The windows are built in one language; another one shows from the next start.
    auto* languageNote = new QLabel(tr("(次回の起動から有効)"), this);
    languageNote->setObjectName(QStringLiteral("languageNote"));
    windowGrid->addWidget(languageNote, 2, 2);
    windowGrid->addWidget(caption(tr("自動保存の間隔 :"), Field(F::AutoSaveMinutes)), 3, 0);
    auto* minutesRow = new QHBoxLayout();
    minutesRow->addWidget(Field(F::AutoSaveMinutes));
    minutesRow->addWidget(new QLabel(tr("分 (0 : 保存しない)"), this));
    windowGrid->addLayout(minutesRow, 3, 1, 1, 2);
    windowGrid->setColumnStretch(2, 1);

    auto* fonts = new QGroupBox(tr("使用フォント"), this);
    auto* fontColumn = new QVBoxLayout(fonts);
    for (std::size_t i = 0; i < mFontOptions.size(); ++i) {
        mFontOptions[i] = new QRadioButton(Q(app::WindowFontChoices[i].Name), fonts);
        mFontOptions[i]->setObjectName(QStringLiteral("fontOption%1").arg(i));
        // Each option is shown in the font it stands for here.
        const QString family = FormFontFamily(app::WindowFontChoices[i].Name);
        if (!family.isEmpty()) {
            QFont f = mFontOptions[i]->font();
            f.setFamilies({family, f.family()});
            mFontOptions[i]->setFont(f);
            mFontOptions[i]->setToolTip(family);
        }
        fontColumn->addWidget(mFontOptions[i]);
    }

    // Buttons.
    mOk = new QPushButton(QStringLiteral("OK"), this);
    mOk->setObjectName(QStringLiteral("OKButton"));
    mOk->setDefault(true);
    mCancel = new QPushButton(tr("キャンセル(&C)"), this);
    mCancel->setObjectName(QStringLiteral("CancelButton"));
    mHelp = new QPushButton(tr("ヘルプ (&L)"), this);
    mHelp->setObjectName(QStringLiteral("HelpButton"));
    mHelp->setAutoDefault(false);
    SetUpHelpButton(mHelp, platform::OptionsHelpAnchor);
    connect(mOk, &QPushButton::clicked, this, &frmOption::OKButton_Click);
    connect(mCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout();
    left->addWidget(rails);
    left->addWidget(grid);
    left->addWidget(scroll);
    left->addWidget(fonts);
    left->addStretch(1);
    auto* right = new QVBoxLayout();
    right->addWidget(tool);
    right->addWidget(windows);
    right->addStretch(1);
    auto* columns = new QHBoxLayout();
    columns->addLayout(left);
    columns->addLayout(right);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(mOk);
    buttons->addWidget(mCancel);
    buttons->addWidget(mHelp);
    auto* all = new QVBoxLayout(this);
    all->addLayout(columns);
    all->addLayout(buttons);
}

void frmOption::ShowValues() {
    const app::OptionValues& v = mValues;
    mRailColour->SetColour(v.RailColor);
    mNextRailColour->SetColour(v.NextRailColor);
    mHighlightRailColour->SetColour(v.HighlightRailColor);
    mGridColour->SetColour(v.GridColor);
    for (const FieldSpec& spec : FieldSpecs)
        Field(spec.Field)->setText(QString::fromStdString(app::FieldText(mValues, spec.Field)));
    {
        const QSignalBlocker block(mFlexScroll);
        mFlexScroll->setValue(v.FlexibleDivides);
    }
    mZoomCombo->setCurrentIndex(v.ZoomPosition);
    (v.LargeToolBox ? mLargeToolBox : mSmallToolBox)->setChecked(true);
    for (int i = 0; i < lstItems->count(); ++i)
        lstItems->item(i)->setCheckState(
            v.AboutShowItm[static_cast<std::size_t>(i)] ? Qt::Checked : Qt::Unchecked);
    mHorizontalScrollBar->setChecked(v.IsHorizontalScrollBar);
    mAutoScroll->setChecked(v.DoAutoScroll);
    mAccurateAngle->setChecked(v.IsAccurateAngleWindow);
    if (v.FontOption >= 0) mFontOptions[static_cast<std::size_t>(v.FontOption)]->setChecked(true);
    mLanguageCombo->setCurrentIndex(v.Language);
}

void frmOption::TakeValues() {
    app::OptionValues& v = mValues;
    for (const FieldSpec& spec : FieldSpecs)
        app::FieldText(v, spec.Field) = Field(spec.Field)->text().toStdString();
    v.FlexibleDivides = mFlexScroll->value();
    v.ZoomPosition = mZoomCombo->currentIndex();
    v.LargeToolBox = mLargeToolBox->isChecked();
    for (int i = 0; i < lstItems->count(); ++i)
        v.AboutShowItm[static_cast<std::size_t>(i)] =
            lstItems->item(i)->checkState() == Qt::Checked;
    v.IsHorizontalScrollBar = mHorizontalScrollBar->isChecked();
    v.DoAutoScroll = mAutoScroll->isChecked();
    v.IsAccurateAngleWindow = mAccurateAngle->isChecked();
    for (std::size_t i = 0; i < mFontOptions.size(); ++i)
        if (mFontOptions[i]->isChecked()) v.FontOption = static_cast<int>(i);
    v.Language = mLanguageCombo->currentIndex();
}

bool frmOption::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !mChecking && isVisible()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or a menu taking the focus is no leaving; neither is Cancel.
        const bool left = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                          focusWidget() != mCancel;
        for (const auto& [field, edit] : mFields)
            if (edit == watched && left) LeaveField(field);
    }
    return QDialog::eventFilter(watched, event);
}

void frmOption::LeaveField(app::OptionField field) {
    QLineEdit* edit = Field(field);
    std::string& text = app::FieldText(mValues, field);
    text = edit->text().toStdString();
    mChecking = true;
    const app::FieldCheck check = app::LeaveOptionField(*mWs.Host, field, mValues);
    mChecking = false;
    edit->setText(QString::fromStdString(text));
    if (field == app::OptionField::FlexibleDivides) {
        const QSignalBlocker block(mFlexScroll);
        mFlexScroll->setValue(mValues.FlexibleDivides);
    }
    if (check == app::FieldCheck::KeepFocus) {
        // After the focus change in progress has ended.
        QTimer::singleShot(0, edit, [edit] {
            edit->setFocus();
            edit->selectAll();
        });
    }
}

void frmOption::OKButton_Click() {
    TakeValues();
    mChecking = true;
    const auto stay = app::OptionsOk(mWs, mContext, mValues, *this);
    mChecking = false;
    if (!stay) return;
    // Fields OK reset show their new text; the one refused keeps the focus.
    ShowValues();
    Field(*stay)->setFocus();
    Field(*stay)->selectAll();
}

void frmOption::CloseToolBox() {
    if (mToolBox) mToolBox->hide();
}

void frmOption::SetFormFont() {
    gui::SetFormFont(mWs.Settings.WindowFontName);
}

void frmOption::ResizeToolBox() {
    if (mToolBox) mToolBox->SetSize();
}

void frmOption::CloseDialog() {
    accept();
}

} // namespace ferrovane::gui
