#include "core/commands/edit/LayoutSize.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::editor {

std::optional<int> ParseLayoutSize(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const std::string body = text.substr(first, last - first + 1);
    // Plain decimal numbers only: no hexadecimal, infinities or NaN.
    if (body.find_first_not_of("+-.0123456789eE") != std::string::npos) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const double value = std::strtod(body.c_str(), &end);
    if (end != body.c_str() + body.size() || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::nearbyint(value);
    if (whole < 0 || whole > MaxLayoutSize) return std::nullopt;
    return static_cast<int>(whole);
}

bool SetLayoutSize(app::Workspace& ws, const std::string& widthText,
                   const std::string& heightText) {
    ws.Changed.Mark({app::Change::Layout, app::Change::View});
    const auto width = ParseLayoutSize(widthText);
    const auto height = ParseLayoutSize(heightText);
    if (!width || !height) return false;
    ws.Layout.LayoutWidth = *width;
    ws.Layout.LayoutHeight = *height;
    ws.Layout.Modified = true;
    // The off-screen image has the size of the board.
    ws.Redraw->ReDrawBackScreen();
    return true;
}

bool AcceptLayoutSize(app::Workspace& ws, const std::string& widthText,
                      const std::string& heightText) {
    if (SetLayoutSize(ws, widthText, heightText)) return true;
    platform::ShowModal(*ws.Host,
                        {LayoutSizeRangeText(), LayoutSizeTitle(),
                         platform::MessageIcon::Exclamation, platform::MessageButtons::Ok});
    return false;
}

} // namespace ferrovane::editor
