#pragma once

#include "core/values/text/Messages.h"
#include <optional>
#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// Where a move may put rails: beyond this range the index no longer finds them.
inline constexpr float MoveLimitLow = -30000.0f;
inline constexpr float MoveLimitHigh = 60000.0f;

// An offset field of the move window as a Single: a decimal number (blanks and a
// leading plus allowed); nullopt for anything else.
std::optional<float> ParseMoveOffset(const std::string& text);

// Moves every rail by (dx, dy) and records the move with the old positions, so that
// undo puts every rail back exactly. Redraws. An offset that would put a live rail
// outside MoveLimitLow..MoveLimitHigh is refused with a warning and changes nothing;
// returns whether the layout moved.
bool MoveAll(app::Workspace& ws, float dx, float dy);

inline const char* MoveAllTitle() {
    return text::Msg(text::MessageId::MoveAllTitle);
}
inline const char* MoveOffsetText() {
    return text::Msg(text::MessageId::MoveOffsetText);
}

// The move window's button: both offset fields read with ParseMoveOffset, then
// MoveAll. A field that is no number is refused with a warning and nothing moves.
// Returns whether the layout moved.
bool MoveAllByText(app::Workspace& ws, const std::string& dxText, const std::string& dyText);

} // namespace ferrovane::editor
