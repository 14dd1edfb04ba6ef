#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "core/app/board/BoardView.h"
#include "core/commands/workspace/EditorState.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

inline constexpr int LeftButton = 1;
inline constexpr int RightButton = 2;

// A mouse event on the board: X and Y are the pointer's position in the visible
// window, in layout units (the picture's scale); the view origin is added to them.
struct BoardEvent {
    int Button = LeftButton;
    int Shift = 0;
    float X = 0, Y = 0;
};

// Key codes the main window handles.
enum BoardKey : int {
    KeyEscape = 27,
    KeyLeftArrow = 37,
    KeyUpArrow = 38,
    KeyRightArrow = 39,
    KeyDownArrow = 40,
    KeyU = 85,
    KeySlash = 191,
};

// The anchor and current point of a range-selection or ruler drag, in layout units.
struct DragRect {
    std::int32_t AnchorX = 0, AnchorY = 0, CurrentX = 0, CurrentY = 0;
};

class Board;

// One editor mode: what a click, a move and a release mean while AStatus has one of
// the mode's values.
class BoardMode {
public:
    virtual ~BoardMode() = default;
    virtual void MouseDown(Board& /*board*/, const BoardEvent& /*e*/) {}
    virtual void MouseMove(Board& /*board*/, const BoardEvent& /*e*/) {}
    virtual void MouseUp(Board& /*board*/, const BoardEvent& /*e*/) {}
    // The hit test under the pointer (DetectStatus); the rail hit test unless the mode
    // has things of its own to find.
    virtual std::int16_t Detect(Board& board);
};

// The state machine of the board (MainPicture). The window converts its events and
// forwards them; the board decides, through the workspace, the redraw target and the
// view. Modes not registered ignore the board's events.
class Board {
public:
    Board(app::Workspace& ws, BoardView& view);
    ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    void MouseDown(const BoardEvent& e);
    void MouseMove(const BoardEvent& e);
    void MouseUp(const BoardEvent& e);
    void KeyDown(int keyCode, int shift);
    // The Edit menu's range-selection item; returns its new check state.
    bool ToggleRangeSelection(bool checked);
    // The pointer over the status line.
    void PointerOverStatusLine();

    // Registers the handler of an AStatus value (later modes plug in the same way).
    void SetMode(EditorMode aStatus, BoardMode* mode);

    app::Workspace& Ws() { return mWs; }
    BoardView& View() { return mView; }
    std::int16_t DetectStatus() const { return mDetectStatus; }
    bool IgnoreNextClick() const { return mIgnoreNextClick; }
    void SetIgnoreNextClick(bool ignore) { mIgnoreNextClick = ignore; }
    DragRect& Drag() { return mDrag; }

    // Shared steps of the modes.
    void StartDrag();     // anchor and current at the pointer
    void DragToPointer(); // current at the pointer
    void DrawRangeBox();  // rubber band and the rails inside it selected
    void DrawRuler();     // line and length
    void RefreshToolBox(bool refillList);
    // The piece to lay changed: the preview at the end under the pointer is drawn anew.
    void RenewPreview();

private:
    void SetPointerPosition(const BoardEvent& e);
    std::int16_t Detect();
    BoardMode* ModeFor(EditorMode aStatus) const;

    app::Workspace& mWs;
    BoardView& mView;
    std::map<EditorMode, BoardMode*> mModes;
    std::unique_ptr<struct BoardStandardModes> mStandard;
    bool mIgnoreNextClick = false;
    std::int16_t mDetectStatus = 0;
    std::int16_t mPrevDetectStatus = 0;
    DragRect mDrag;
};

// Whole layout units, half to even, as the drag rectangle keeps them.
std::int32_t ToLong(float v);

} // namespace ferrovane::editor
