#include "core/app/board/BoardModes.h"

#include "core/app/board/RailAbout.h"
#include "core/app/board/RailList.h"

#include "core/commands/edit/Selection.h"
#include "core/commands/edit/StatusText.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/placement/Placement.h"
#include "core/commands/render/AutoScroll.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

namespace {

bool IsEnd(std::int16_t ds) {
    return ds == geometry::DetectEnd0 || ds == geometry::DetectEnd1 || ds == geometry::DetectEnd2;
}

void PopUp(Board& board, BoardMenu menu, bool changeRailNameVisible) {
    if (board.View().PopupMenu(menu, changeRailNameVisible)) board.SetIgnoreNextClick(true);
}

} // namespace

void PlaceSelectMode::MouseDown(Board& board, const BoardEvent& e) {
    app::Workspace& ws = board.Ws();
    render::RedrawTarget& redraw = *ws.Redraw;
    const std::int16_t ds = board.DetectStatus();
    const bool selection = SelectionSlots(ws.Editor) != 0;
    if (IsEnd(ds)) {
        geometry::SetNextRail(ws, e.Button, e.X, e.Y);
    } else if (ds == geometry::DetectMiddle && e.Button == LeftButton) {
        ToggleSelection(ws, ws.Editor.PointedRail);
        redraw.RefreshMainPicture();
        redraw.ShowHoverRail();
    } else if (ds == geometry::DetectMiddle && e.Button == RightButton) {
        redraw.ShowHoverRail();
        redraw.SetHighlightSelRail();
        if (selection) ws.Host->EnableCC(true);
        PopUp(board, BoardMenu::RailMenu2, !selection);
    } else if (ds == geometry::DetectNothing && e.Button == LeftButton) {
        if (selection) {
            ws.Log("MouseDown - LeftButton");
            ws.Log("SelRailList(0) Clear");
            ClearSelection(ws.Editor);
            ws.Changed.Mark(app::Change::Selection);
            ws.Host->EnableCC(false);
            redraw.RefreshMainPicture();
            SetStatusText(ws, ""); // no longer says that rails are selected
        } else if (model::PlacesByClick(ws.Editor.PlaceKind)) {
            ws.Log("frmAngle2 Show");
            board.View().ShowTypedAngleWindow();
            ws.Host->ShowToolBox();
        }
    } else if (ds == geometry::DetectNothing && e.Button == RightButton) {
        ws.Log("MouseDown - RightButton");
        redraw.SetHighlightSelRail();
        if (!selection) {
            PopUp(board, BoardMenu::RailMenu, false);
        } else {
            ws.Host->EnableCC(true);
            PopUp(board, BoardMenu::RailMenu2, false);
        }
    }
}

void PlaceSelectMode::MouseMove(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    const std::int16_t ds = board.DetectStatus();
    if (ds == geometry::DetectMiddle) {
        board.View().SetMainPointer(BoardPointer::Arrow);
        ws.Redraw->ShowHoverRail();
    } else if (IsEnd(ds)) {
        board.View().SetMainPointer(BoardPointer::Arrow);
        geometry::PreviewNextRail(ws);
        if (ws.ToolBox.IsRailAboutOn) {
            if (const auto about = GapAbout(ws)) board.View().ShowRailAbout(*about);
        }
    } else {
        board.View().SetMainPointer(BoardPointer::Cross);
        SetStatusText(ws, "");
    }
    ws.Redraw->SetHighlightSelRail();
}

void RangeSelectMode::MouseDown(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    if (ws.Editor.AStatus != EditorMode::RangeArmed) return;
    board.StartDrag();
    ws.Editor.AStatus = EditorMode::RangeDragging;
    board.DrawRangeBox();
}

void RangeSelectMode::MouseMove(Board& board, const BoardEvent& e) {
    app::Workspace& ws = board.Ws();
    board.View().SetMainPointer(BoardPointer::Cross);
    SetStatusText(ws, "");
    if (ws.Editor.AStatus != EditorMode::RangeDragging) return;
    render::CheckAutoScroll(ws.View, ws.Settings, ws.Layout.LayoutWidth, ws.Layout.LayoutHeight,
                            ws.Editor.MouseX, ws.Editor.MouseY, e.X, e.Y);
    if (ws.View.AutoScrollState != render::AutoScrollNone) {
        ws.View.AutoScrollState =
            static_cast<std::int16_t>(ws.View.AutoScrollState + render::AutoScrollActive);
        board.View().SetAutoScroll();
        ws.View.AutoScrollState = render::AutoScrollNone;
    }
    ws.Redraw->RefreshMainPicture();
    board.DragToPointer();
    board.DrawRangeBox();
}

void RangeSelectMode::MouseUp(Board& board, const BoardEvent& e) {
    app::Workspace& ws = board.Ws();
    if (ws.Editor.AStatus != EditorMode::RangeDragging) return;
    if (e.Button == LeftButton) {
        if (SelectionSlots(ws.Editor) != 0) {
            ws.Editor.AStatus = EditorMode::Place; // the tool goes off with its result
        } else {
            ws.Editor.AStatus = EditorMode::RangeArmed;
            ws.Host->EnableCC(false);
        }
    } else {
        ws.Host->EnableCC(false);
        ClearSelection(ws.Editor);
        ws.Changed.Mark(app::Change::Selection);
        ws.Editor.AStatus = EditorMode::RangeArmed;
    }
    ws.Redraw->RefreshMainPicture();
    board.RefreshToolBox(false);
}

void RulerMode::MouseDown(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    if (ws.Editor.AStatus != EditorMode::RulerArmed) return;
    board.StartDrag();
    ws.Editor.AStatus = EditorMode::RulerDragging;
    board.DrawRuler();
}

void RulerMode::MouseMove(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    board.View().SetMainPointer(BoardPointer::Cross);
    if (ws.Editor.AStatus == EditorMode::RulerArmed) {
        SetStatusText(ws, RulerHint());
        board.DrawRuler();
        return;
    }
    board.DragToPointer();
    ws.Redraw->RefreshMainPicture();
    board.DrawRuler();
}

void RulerMode::MouseUp(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    if (ws.Editor.AStatus != EditorMode::RulerDragging) return;
    ws.Editor.AStatus = EditorMode::RulerArmed;
    ws.Redraw->RefreshMainPicture();
    board.DrawRuler(); // the measurement stays until the next refresh
}

void TypedAngleOpenMode::MouseMove(Board& board, const BoardEvent&) {
    board.Ws().Editor.AStatus = EditorMode::Place;
    board.View().ReleaseMouseClip();
}

namespace {

// What the status line says while nothing can be laid: why, where the tool box knows.
std::string NotPlaceableText(const app::Workspace& ws) {
    return ws.ToolBox.ObjectIndex == PieceKind::RailBox ? NoRailBoxesText() : "";
}

} // namespace

void NotPlaceableMode::MouseDown(Board& board, const BoardEvent&) {
    board.Ws().Host->Beep();
    SetStatusText(board.Ws(), NotPlaceableText(board.Ws()));
}

void NotPlaceableMode::MouseMove(Board& board, const BoardEvent&) {
    board.View().SetMainPointer(BoardPointer::NoDrop);
    SetStatusText(board.Ws(), NotPlaceableText(board.Ws()));
}

} // namespace ferrovane::editor
