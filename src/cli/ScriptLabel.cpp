#ifdef FERROVANE_HAVE_QTRENDER

#include "cli/ScriptLabel.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "cli/GuiApplication.h"
#include "core/commands/placement/TextLabel.h"
#include "core/commands/workspace/Workspace.h"
#include "gui/render/QtTextMeasure.h"

namespace ferrovane::cli {

namespace {

constexpr const char* LabelUsage = "label takes X Y TEXT [FONT SIZE [bold] [italic] [RRGGBB]]";
constexpr float MaxLabelSize = 1000;

std::optional<float> Number(const std::string& text) {
    float value = 0;
    const char* end = text.data() + text.size();
    auto [at, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || at != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// RRGGBB as the layout stores a colour: red in the low byte.
std::optional<std::int32_t> HexColour(const std::string& text) {
    if (text.size() != 6) return std::nullopt;
    std::uint32_t rgb = 0;
    const char* end = text.data() + text.size();
    auto [at, ec] = std::from_chars(text.data(), end, rgb, 16);
    if (ec != std::errc{} || at != end) return std::nullopt;
    const std::uint32_t red = rgb >> 16, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
    return static_cast<std::int32_t>(red | green << 8 | blue << 16);
}

// The words after SIZE: bold, italic and a colour, each at most once.
std::optional<std::string> ReadStyleWords(const ScriptWords& args, geometry::LabelStyle& style) {
    bool bold = false, italic = false, colour = false;
    for (std::size_t i = 5; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word == "bold" && !bold) {
            bold = style.Bold = true;
        } else if (word == "italic" && !italic) {
            italic = style.Italic = true;
        } else if (const auto rgb = HexColour(word); rgb && !colour) {
            colour = true;
            style.Color = *rgb;
        } else {
            return "bad label style " + word;
        }
    }
    return std::nullopt;
}

} // namespace

ScriptOutcome RunLabelCommand(ScriptContext& c, const ScriptWords& args) {
    if (args.size() != 3 && args.size() < 5) return BadLine(LabelUsage);
    const auto x = Number(args[0]), y = Number(args[1]);
    if (!x || !y || std::fabs(*x) > 1.0e6f || std::fabs(*y) > 1.0e6f)
        return BadLine("bad position");
    const std::string& text = args[2];
    if (!geometry::LabelTextFits(text))
        return BadLine("label text empty or longer than " +
                       std::to_string(geometry::LabelTextLimit) + " half-width characters");
    geometry::LabelStyle style;
    if (args.size() >= 5) {
        const auto size = Number(args[4]);
        if (args[3].empty()) return BadLine("empty font name");
        if (!size || !(*size > 0) || *size > MaxLabelSize) return BadLine("bad size " + args[4]);
        style.FontName = args[3];
        style.Size = *size;
        if (auto problem = ReadStyleWords(args, style)) return BadLine(*problem);
    }
    if (!c.Keep) c.Keep = StartGuiApplication();
    if (style.FontName.empty()) style.FontName = gui::FirstFontFamily();
    geometry::AddTextLabel(c.Ws, *x, *y, text, style, gui::QtTextMeasure());
    return Done();
}

} // namespace ferrovane::cli

#endif // FERROVANE_HAVE_QTRENDER
