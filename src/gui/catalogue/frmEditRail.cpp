#include "gui/catalogue/frmEditRail.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueEditing.h"
#include "core/values/platform/UiHost.h"
#include "core/values/platform/UserGuide.h"
#include "gui/catalogue/PointShapeControls.h"
#include "gui/catalogue/StatusHint.h"
#include "gui/platform/UserGuide.h"

namespace ferrovane::gui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

constexpr int LengthBox = 0, RadiusBox = 1, AngleBox = 2;

} // namespace

frmEditRail::frmEditRail(app::Workspace& ws, QWidget* parent) : QDialog(parent), mWs(ws) {
    setObjectName(QStringLiteral("frmEditRail"));
    setWindowTitle(tr("レールの編集"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    mSession = catalogue::OpenCatalogueEditor(mWs);
    BuildControls();
    FillList(0);
}

void frmEditRail::BuildControls() {
    cmbObjType = new QComboBox(this);
    cmbObjType->setObjectName(QStringLiteral("cmbObjType"));
    cmbObjType->addItems({tr("ストレートレール"), tr("カーブレール"), tr("ポイントレール")});
    connect(cmbObjType, &QComboBox::currentIndexChanged, this, &frmEditRail::KindChanged);

    railList = new QListWidget(this);
    railList->setObjectName(QStringLiteral("railList"));
    SetStatusHint(railList, *mWs.Host, tr("編集したいレールを選んでください。"));
    connect(railList, &QListWidget::currentRowChanged, this, &frmEditRail::ListRowChanged);

    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    addButton = button("addButton", tr("レール追加(&A)"));
    deleteButton = button("deleteButton", tr("レール削除(&D)"));
    renameButton = button("renameButton", tr("レール名の変更(&R)"));
    registerButton = button("registerButton", tr("登録 (&G)"));
    autoColourButton = button("autoColourButton", tr("レール色自動設定"));
    applyColourButton = button("applyColourButton", tr("レール色反映"));
    saveCloseButton = button("saveCloseButton", tr("保存して閉じる(&E)"));
    connect(addButton, &QPushButton::clicked, this, &frmEditRail::AddEntry);
    connect(deleteButton, &QPushButton::clicked, this, &frmEditRail::DeleteEntry);
    connect(renameButton, &QPushButton::clicked, this, &frmEditRail::RenameEntry);
    connect(registerButton, &QPushButton::clicked, this, &frmEditRail::Register);
    connect(autoColourButton, &QPushButton::clicked, this, &frmEditRail::AutoColours);
    connect(applyColourButton, &QPushButton::clicked, this, &frmEditRail::ApplyColours);
    connect(saveCloseButton, &QPushButton::clicked, this, &frmEditRail::SaveAndClose);
    QPushButton* helpButton = button("helpButton", tr("ヘルプ(&H)"));
    SetUpHelpButton(helpButton, platform::CatalogueHelpAnchor);

    const std::array<const char*, 3> editNames = {"lengthEdit", "radiusEdit", "angleEdit"};
    const std::array<QString, 3> captions = {tr("長さ :"), tr("半径 :"), tr("角度 :")};
    for (int i = 0; i < 3; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(editNames[static_cast<std::size_t>(i)]));
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(90);
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { CheckNumber(i); });
        numberEdits[static_cast<std::size_t>(i)] = edit;
        numberLabels[static_cast<std::size_t>(i)] =
            new QLabel(captions[static_cast<std::size_t>(i)], this);
    }
    connect(numberEdits[AngleBox], &QLineEdit::textChanged, this, &frmEditRail::AngleTextChanged);
    angleScroll = new QScrollBar(Qt::Horizontal, this);
    angleScroll->setObjectName(QStringLiteral("angleScroll"));
    angleScroll->setRange(catalogue::AngleScrollMin, catalogue::AngleScrollMax);
    angleScroll->setPageStep(15);
    connect(angleScroll, &QScrollBar::valueChanged, this, &frmEditRail::AngleScrolled);
    angleLabel = new QLabel(this);
    angleLabel->setObjectName(QStringLiteral("angleLabel"));
    angleLabel->setMinimumWidth(60);

    colourLabel = new QLabel(tr("表示色 :"), this);
    colourButton = new QPushButton(this);
    colourButton->setObjectName(QStringLiteral("colourButton"));
    colourButton->setFixedSize(60, 22);
    colourButton->setAutoDefault(false);
    connect(colourButton, &QPushButton::clicked, this, &frmEditRail::ChooseColour);

    const PointShapeControls shape(this);
    curvePointCheck = shape.CurvePoint;
    leftFacingOption = shape.LeftFacing;
    rightFacingOption = shape.RightFacing;

    levelCombo = new QComboBox(this);
    levelCombo->setObjectName(QStringLiteral("levelCombo"));
    levelCombo->addItems({tr("地上レール"), tr("高架レール"), tr("両方")});

    auto* left = new QVBoxLayout;
    left->addWidget(cmbObjType);
    left->addWidget(railList, 1);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(addButton);
    listButtons->addWidget(deleteButton);
    listButtons->addWidget(renameButton);
    left->addLayout(listButtons);

    auto* fields = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        fields->addWidget(numberLabels[static_cast<std::size_t>(i)], i, 0);
        fields->addWidget(numberEdits[static_cast<std::size_t>(i)], i, 1);
    }
    fields->addWidget(angleLabel, AngleBox, 2);
    fields->addWidget(angleScroll, 3, 1, 1, 2);
    fields->addWidget(colourLabel, 4, 0);
    fields->addWidget(colourButton, 4, 1);
    fields->addWidget(curvePointCheck, 5, 0, 1, 3);
    auto* handRow = new QHBoxLayout;
    handRow->addWidget(leftFacingOption);
    handRow->addWidget(rightFacingOption);
    handRow->addStretch(1);
    fields->addLayout(handRow, 6, 0, 1, 3);
    fields->addWidget(levelCombo, 7, 0, 1, 3);
    fields->setRowStretch(8, 1);
    fields->addWidget(registerButton, 9, 0, 1, 3);
    fields->setColumnStretch(2, 1);

    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addSpacing(8);
    top->addLayout(fields, 2);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(autoColourButton);
    bottom->addWidget(applyColourButton);
    bottom->addStretch(1);
    bottom->addWidget(helpButton);
    bottom->addWidget(saveCloseButton);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(bottom);
    resize(560, 400);
}

