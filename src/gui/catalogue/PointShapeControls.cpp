#include "gui/catalogue/PointShapeControls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>

namespace ferrovane::gui {

PointShapeControls::PointShapeControls(QWidget* parent) {
    CurvePoint = new QCheckBox(tr("カーブポイントレール"), parent);
    CurvePoint->setObjectName(QStringLiteral("curvePointCheck"));
    LeftFacing = new QRadioButton(tr("左向き"), parent);
    LeftFacing->setObjectName(QStringLiteral("leftFacingOption"));
    RightFacing = new QRadioButton(tr("右向き"), parent);
    RightFacing->setObjectName(QStringLiteral("rightFacingOption"));
    auto* hand = new QButtonGroup(parent);
    hand->addButton(LeftFacing);
    hand->addButton(RightFacing);
}

} // namespace ferrovane::gui
