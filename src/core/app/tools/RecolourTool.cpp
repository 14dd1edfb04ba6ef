#include "core/app/tools/RecolourTool.h"

#include "core/commands/edit/Recolour.h"
#include "core/commands/edit/StatusText.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/format/Blanks.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

void RecolourTool::Open() {
    app::Workspace& ws = mBoard.Ws();
    mSelectionMode = OpenRecolourTool(ws);
    Claim({EditorMode::Recolour}, EditorMode::Recolour);
    mRail = -1;
    mColour = ws.Settings.RailColor;
    ShowTarget();
    mView.ShowColour(mColour);
}

void RecolourTool::Close() {
    if (!IsOpen()) return;
    CloseRecolourTool(mBoard.Ws());
    Release();
}

void RecolourTool::ShowTarget() {
    const app::Workspace& ws = mBoard.Ws();
    std::string text = text::Msg(text::MessageId::RecolourRailName);
    if (mSelectionMode)
        text = RecolourSelectionText();
    else if (ws.Layout.IsLive(mRail))
        text += document::TrimTrailingBlanks(ws.Layout.Rails[mRail].Name);
    mView.ShowTarget(text);
}

void RecolourTool::ChooseColour() {
    if (const auto chosen = mBoard.Ws().Host->ChooseColour(mColour)) {
        mColour = static_cast<std::int32_t>(*chosen);
        mView.ShowColour(mColour);
    }
}

bool RecolourTool::Apply() {
    app::Workspace& ws = mBoard.Ws();
    if (mSelectionMode) {
        ApplyRecolour(ws, true, mColour);
        // The selection is gone; further rails are clicked one at a time.
        mSelectionMode = false;
        mRail = -1;
    } else {
        if (!ws.Layout.IsLive(mRail)) {
            SetStatusText(ws, RecolourHintText());
            return false;
        }
        RecolourRail(ws, mRail, mColour);
        ws.Redraw->ReDrawBackScreen();
    }
    ShowTarget();
    return true;
}

void RecolourTool::MouseDown(Board& board, const BoardEvent&) {
    if (board.DetectStatus() != geometry::DetectMiddle || mSelectionMode) return;
    const app::Workspace& ws = board.Ws();
    mRail = ws.Editor.PointedRail;
    mColour = ws.Layout.Rails[mRail].Color;
    ShowTarget();
    mView.ShowColour(mColour);
}

void RecolourTool::MouseMove(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    const bool onRail = board.DetectStatus() == geometry::DetectMiddle;
    board.View().SetMainPointer(onRail ? BoardPointer::Arrow : BoardPointer::Cross);
    SetStatusText(ws, onRail ? RecolourPickText() : RecolourHintText());
}

} // namespace ferrovane::editor
