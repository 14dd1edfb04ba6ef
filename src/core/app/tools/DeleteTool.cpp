#include "core/app/tools/DeleteTool.h"

#include "core/commands/edit/DeleteRail.h"
#include "core/commands/edit/StatusText.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/format/Blanks.h"

namespace ferrovane::editor {

void DeleteTool::Open() {
    app::Workspace& ws = mBoard.Ws();
    OpenDeleteTool(ws);
    Claim({EditorMode::Delete}, EditorMode::Delete);
    mView.ShowRailField(NoRailChosenText());
}

void DeleteTool::Close() {
    if (!IsOpen()) return;
    CloseDeleteTool(mBoard.Ws());
    Release();
}

void DeleteTool::MouseDown(Board& board, const BoardEvent&) {
    if (board.DetectStatus() != geometry::DetectMiddle) return;
    DeleteRail(board.Ws());
    mView.ShowRailField(NoRailChosenText());
}

void DeleteTool::MouseMove(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    if (board.DetectStatus() == geometry::DetectMiddle) {
        ws.Redraw->ShowHoverRail();
        mView.ShowRailField(
            document::TrimTrailingBlanks(ws.Layout.Rails[ws.Editor.PointedRail].Name));
    } else {
        board.View().SetMainPointer(BoardPointer::Cross);
        SetStatusText(ws, "");
        mView.ShowRailField(NoRailChosenText());
    }
}

} // namespace ferrovane::editor
