#include "core/app/tools/GapCloserTool.h"

#include <cstdio>

#include "core/commands/check/CheckEdits.h"
#include "core/commands/edit/StatusText.h"
#include "core/commands/placement/Detection.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

std::string CloserRow(const catalogue::Catalogue& catalogue, const check::CloserSuggestion& s) {
    std::string row;
    for (const check::ClosePiece& piece : s.Pieces) {
        if (!row.empty()) row += "  ";
        row += check::ClosePieceName(catalogue, piece);
    }
    char gap[32];
    char angle[32];
    std::snprintf(gap, sizeof gap, "%.1f", static_cast<double>(s.Gap));
    std::snprintf(angle, sizeof angle, "%.1f", static_cast<double>(s.Angle));
    return row + "   (" + text::Msg(text::MessageId::GapReadout, {gap, angle}) + ")";
}

void GapCloserTool::Open() {
    Claim(
        {EditorMode::CloseGapFirstEnd, EditorMode::CloseGapSecondEnd, EditorMode::CloseGapChoosing},
        EditorMode::CloseGapFirstEnd);
    mHaveSecond = false;
    mSuggestions.clear();
    mView.ShowInstruction(CloseGapFirstText());
    mView.ShowSuggestions({});
}

void GapCloserTool::Close() {
    if (!IsOpen()) return;
    Release();
    mBoard.Ws().Redraw->RefreshMainPicture();
}

bool GapCloserTool::Lay(int index) {
    if (!mHaveSecond || index < 0 || index >= static_cast<int>(mSuggestions.size())) return false;
    app::Workspace& ws = mBoard.Ws();
    if (check::LayCloser(ws, mFirst, mSecond, mSuggestions[static_cast<std::size_t>(index)]) < 0)
        return false;
    Close();
    return true;
}

bool GapCloserTool::LayFlexible() {
    if (!mHaveSecond) return false;
    if (check::LayCloserFlex(mBoard.Ws(), mFirst, mSecond) < 0) return false;
    Close();
    return true;
}

bool GapCloserTool::FreeEndUnderPointer(Board& board, check::EndRef& end) const {
    const std::int16_t ds = board.DetectStatus();
    if (ds < geometry::DetectEnd0 || ds > geometry::DetectEnd2) return false;
    const app::Workspace& ws = board.Ws();
    end = {ws.Editor.SnapRail, ds - geometry::DetectEnd0};
    return ws.Layout.IsLive(end.Rail) && ws.Layout.Rails[end.Rail].Free(end.End);
}

void GapCloserTool::MouseDown(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    check::EndRef end;
    if (!FreeEndUnderPointer(board, end)) return;
    if (ws.Editor.AStatus == EditorMode::CloseGapFirstEnd) {
        mFirst = end;
        ws.Editor.AStatus = EditorMode::CloseGapSecondEnd;
        mView.ShowInstruction(CloseGapSecondText());
    } else if (ws.Editor.AStatus == EditorMode::CloseGapSecondEnd && !(end == mFirst)) {
        mSecond = end;
        mHaveSecond = true;
        ws.Editor.AStatus = EditorMode::CloseGapChoosing;
        mSuggestions = check::SuggestClosers(ws, mFirst, mSecond);
        std::vector<std::string> rows;
        for (const check::CloserSuggestion& s : mSuggestions)
            rows.push_back(CloserRow(ws.Catalogue, s));
        mView.ShowSuggestions(rows);
        mView.ShowInstruction(rows.empty() ? CloseGapNoneText() : CloseGapChooseText());
    }
    ws.Changed.Mark(app::Change::Tool);
}

void GapCloserTool::MouseMove(Board& board, const BoardEvent&) {
    app::Workspace& ws = board.Ws();
    const EditorMode mode = ws.Editor.AStatus;
    if (mode == EditorMode::CloseGapChoosing) {
        SetStatusText(ws, CloseGapChooseText());
        return;
    }
    check::EndRef end;
    const bool onEnd = FreeEndUnderPointer(board, end);
    board.View().SetMainPointer(onEnd ? BoardPointer::Arrow : BoardPointer::Cross);
    if (onEnd) {
        ws.View.IsHighlighting = true;
        ws.Redraw->DrawRailOnMainPicture(end.Rail);
        ws.View.IsHighlighting = false;
    }
    SetStatusText(ws, mode == EditorMode::CloseGapFirstEnd ? CloseGapFirstText()
                                                           : CloseGapSecondText());
}

} // namespace ferrovane::editor
