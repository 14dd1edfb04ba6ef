#pragma once

#include "core/app/tools/ElevationTool.h"
#include "gui/editor/ToolWindow.h"

class QCheckBox;
class QLineEdit;
class QListWidget;

namespace ferrovane::gui {

// The elevation tool's window: the rail under the pointer, the types it can become on
// the other level, "賢い変換", and the convert and close buttons.
class frmMakeUpper : public ToolWindow, public editor::ElevationToolView {
    Q_OBJECT
public:
    frmMakeUpper(editor::Board& board, QWidget* mainWindow);
    void Open() { mTool.Open(); }

    void ShowSourceRail(const std::string& text) override;
    void ShowCandidates(const std::vector<std::string>& names, int currentRow) override;
    std::optional<std::string> ChosenCandidate() const override;

protected:
    void EndTool() override { mTool.Close(); }

private:
    editor::ElevationTool mTool;
    QLineEdit* txtSrcRail = nullptr;
    QListWidget* lstDestRail = nullptr;
    QCheckBox* chkIntelliChange = nullptr;
};

} // namespace ferrovane::gui
