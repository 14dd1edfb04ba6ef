#pragma once

#include "core/app/tools/GapCloserTool.h"
#include "gui/editor/ToolWindow.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace ferrovane::gui {

// The gap closer's window: what to pick on the board, then the ways to join the two
// ends, best first, and the commands that lay one or a flexible rail.
class frmCloseGap : public ToolWindow, public editor::GapCloserToolView {
    Q_OBJECT
public:
    frmCloseGap(editor::Board& board, QWidget* mainWindow);
    void Open() { mTool.Open(); }

    void ShowInstruction(const std::string& text) override;
    void ShowSuggestions(const std::vector<std::string>& rows) override;

protected:
    void EndTool() override { mTool.Close(); }

private:
    editor::GapCloserTool mTool;
    QLabel* mInstruction = nullptr;
    QListWidget* mList = nullptr;
    QPushButton* mLay = nullptr;
    QPushButton* mFlexible = nullptr;
};

} // namespace ferrovane::gui
