#include "core/app/board/Board.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

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
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

// Marks the tool as changed when an event leaves the editor in another mode, with
// another piece or in the other level.
class ToolWatch {
public:
    explicit ToolWatch(app::Workspace& ws)
        : mWs(ws), mMode(ws.Editor.AStatus), mKind(ws.Editor.PlaceKind),
          mUpper(ws.Editor.IsUpperMode) {}
    ToolWatch(const ToolWatch&) = delete;
    ToolWatch& operator=(const ToolWatch&) = delete;
    ~ToolWatch() {
        const auto& ed = mWs.Editor;
        if (ed.AStatus != mMode || ed.PlaceKind != mKind || ed.IsUpperMode != mUpper)
            mWs.Changed.Mark(app::Change::Tool);
    }

private:
    app::Workspace& mWs;
    EditorMode mMode;
    PieceKind mKind;
    bool mUpper;
};

} // namespace

namespace {

// States whose own drawing must not be wiped by a change of the hit-test result.
bool KeepsPictureOnDetectChange(EditorMode mode) {
    return mode == EditorMode::KeepsDrawingFirst || mode == EditorMode::KeepsDrawingSecond ||
           mode == EditorMode::KeepsDrawingThird;
}

PieceKind PlaceKindBackwards(PieceKind kind) {
    switch (kind) {
    case PieceKind::Straight:
        return PieceKind::Flexible;
    case PieceKind::Flexible:
        return PieceKind::Object;
    case PieceKind::Object:
        return PieceKind::RailBox;
    case PieceKind::RailBox:
        return PieceKind::Point;
    case PieceKind::Point:
        return PieceKind::Curve;
    default:
        return PieceKind::Straight;
    }
}

PieceKind PlaceKindForwards(PieceKind kind) {
    switch (kind) {
    case PieceKind::Straight:
        return PieceKind::Curve;
    case PieceKind::Curve:
        return PieceKind::Point;
    case PieceKind::Point:
        return PieceKind::RailBox;
    case PieceKind::RailBox:
        return PieceKind::Object;
    case PieceKind::Object:
        return PieceKind::Flexible;
    default:
        return PieceKind::Straight;
    }
}

} // namespace

std::int32_t ToLong(float v) {
    if (!std::isfinite(v)) return 0;
    const double r = std::nearbyint(static_cast<double>(v));
    return static_cast<std::int32_t>(std::clamp(r, -2147483648.0, 2147483647.0));
}

int SteppedRailListIndex(PieceKind kind, int index, int count, int delta) {
    if (delta < 0) return index > 0 ? index - 1 : index;
    const int limit = model::IsCatalogueKind(kind) ? count - 2 : count - 1;
    return index < limit ? index + 1 : index;
}

Board::Board(app::Workspace& ws, BoardView& view)
    : mWs(ws), mView(view), mStandard(std::make_unique<BoardStandardModes>()) {
    SetMode(EditorMode::Place, &mStandard->PlaceSelect);
    SetMode(EditorMode::RangeArmed, &mStandard->RangeSelect);
    SetMode(EditorMode::RangeDragging, &mStandard->RangeSelect);
    SetMode(EditorMode::RulerArmed, &mStandard->Ruler);
    SetMode(EditorMode::RulerDragging, &mStandard->Ruler);
    SetMode(EditorMode::TypedAngle, &mStandard->TypedAngleOpen);
    SetMode(EditorMode::NotPlaceable, &mStandard->NotPlaceable);
    SetMode(EditorMode::BadTextSize, &mStandard->NotPlaceable);
}

Board::~Board() = default;

void Board::SetMode(EditorMode aStatus, BoardMode* mode) {
    if (mode) {
        mModes[aStatus] = mode;
    } else {
        mModes.erase(aStatus);
    }
}

BoardMode* Board::ModeFor(EditorMode aStatus) const {
    const auto it = mModes.find(aStatus);
    return it == mModes.end() ? nullptr : it->second;
}

