#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::gui {

// The user rail maker: the dimensions of the user rail of the tool box's kind, only the
// fields that kind carries. Create stores them and the tool box chooses the user rail.
class frmMakeUserRail : public QDialog {
    Q_OBJECT
public:
    frmMakeUserRail(app::Workspace& ws, QWidget* parent = nullptr);

private:
    void LeaveField(int box);
    void Create();

    app::Workspace& mWs;
    std::array<QLineEdit*, 3> numberEdits{}; // length, radius, angle
    QCheckBox* curvePointCheck = nullptr;
    QRadioButton* leftFacingOption = nullptr;
    QRadioButton* rightFacingOption = nullptr;
    QPushButton* createButton = nullptr;
};

} // namespace ferrovane::gui
