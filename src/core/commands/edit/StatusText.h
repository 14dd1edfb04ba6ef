#pragma once

#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

struct EditorState;

// The status line text for a request: a non-empty text unchanged; an empty one the
// pointer position in whole layout units, which while rails are selected also tells
// how many are.
std::string ComposeStatusText(const EditorState& editor, const std::string& text);

// Composes the text and hands it to the user interface.
void SetStatusText(app::Workspace& ws, const std::string& text);

} // namespace ferrovane::editor
