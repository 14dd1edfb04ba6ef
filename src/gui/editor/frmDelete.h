#pragma once

#include "core/app/tools/DeleteTool.h"
#include "gui/editor/ToolWindow.h"

class QLineEdit;

namespace ferrovane::gui {

// The delete tool's window: names the rail a click on the board deletes.
class frmDelete : public ToolWindow, public editor::DeleteToolView {
    Q_OBJECT
public:
    frmDelete(editor::Board& board, QWidget* mainWindow);
    void Open() { mTool.Open(); }

    void ShowRailField(const std::string& text) override;

protected:
    void EndTool() override { mTool.Close(); }

private:
    editor::DeleteTool mTool;
    QLineEdit* mRailField = nullptr;
};

} // namespace ferrovane::gui