void Board::SetPointerPosition(const BoardEvent& e) {
    EditorState& ed = mWs.Editor;
    ed.MouseX = mWs.View.Screen.Left + e.X;
    ed.MouseY = mWs.View.Screen.Top + e.Y;
    ed.MouseCellX = std::floor(ed.MouseX / 100);
    ed.MouseCellY = std::floor(ed.MouseY / 100);
}

std::int16_t BoardMode::Detect(Board& board) {
    return geometry::DetectRail(board.Ws());
}

std::int16_t Board::Detect() {
    if (BoardMode* mode = ModeFor(mWs.Editor.AStatus)) return mode->Detect(*this);
    return geometry::DetectRail(mWs);
}

void Board::MouseDown(const BoardEvent& e) {
    ToolWatch watch(mWs);
    mWs.Log("MouseDown Start");
    if (mIgnoreNextClick) {
        mIgnoreNextClick = false; // the click that closed a context menu
        return;
    }
    SetPointerPosition(e);
    mWs.Log("MouseDown - AutoScroll check");
    std::int16_t& scroll = mWs.View.AutoScrollState;
    if (scroll > 0 && scroll < render::AutoScrollActive) {
        scroll = static_cast<std::int16_t>(scroll + render::AutoScrollActive);
    }
    if (scroll > render::AutoScrollActive) return; // the click only ends auto-scrolling
    mWs.Log("MouseDown - DetectRail Start");
    mDetectStatus = Detect();
    mWs.Log("MouseDown - AStatus = " + std::to_string(model::ModeNumber(mWs.Editor.AStatus)));
    mWs.Log("MouseDown - DetectStatus = " + std::to_string(mDetectStatus));
    if (BoardMode* mode = ModeFor(mWs.Editor.AStatus)) mode->MouseDown(*this, e);
}

void Board::MouseMove(const BoardEvent& e) {
    if (mWs.ToolBox.ButtonId != ButtonNone) {
        mWs.ToolBox.ButtonId = ButtonNone; // the pointer left the tool box
        mView.RefreshToolBox(nullptr);
    }
    SetPointerPosition(e);
    const std::int16_t prevPointed = mWs.Editor.PointedRail;
    const std::int16_t prevSnap = mWs.Editor.SnapRail;
    const std::uint8_t prevSnapEnd = mWs.Editor.SnapEnd;
    mDetectStatus = Detect();
    // Another result, or the same kind of result on another rail or end: the previous
    // hover highlight or preview goes.
    const bool changed = mDetectStatus != mPrevDetectStatus ||
                         mWs.Editor.PointedRail != prevPointed || mWs.Editor.SnapRail != prevSnap ||
                         mWs.Editor.SnapEnd != prevSnapEnd;
    if (changed && !KeepsPictureOnDetectChange(mWs.Editor.AStatus)) {
        mWs.Redraw->RefreshMainPicture();
    }
    mPrevDetectStatus = mDetectStatus;
    if (mWs.ToolBox.IsRailAboutOn) {
        if (const auto about = ShowAbout(mWs)) mView.ShowRailAbout(*about);
    }
    if (BoardMode* mode = ModeFor(mWs.Editor.AStatus)) mode->MouseMove(*this, e);
}

void Board::MouseUp(const BoardEvent& e) {
    ToolWatch watch(mWs);
    SetPointerPosition(e);
    if (BoardMode* mode = ModeFor(mWs.Editor.AStatus)) mode->MouseUp(*this, e);
}

