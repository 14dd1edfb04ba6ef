#pragma once

#include "core/app/board/Board.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

inline const char* RulerHint() {
    return text::Msg(text::MessageId::RulerHint);
}

// Place: extend the track at free ends, select rails, open the typed-angle window
// and the context menus.
class PlaceSelectMode : public BoardMode {
public:
    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;
};

// RangeArmed and RangeDragging.
class RangeSelectMode : public BoardMode {
public:
    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;
    void MouseUp(Board& board, const BoardEvent& e) override;
};

// RulerArmed and RulerDragging.
class RulerMode : public BoardMode {
public:
    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;
    void MouseUp(Board& board, const BoardEvent& e) override;
};

// TypedAngle: the typed-angle window is open; the pointer back on the board ends it.
class TypedAngleOpenMode : public BoardMode {
public:
    void MouseMove(Board& board, const BoardEvent& e) override;
};

// NotPlaceable and BadTextSize: the tool box's choice cannot be placed by clicking.
class NotPlaceableMode : public BoardMode {
public:
    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;
};

struct BoardStandardModes {
    PlaceSelectMode PlaceSelect;
    RangeSelectMode RangeSelect;
    RulerMode Ruler;
    TypedAngleOpenMode TypedAngleOpen;
    NotPlaceableMode NotPlaceable;
};

} // namespace ferrovane::editor
