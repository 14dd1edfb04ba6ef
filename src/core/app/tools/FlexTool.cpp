#include "core/app/tools/FlexTool.h"

#include "core/commands/edit/StatusText.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/placement/FlexRail.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/FlexHitTest.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

bool IsEnd(std::int16_t ds) {
    return ds >= geometry::DetectEnd0 && ds <= geometry::DetectEnd2;
}

} // namespace

void FlexTool::Open() {
    Claim({EditorMode::FlexChoosingStart, EditorMode::FlexChoosingEnd, EditorMode::FlexShaping,
           EditorMode::FlexDraggingStartHandle, EditorMode::FlexDraggingEndHandle},
          EditorMode::FlexChoosingStart);
    geometry::OpenFlexRail(mBoard.Ws());
    ShowStep();
}

int FlexTool::Step() const {
    switch (mBoard.Ws().Editor.AStatus) {
    case EditorMode::FlexChoosingStart:
        return 1;
    case EditorMode::FlexChoosingEnd:
        return 2;
    default:
        return 3;
    }
}

void FlexTool::ShowStep() {
    const int step = Step();
    mView.ShowStep(step, step == 1   ? FlexStep1Text()
                         : step == 2 ? FlexStep2Text()
                                     : FlexStep3Text());
}

bool FlexTool::Ok() {
    app::Workspace& ws = mBoard.Ws();
    // Closed, the definition is what was left behind: nothing to lay.
    if (!IsOpen() || Step() != 3) return false;
    if (!geometry::CreateFlexRail(ws)) {
        SetStatusText(ws, text::Msg(text::MessageId::FlexRailFailed));
        return false;
    }
    Release();
    return true;
}

void FlexTool::Cancel() {
    if (!IsOpen()) return;
    geometry::CancelFlexRail(mBoard.Ws());
    Release();
}

std::int16_t FlexTool::Detect(Board& board) {
    app::Workspace& ws = board.Ws();
    if (ws.Editor.AStatus != EditorMode::FlexShaping) return BoardMode::Detect(board);
    return geometry::DetectFlexControl(ws.Editor.FlexDef, ws.Editor.MouseX, ws.Editor.MouseY,
                                       ws.Settings.DetectRange);
}

void FlexTool::MouseDown(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    const auto pick = [this] { return mView.PickAngle(); };
    switch (ws.Editor.AStatus) {
    case EditorMode::FlexChoosingStart:
        if (geometry::SetFlexEnd(ws, pick)) ShowStep();
        ws.Redraw->RefreshMainPicture();
        break;
    case EditorMode::FlexChoosingEnd:
        if (geometry::SetFlexRail(ws, pick)) ShowStep();
        ws.Redraw->RefreshMainPicture();
        break;
    case EditorMode::FlexShaping:
        if (board.DetectStatus() == geometry::DetectStartHandle) {
            SetStatusText(ws, FlexStartHandleDragText());
            ws.Editor.AStatus = EditorMode::FlexDraggingStartHandle;
        } else if (board.DetectStatus() == geometry::DetectEndHandle) {
            SetStatusText(ws, FlexEndHandleDragText());
            ws.Editor.AStatus = EditorMode::FlexDraggingEndHandle;
        }
        ws.Redraw->RefreshMainPicture();
        break;
    default:
        break;
    }
}

void FlexTool::MouseMove(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    EditorState& ed = ws.Editor;
    switch (ed.AStatus) {
    case EditorMode::FlexChoosingStart:
    case EditorMode::FlexChoosingEnd: {
        mView.ShowRailNumber(geometry::FlexPointerText(ws));
        if (ed.AStatus == EditorMode::FlexChoosingStart) ed.FlexStartRail = -1;
        const bool atEnd = IsEnd(board.DetectStatus());
        if (atEnd) {
            ws.View.IsHighlighting = true;
            ws.Redraw->DrawRailOnMainPicture(ed.SnapRail);
            ws.View.IsHighlighting = false;
        }
        // Said before the click, which would be refused.
        const bool joined = atEnd && !ws.Layout.Rails[ed.SnapRail].Free(board.DetectStatus() -
                                                                        geometry::DetectEnd0);
        SetStatusText(ws, joined ? geometry::FlexEndJoinedText() : "");
        break;
    }
    case EditorMode::FlexShaping:
        if (board.DetectStatus() == geometry::DetectStartHandle) {
            board.View().SetMainPointer(BoardPointer::Arrow);
            SetStatusText(ws, FlexStartHandleHoverText());
        } else if (board.DetectStatus() == geometry::DetectEndHandle) {
            board.View().SetMainPointer(BoardPointer::Arrow);
            SetStatusText(ws, FlexEndHandleHoverText());
        } else {
            board.View().SetMainPointer(BoardPointer::Cross);
            SetStatusText(ws, "");
        }
        break;
    case EditorMode::FlexDraggingStartHandle:
    case EditorMode::FlexDraggingEndHandle: {
        const bool start = ed.AStatus == EditorMode::FlexDraggingStartHandle;
        board.View().SetMainPointer(BoardPointer::Arrow);
        SetStatusText(ws, start ? FlexStartHandleDragText() : FlexEndHandleDragText());
        geometry::DragFlexHandle(ws, start ? geometry::FlexSide::Start : geometry::FlexSide::End);
        ws.Redraw->RefreshMainPicture();
        break;
    }
    default:
        break;
    }
}

void FlexTool::MouseUp(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    EditorState& ed = ws.Editor;
    if (ed.AStatus != EditorMode::FlexDraggingStartHandle &&
        ed.AStatus != EditorMode::FlexDraggingEndHandle)
        return;
    const bool start = ed.AStatus == EditorMode::FlexDraggingStartHandle;
    geometry::DragFlexHandle(ws, start ? geometry::FlexSide::Start : geometry::FlexSide::End);
    ed.AStatus = EditorMode::FlexShaping;
    ws.Redraw->RefreshMainPicture();
}

} // namespace ferrovane::editor
