#include "core/commands/edit/MoveAll.h"

#include <charconv>
#include <cmath>

#include "core/commands/workspace/Workspace.h"
#include "core/compute/geometry/Joints.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

namespace {

// The shortest text that reads back as the same Single.
std::string ExactText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::optional<float> ParseMoveOffset(const std::string& text) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty() || s.front() == '+') return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size() || !std::isfinite(value) ||
        std::fabs(value) > 3.0e38)
        return std::nullopt;
    return static_cast<float>(value);
}

void MoveAll(app::Workspace& ws, float dx, float dy) {
    platform::BusyPointer busy(*ws.Host);
    geometry::TranslateAllRails(ws.Layout, dx, dy);
    ws.Layout.Modified = true;
    ws.Undo.AddUndo("MOV", ExactText(dx), ExactText(dy), true);
    ws.Redraw->ReDrawBackScreen();
}

} // namespace ferrovane::editor
