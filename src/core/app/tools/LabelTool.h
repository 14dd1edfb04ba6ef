#pragma once

#include <string>

#include "core/app/tools/BoardTool.h"
#include "core/commands/placement/TextLabel.h"

namespace ferrovane::editor {

// The text-label tool: while its window is open a click on the board lays the window's
// text there, and the text follows the pointer as a preview. Without a usable size the
// board refuses clicks (BadTextSize) until the window has one.
class LabelTool : public BoardTool {
public:
    LabelTool(Board& board, geometry::TextMeasure measure)
        : BoardTool(board), mMeasure(std::move(measure)) {}

    void Open(const std::string& text, const geometry::LabelStyle& style);
    // The window's fields changed.
    void SetLabel(const std::string& text, const geometry::LabelStyle& style);
    void Close();

    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;

private:
    EditorMode ModeForStyle() const;

    geometry::TextMeasure mMeasure;
    std::string mText;
    geometry::LabelStyle mStyle;
};

} // namespace ferrovane::editor