void frmEditRail::FillList(int row) {
    // The last entry of a kind is the user rail, which is not edited here.
    const auto& types = *catalogue::TypesOf(mWs.Catalogue, mKind);
    const int count =
        std::min<int>(*catalogue::TypeMaxOf(mWs.Catalogue, mKind), static_cast<int>(types.size()));
    mSyncing = true;
    railList->clear();
    for (int i = 0; i < count; ++i)
        railList->addItem(Q(types[static_cast<std::size_t>(i)].Name));
    mSyncing = false;
    mRow = -1;
    if (count > 0) {
        row = std::clamp(row, 0, count - 1);
        mSyncing = true;
        railList->setCurrentRow(row);
        mSyncing = false;
    } else {
        row = -1;
    }
    ShowEntry(row);
}

void frmEditRail::ShowEntry(int row) {
    mRow = row;
    const auto& types = *catalogue::TypesOf(mWs.Catalogue, mKind);
    if (row >= 0 && row < static_cast<int>(types.size()))
        ShowForm(catalogue::FormOf(types[static_cast<std::size_t>(row)], mKind));
    else
        ShowForm({});
    EnableFields();
}

void frmEditRail::ShowForm(const catalogue::RTypeForm& form) {
    mSyncing = true;
    mAccepted = {form.Length, form.Radius, form.Angle};
    for (std::size_t i = 0; i < 3; ++i)
        numberEdits[i]->setText(Q(mAccepted[i]));
    if (const auto position = catalogue::AngleScrollPosition(form.Angle))
        angleScroll->setValue(*position);
    angleLabel->setText(Q(catalogue::AngleLabelText(form.Angle)));
    mColour = form.Color;
    ShowColour();
    curvePointCheck->setChecked(form.CurvePoint);
    (form.LeftFacing ? leftFacingOption : rightFacingOption)->setChecked(true);
    levelCombo->setCurrentIndex(std::clamp<int>(form.Level, 0, 2));
    mSyncing = false;
}

void frmEditRail::EnableFields() {
    const bool entry = mRow >= 0;
    const catalogue::ShapeFieldsShown shown = catalogue::ShapeFieldsOf(mKind);
    const std::array<bool, 3> numbers = {shown.Length, shown.Radius, shown.Angle};
    for (std::size_t i = 0; i < 3; ++i) {
        numberEdits[i]->setEnabled(entry && numbers[i]);
        numberLabels[i]->setEnabled(entry && numbers[i]);
    }
    angleScroll->setEnabled(entry && shown.Angle);
    angleLabel->setEnabled(entry && shown.Angle);
    curvePointCheck->setEnabled(entry && shown.CurvePoint);
    leftFacingOption->setEnabled(entry && shown.Hand);
    rightFacingOption->setEnabled(entry && shown.Hand);
    for (QWidget* w : std::initializer_list<QWidget*>{colourLabel, colourButton, levelCombo,
                                                      registerButton, deleteButton, renameButton})
        w->setEnabled(entry);
}

catalogue::RTypeForm frmEditRail::ReadForm() const {
    catalogue::RTypeForm form;
    form.Length = numberEdits[LengthBox]->text().toStdString();
    form.Radius = numberEdits[RadiusBox]->text().toStdString();
    form.Angle = numberEdits[AngleBox]->text().toStdString();
    form.Color = mColour;
    form.CurvePoint = curvePointCheck->isChecked();
    form.LeftFacing = leftFacingOption->isChecked();
    form.Level = static_cast<std::int16_t>(levelCombo->currentIndex());
    return form;
}

