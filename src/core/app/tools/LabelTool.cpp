#include "core/app/tools/LabelTool.h"

#include <cmath>

#include "core/commands/edit/StatusText.h"
#include "core/commands/workspace/Workspace.h"

namespace ferrovane::editor {

EditorMode LabelTool::ModeForStyle() const {
    // A size beyond a poster's letters is a typing slip.
    const bool sizeUsable = std::isfinite(mStyle.Size) && mStyle.Size > 0 && mStyle.Size <= 1000;
    return sizeUsable ? EditorMode::TextLabel : EditorMode::BadTextSize;
}

void LabelTool::Open(const std::string& text, const geometry::LabelStyle& style) {
    mText = text;
    mStyle = style;
    // BadTextSize keeps the board's own handling (a click beeps); the tool only needs
    // the board back when the size is usable.
    Claim({EditorMode::TextLabel}, ModeForStyle());
}

void LabelTool::SetLabel(const std::string& text, const geometry::LabelStyle& style) {
    mText = text;
    mStyle = style;
    if (!IsOpen()) return;
    app::Workspace& ws = mBoard.Ws();
    ws.Editor.AStatus = ModeForStyle();
    ws.Changed.Mark(app::Change::Tool);
}

void LabelTool::Close() {
    if (!IsOpen()) return;
    app::Workspace& ws = mBoard.Ws();
    ws.Layout.Rails[0].Valid = false; // the preview goes with the tool
    Release();
    ws.Redraw->RefreshMainPicture();
}

void LabelTool::MouseDown(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    if (ws.Editor.AStatus != EditorMode::TextLabel) return;
    geometry::AddTextLabel(ws, ws.Editor.MouseX, ws.Editor.MouseY, mText, mStyle, mMeasure);
}

void LabelTool::MouseMove(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    if (ws.Editor.AStatus != EditorMode::TextLabel) return;
    board.View().SetMainPointer(BoardPointer::Cross);
    SetStatusText(ws, "");
    ws.Redraw->RefreshMainPicture();
    if (!geometry::LabelTextFits(mText)) return;
    model::Rail& preview = ws.Layout.Rails[0];
    preview = geometry::MakeTextLabel(ws.Editor.MouseX, ws.Editor.MouseY, mText, mStyle, mMeasure);
    ws.Redraw->DrawPreviewOnMainPicture();
}

} // namespace ferrovane::editor
