#pragma once

#include "core/app/tools/FlexTool.h"
#include "gui/editor/ToolWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ferrovane::gui {

// The flexible-rail window: the three steps, the rail-number box, OK and cancel. The
// board does the choosing and shaping; the window shows where it stands.
class frmMakeFlex : public ToolWindow, public editor::FlexToolView {
    Q_OBJECT
public:
    frmMakeFlex(editor::Board& board, QWidget* mainWindow);
    void Open() { mTool.Open(); }
    editor::FlexTool& Tool() { return mTool; }

    void ShowStep(int step, const std::string& instruction) override;
    void ShowRailNumber(const std::string& text) override;
    std::optional<float> PickAngle() override;

protected:
    void EndTool() override { mTool.Cancel(); }

private:
    editor::FlexTool mTool;
    QLabel* mStep = nullptr;
    QLabel* mInstruction = nullptr;
    QLabel* mArrow = nullptr;
    QLineEdit* txtRailNum = nullptr;
    QPushButton* mOk = nullptr;
};

} // namespace ferrovane::gui