bool frmEditRail::MayLeaveEntry() {
    const auto& types = *catalogue::TypesOf(mWs.Catalogue, mKind);
    if (mRow < 0 || mRow >= static_cast<int>(types.size())) return true;
    if (!catalogue::HasUnregisteredChanges(ReadForm(), types[static_cast<std::size_t>(mRow)],
                                           mKind))
        return true;
    return catalogue::ConfirmDiscardChanges(*mWs.Host);
}

void frmEditRail::ListRowChanged(int row) {
    if (mSyncing || row == mRow) return;
    if (!MayLeaveEntry()) {
        mSyncing = true;
        railList->setCurrentRow(mRow);
        mSyncing = false;
        return;
    }
    ShowEntry(row);
}

void frmEditRail::KindChanged(int kind) {
    if (mSyncing || kind == mKind) return;
    if (!MayLeaveEntry()) {
        mSyncing = true;
        cmbObjType->setCurrentIndex(mKind);
        mSyncing = false;
        return;
    }
    mKind = kind;
    FillList(0);
}

void frmEditRail::CheckNumber(int box) {
    QLineEdit* edit = numberEdits[static_cast<std::size_t>(box)];
    if (mSyncing || !edit->isEnabled()) return;
    std::string& accepted = mAccepted[static_cast<std::size_t>(box)];
    const std::string typed = edit->text().toStdString();
    if (typed == accepted) return;
    mSyncing = true;
    accepted = catalogue::CheckedFieldText(*mWs.Host, typed, accepted);
    mSyncing = false;
    if (accepted != typed) {
        edit->setText(Q(accepted));
        edit->setFocus();
        edit->selectAll();
    }
}

void frmEditRail::AngleScrolled(int value) {
    if (mSyncing) return;
    mSyncing = true;
    mAccepted[AngleBox] = std::to_string(value);
    numberEdits[AngleBox]->setText(Q(mAccepted[AngleBox]));
    mSyncing = false;
    AngleTextChanged();
}

void frmEditRail::AngleTextChanged() {
    const std::string text = numberEdits[AngleBox]->text().toStdString();
    angleLabel->setText(Q(catalogue::AngleLabelText(text)));
    if (mSyncing) return;
    if (const auto position = catalogue::AngleScrollPosition(text)) {
        mSyncing = true;
        angleScroll->setValue(*position);
        mSyncing = false;
    }
}

void frmEditRail::ShowColour() {
    const QColor c(mColour & 0xFF, (mColour >> 8) & 0xFF, (mColour >> 16) & 0xFF);
    colourButton->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px "
                                               "solid palette(dark); }")
                                    .arg(c.name()));
}

void frmEditRail::ChooseColour() {
    if (const auto chosen = mWs.Host->ChooseColour(mColour)) {
        mColour = static_cast<std::int32_t>(*chosen);
        ShowColour();
    }
}

void frmEditRail::Register() {
    if (mRow < 0) return;
    if (const auto fields = catalogue::FieldsOf(ReadForm(), mKind))
        catalogue::RegisterRType(mWs.Catalogue, mKind, mRow, *fields);
}

void frmEditRail::AddEntry() {
    if (!MayLeaveEntry()) return;
    const int added = catalogue::AddRType(mWs.Catalogue, mKind);
    if (added < 0) return;
    mSyncing = true;
    railList->addItem(Q(catalogue::NewRailName));
    railList->setCurrentRow(added);
    mSyncing = false;
    ShowEntry(added);
}

void frmEditRail::DeleteEntry() {
    if (mRow < 0) return;
    if (!catalogue::DeleteRType(*mWs.Host, mWs.Catalogue, mKind, mRow)) return;
    // The fields belonged to the entry just deleted: nothing to ask about.
    FillList(mRow);
}

void frmEditRail::RenameEntry() {
    if (mRow < 0) return;
    if (!catalogue::RenameRType(*mWs.Host, mWs.Catalogue, mKind, mRow)) return;
    const auto& types = *catalogue::TypesOf(mWs.Catalogue, mKind);
    railList->item(mRow)->setText(Q(types[static_cast<std::size_t>(mRow)].Name));
}

void frmEditRail::AutoColours() {
    if (!catalogue::AutoColourRTypes(*mWs.Host, mWs.Catalogue, mKind)) return;
    const auto& types = *catalogue::TypesOf(mWs.Catalogue, mKind);
    if (mRow >= 0 && mRow < static_cast<int>(types.size())) {
        mColour = types[static_cast<std::size_t>(mRow)].Color;
        ShowColour();
    }
}

void frmEditRail::ApplyColours() {
    catalogue::ApplyColoursToLayout(mWs);
}

void frmEditRail::SaveAndClose() {
    mClosed = true;
    catalogue::CloseCatalogueEditor(mWs);
    accept();
}

void frmEditRail::reject() {
    if (!mClosed) {
        if (catalogue::CloseCatalogueEditorByBox(mWs, mSession) ==
            catalogue::EditorCloseResult::StayOpen)
            return;
        mClosed = true;
    }
    QDialog::reject();
}

} // namespace ferrovane::gui
