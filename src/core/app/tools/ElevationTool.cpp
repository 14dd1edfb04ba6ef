#include "core/app/tools/ElevationTool.h"

#include "core/app/tools/DeleteTool.h"
#include "core/commands/edit/Elevation.h"
#include "core/commands/edit/StatusText.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/workspace/Workspace.h"

namespace ferrovane::editor {

void ElevationTool::Open() {
    app::Workspace& ws = mBoard.Ws();
    Claim({EditorMode::Elevate}, EditorMode::Elevate);
    OpenElevationTool(ws);
    mShownRail = -1;
    mView.ShowSourceRail(NoRailChosenText());
    mView.ShowCandidates({}, -1);
}

void ElevationTool::Close() {
    if (!IsOpen()) return;
    CloseElevationTool(mBoard.Ws());
    Release();
}

void ElevationTool::SetIntelliChange(bool on) {
    mIntelliChange = on;
    mShownRail = -1; // the list is chosen again
    ShowSourceRail();
}

void ElevationTool::ShowSourceRail() {
    app::Workspace& ws = mBoard.Ws();
    const int rail = ws.Editor.PointedRail;
    if (rail <= 0 || !ws.Layout.IsLive(rail)) {
        mView.ShowSourceRail(NoRailChosenText());
        return;
    }
    const std::string& name = ws.Layout.Rails[rail].Name;
    mView.ShowSourceRail(name);
    if (rail == mShownRail) return;
    mShownRail = rail;
    const std::vector<std::string> names = ElevationCandidates(ws, rail);
    int row = -1;
    if (mIntelliChange) {
        if (const auto choice = IntelliChoice(name, names)) row = static_cast<int>(*choice);
    }
    mView.ShowCandidates(names, row);
}

bool ElevationTool::ConvertSourceRail() {
    app::Workspace& ws = mBoard.Ws();
    const int rail = ws.Editor.PointedRail;
    if (rail <= 0 || !ws.Layout.IsLive(rail)) return false;
    SetUpper(ws, mView.ChosenCandidate());
    // The converted rail offers the other level's types now.
    mShownRail = -1;
    ShowSourceRail();
    return true;
}

void ElevationTool::MouseDown(Board& board, const BoardEvent&) {
    if (board.DetectStatus() == geometry::DetectMiddle) ConvertSourceRail();
}

void ElevationTool::MouseMove(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    if (board.DetectStatus() == geometry::DetectMiddle) {
        ws.Redraw->ShowHoverRail();
    } else {
        board.View().SetMainPointer(BoardPointer::Cross);
        SetStatusText(ws, ElevateHintText());
    }
    ShowSourceRail();
}

} // namespace ferrovane::editor
