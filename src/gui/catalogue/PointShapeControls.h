#pragma once

#include <QCoreApplication>

class QCheckBox;
class QRadioButton;
class QWidget;

namespace ferrovane::gui {

// The controls that shape a point: curved or not, and which way it branches. The
// catalogue editor and the user-rail window show the same three.
struct PointShapeControls {
    Q_DECLARE_TR_FUNCTIONS(ferrovane::gui::PointShapeControls)
public:
    QCheckBox* CurvePoint = nullptr;
    QRadioButton* LeftFacing = nullptr;
    QRadioButton* RightFacing = nullptr;

    // Made as children of PARENT, the two directions in one exclusive group.
    explicit PointShapeControls(QWidget* parent);
};

} // namespace ferrovane::gui
