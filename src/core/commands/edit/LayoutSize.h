#pragma once

#include "core/values/text/Messages.h"
#include <optional>
#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::editor {

inline constexpr int MaxLayoutSize = 30000;

// A size field as the layout-size window takes it: a number rounded to a whole one
// (halves to even) from 0 to 30000; nullopt for anything else.
std::optional<int> ParseLayoutSize(const std::string& text);

// The layout-size command: both fields valid sets the board size, marks the layout
// modified and redraws (true); otherwise nothing changes (false). Not undoable.
bool SetLayoutSize(app::Workspace& ws, const std::string& widthText, const std::string& heightText);

inline const char* LayoutSizeTitle() {
    return text::Msg(text::MessageId::LayoutSizeTitle);
}
inline const char* LayoutSizeRangeText() {
    return text::Msg(text::MessageId::LayoutSizeRangeText);
}

// The layout-size window's accept button: SetLayoutSize, and when a field is refused a
// warning naming the range, so that the window staying open does not look like a
// button that does nothing. Returns whether the size was set.
bool AcceptLayoutSize(app::Workspace& ws, const std::string& widthText,
                      const std::string& heightText);

} // namespace ferrovane::editor
