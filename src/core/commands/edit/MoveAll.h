#pragma once

#include <optional>
#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// An offset field of the move window as a Single: a decimal number (blanks and a
// leading plus allowed); nullopt for anything else.
std::optional<float> ParseMoveOffset(const std::string& text);

// Moves every rail by (dx, dy) and writes one "MOV" record holding both offsets
// exactly, so that undo moves back by the same amounts. Redraws.
void MoveAll(app::Workspace& ws, float dx, float dy);

} // namespace ferrovane::editor
