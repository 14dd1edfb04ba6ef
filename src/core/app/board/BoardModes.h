#pragma once

#include "core/app/board/Board.h"

namespace ferrovane::editor {

// AStatus values of the board's own modes.
inline constexpr std::int16_t AStatusRangeArmed = 50;
inline constexpr std::int16_t AStatusRangeDragging = 51;
inline constexpr std::int16_t AStatusRulerArmed = 60;
inline constexpr std::int16_t AStatusRulerDragging = 61;
inline constexpr std::int16_t AStatusTypedAngle = 120;
inline constexpr std::int16_t AStatusTypedAngleBox = 130;
inline constexpr std::int16_t AStatusNotPlaceable = 9998;
inline constexpr std::int16_t AStatusBadTextSize = 9999;

inline constexpr const char* RulerHint = "測定したい2点間をドラッグして下さい";

// Mode 0: extend the track at free ends, select rails, open the typed-angle window
// and the context menus.
class PlaceSelectMode : public BoardMode {
public:
    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;
};

// Modes 50 (armed) and 51 (dragging the range box).
class RangeSelectMode : public BoardMode {
public:
    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;
    void MouseUp(Board& board, const BoardEvent& e) override;
};

// Modes 60 (armed) and 61 (dragging the ruler).
class RulerMode : public BoardMode {
public:
    void MouseDown(Board& board, const BoardEvent& e) override;
    void MouseMove(Board& board, const BoardEvent& e) override;
    void MouseUp(Board& board, const BoardEvent& e) override;
};

// Mode 120: the typed-angle window is open; the pointer back on the board ends it.
class TypedAngleOpenMode : public BoardMode {
public:
    void MouseMove(Board& board, const BoardEvent& e) override;
};

// Modes 9998 and 9999: the tool box's choice cannot be placed by clicking.
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