void Board::KeyDown(int keyCode, int) {
    ToolWatch watch(mWs);
    EditorState& ed = mWs.Editor;
    switch (keyCode) {
    case KeyEscape:
        mWs.ToolBox.ButtonId = ButtonAfterEsc;
        RefreshToolBox(false);
        break;
    case KeyLeftArrow:
    case KeyRightArrow:
        ed.PlaceKind = keyCode == KeyLeftArrow ? PlaceKindBackwards(ed.PlaceKind)
                                               : PlaceKindForwards(ed.PlaceKind);
        mWs.ToolBox.ObjectIndex = ed.PlaceKind;
        mWs.ToolBox.ButtonId =
            static_cast<std::int16_t>(ButtonClicked + model::KindIndex(ed.PlaceKind));
        RefreshToolBox(true);
        RenewPreview();
        break;
    case KeyUpArrow:
        mView.StepRailList(-1);
        RenewPreview();
        break;
    case KeyDownArrow:
        mView.StepRailList(1);
        RenewPreview();
        break;
    case KeyU:
        ed.IsUpperMode = !ed.IsUpperMode;
        mWs.ToolBox.ButtonId = ButtonAfterUpperKey;
        RefreshToolBox(true);
        RenewPreview();
        break;
    case KeySlash:
        mView.ShowRailAboutItem();
        break;
    default:
        break;
    }
}

bool Board::ToggleRangeSelection(bool checked) {
    ToolWatch watch(mWs);
    mWs.Editor.AStatus = checked ? EditorMode::Place : EditorMode::RangeArmed;
    RefreshToolBox(false);
    return !checked;
}

void Board::PointerOverStatusLine() {
    mWs.Host->SetStatusText(text::Msg(text::MessageId::StatusLineHover));
    mWs.View.AutoScrollState = render::AutoScrollNone;
}

void Board::RenewPreview() {
    // The old piece's preview goes before the new piece is shown at the same end.
    mWs.Redraw->RefreshMainPicture();
    const bool atEnd =
        mDetectStatus >= geometry::DetectEnd0 && mDetectStatus <= geometry::DetectEnd2;
    if (atEnd && mWs.Editor.AStatus == EditorMode::Place) geometry::PreviewNextRail(mWs);
}

void Board::RefreshToolBox(bool refillList) {
    // The buttons follow the editor's state even when the id did not change.
    mWs.ToolBox.ShownButtonId = -32768;
    if (refillList) {
        const auto list = FillRailList(mWs);
        mView.RefreshToolBox(&list);
    } else {
        mView.RefreshToolBox(nullptr);
    }
}

void Board::StartDrag() {
    mDrag.AnchorX = mDrag.CurrentX = ToLong(mWs.Editor.MouseX);
    mDrag.AnchorY = mDrag.CurrentY = ToLong(mWs.Editor.MouseY);
}

void Board::DragToPointer() {
    mDrag.CurrentX = ToLong(mWs.Editor.MouseX);
    mDrag.CurrentY = ToLong(mWs.Editor.MouseY);
}

void Board::DrawRangeBox() {
    const std::int32_t minX = std::min(mDrag.AnchorX, mDrag.CurrentX);
    const std::int32_t maxX = std::max(mDrag.AnchorX, mDrag.CurrentX);
    const std::int32_t minY = std::min(mDrag.AnchorY, mDrag.CurrentY);
    const std::int32_t maxY = std::max(mDrag.AnchorY, mDrag.CurrentY);
    const auto& s = mWs.View.Screen;
    mView.DrawRangeBox(static_cast<float>(minX) - s.Left, static_cast<float>(minY) - s.Top,
                       static_cast<float>(maxX) - s.Left, static_cast<float>(maxY) - s.Top);
    SelectRailsInBox(mWs.Layout, mWs.Editor, minX, minY, maxX, maxY);
    mWs.Changed.Mark(app::Change::Selection);
    mWs.Redraw->SetHighlightSelRail();
}

void Board::DrawRuler() {
    const double dx = static_cast<double>(mDrag.AnchorX) - mDrag.CurrentX;
    const double dy = static_cast<double>(mDrag.AnchorY) - mDrag.CurrentY;
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", std::sqrt(dx * dx + dy * dy));
    const auto& s = mWs.View.Screen;
    mView.DrawRuler(static_cast<float>(mDrag.AnchorX) - s.Left,
                    static_cast<float>(mDrag.AnchorY) - s.Top,
                    static_cast<float>(mDrag.CurrentX) - s.Left,
                    static_cast<float>(mDrag.CurrentY) - s.Top, text);
}

} // namespace ferrovane::editor
