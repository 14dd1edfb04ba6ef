#include "core/commands/edit/StatusText.h"

#include <algorithm>
#include <cmath>

#include "core/commands/edit/Selection.h"
#include "core/commands/workspace/EditorState.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"
#include "core/values/text/Messages.h"

namespace ferrovane::editor {

namespace {

// Whole units rounded half to even, saturated to the Integer range.
int RoundToInteger(float v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(static_cast<double>(v));
    return static_cast<int>(std::clamp(r, -32768.0, 32767.0));
}

} // namespace

std::string ComposeStatusText(const EditorState& editor, const std::string& text) {
    if (!text.empty()) return text;
    // Appended piece by piece: GCC 12 warns falsely on a chain of + here.
    std::string s = "(";
    s += std::to_string(RoundToInteger(editor.MouseX));
    s += ',';
    s += std::to_string(RoundToInteger(editor.MouseY));
    s += ')';
    if (SelectionSlots(editor) != 0) {
        s += text::Msg(text::MessageId::SeveralSelected, {std::to_string(SelectedCount(editor))});
    }
    return s;
}

void SetStatusText(app::Workspace& ws, const std::string& text) {
    ws.Host->SetStatusText(ComposeStatusText(ws.Editor, text));
}

} // namespace ferrovane::editor
