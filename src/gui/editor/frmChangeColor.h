#pragma once

#include "core/app/tools/RecolourTool.h"
#include "gui/editor/ToolWindow.h"

class QLabel;

namespace ferrovane::gui {

class ColourSample;

// The recolour tool's window: the rail or selection to recolour, the colour sample
// (a click opens the colour dialog) and the apply button.
class frmChangeColor : public ToolWindow, public editor::RecolourToolView {
    Q_OBJECT
public:
    frmChangeColor(editor::Board& board, QWidget* mainWindow);
    void Open() { mTool.Open(); }
    editor::RecolourTool& Tool() { return mTool; }

    void ShowTarget(const std::string& text) override;
    void ShowColour(std::int32_t colour) override;

protected:
    void EndTool() override { mTool.Close(); }

private:
    editor::RecolourTool mTool;
    QLabel* mTarget = nullptr;
    ColourSample* mSample = nullptr;
};

} // namespace ferrovane::gui
