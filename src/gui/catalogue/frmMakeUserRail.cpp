#include "gui/catalogue/frmMakeUserRail.h"

#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/commands/catalogue/UserRailMaker.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/RTypeForm.h"
#include "core/values/format/ListDirected.h"
#include "core/values/platform/UserGuide.h"
#include "gui/catalogue/PointShapeControls.h"
#include "gui/catalogue/StatusHint.h"
#include "gui/platform/TitleWidth.h"
#include "gui/platform/UserGuide.h"

namespace ferrovane::gui {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

frmMakeUserRail::frmMakeUserRail(app::Workspace& ws, QWidget* parent) : QDialog(parent), mWs(ws) {
    setObjectName(QStringLiteral("frmMakeUserRail"));
    setWindowTitle(tr("ユーザーレールの作成"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const catalogue::ShapeFieldsShown shown =
        catalogue::ShapeFieldsOf(model::KindIndex(mWs.Editor.PlaceKind));
    const catalogue::UserRailInput input = catalogue::UserRailInputOf(mWs);

    auto* fields = new QGridLayout;
    const std::array<const char*, 3> names = {"lengthEdit", "radiusEdit", "angleEdit"};
    const std::array<QString, 3> captions = {tr("長さ :"), tr("半径 :"), tr("角度 :")};
    const std::array<QString, 3> hints = {tr("長さを設定してください。"),
                                          tr("半径を設定してください。"),
                                          tr("角度を設定してください。")};
    const std::array<float, 3> values = {input.Length, input.Radius, input.Angle};
    const std::array<bool, 3> carried = {shown.Length, shown.Radius, shown.Angle};
    for (std::size_t i = 0; i < 3; ++i) {
        auto* edit = new QLineEdit(Q(document::FormatSingle(values[i])), this);
        edit->setObjectName(QString::fromLatin1(names[i]));
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(90);
        SetStatusHint(edit, *mWs.Host, hints[i]);
        connect(edit, &QLineEdit::editingFinished, this,
                [this, i] { LeaveField(static_cast<int>(i)); });
        numberEdits[i] = edit;
        auto* caption = new QLabel(captions[i], this);
        const int row = static_cast<int>(i);
        fields->addWidget(caption, row, 0);
        fields->addWidget(edit, row, 1);
        caption->setVisible(carried[i]);
        edit->setVisible(carried[i]);
        if (i == 2) {
            auto* unit = new QLabel(tr(" 度"), this);
            fields->addWidget(unit, row, 2);
            unit->setVisible(carried[i]);
        }
    }
    fields->setColumnStretch(2, 1);

    const PointShapeControls shape(this);
    curvePointCheck = shape.CurvePoint;
    curvePointCheck->setChecked(input.CurvePoint);
    SetStatusHint(curvePointCheck, *mWs.Host,
                  tr("カーブポイントレールを作成する場合はチェックしてください。"));
    curvePointCheck->setVisible(shown.CurvePoint);
    fields->addWidget(curvePointCheck, 3, 0, 1, 3);

    leftFacingOption = shape.LeftFacing;
    rightFacingOption = shape.RightFacing;
    (input.LeftFacing ? leftFacingOption : rightFacingOption)->setChecked(true);
    leftFacingOption->setVisible(shown.Hand);
    rightFacingOption->setVisible(shown.Hand);
    auto* handRow = new QHBoxLayout;
    handRow->addWidget(leftFacingOption);
    handRow->addWidget(rightFacingOption);
    handRow->addStretch(1);
    fields->addLayout(handRow, 4, 0, 1, 3);

    createButton = new QPushButton(tr("作成"), this);
    createButton->setObjectName(QStringLiteral("createButton"));
    createButton->setDefault(true);
    SetStatusHint(createButton, *mWs.Host, tr("このボタンを押すと作成します"));
    connect(createButton, &QPushButton::clicked, this, &frmMakeUserRail::Create);
    auto* helpButton = new QPushButton(tr("ヘルプ(&H)"), this);
    helpButton->setObjectName(QStringLiteral("helpButton"));
    helpButton->setAutoDefault(false);
    SetUpHelpButton(helpButton, platform::CatalogueHelpAnchor);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(helpButton);
    buttons->addWidget(createButton);

    auto* all = new QVBoxLayout(this);
    all->addLayout(fields);
    all->addLayout(buttons);
    // Wide enough for the whole title whatever fields the kind shows.
    setMinimumWidth(std::max(320, TitleBarWidth(windowTitle())));
    adjustSize();
}

void frmMakeUserRail::LeaveField(int box) {
    QLineEdit* edit = numberEdits[static_cast<std::size_t>(box)];
    const std::string typed = edit->text().toStdString();
    const std::string kept = document::FormatSingle(catalogue::UserRailFieldValue(mWs, typed));
    if (kept != typed) edit->setText(Q(kept));
}

void frmMakeUserRail::Create() {
    catalogue::UserRailTexts texts;
    texts.Length = numberEdits[0]->text().toStdString();
    texts.Radius = numberEdits[1]->text().toStdString();
    texts.Angle = numberEdits[2]->text().toStdString();
    texts.CurvePoint = curvePointCheck->isChecked();
    texts.LeftFacing = leftFacingOption->isChecked();
    catalogue::CreateUserRail(mWs, catalogue::UserRailInputFrom(mWs, texts));
    accept();
}

} // namespace ferrovane::gui
