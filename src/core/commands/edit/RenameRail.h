#pragma once

#include <optional>
#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

// The question the rename command asks for a rail: a piece, a rail-box group (by its
// head) or a text label each have their own. nullopt for anything else.
struct RenameQuestion {
    std::string Title;
    std::string Prompt;
    std::string Initial;
};
std::optional<RenameQuestion> RenameQuestionFor(const app::Workspace& ws, int rail);

// Renames the rail with the user's answer, writing "REN" records with the old names as
// one undo action: a group's members take the head's new name, a text label keeps its
// font name and takes the answer as its text. An empty answer changes nothing. A quote
// or line break in the answer is stored as the layout file will hold it. Returns
// whether anything changed.
bool RenameRailTo(app::Workspace& ws, int rail, const std::string& answer);

// The rename command on the rail under the pointer: asks, then renames and redraws.
bool ChangeRailName(app::Workspace& ws);

} // namespace ferrovane::editor
