#include "core/compute/render/TextLabelDrawer.h"
#include "core/values/format/Blanks.h"

#include <cmath>
#include <cstddef>

namespace ferrovane::render {

namespace {

// A float count taken to the nearest whole number, clamped to [0, 1e6].
int CountOf(float value) {
    if (!(value > 0)) return 0;
    if (value > 1e6f) return 1000000;
    return static_cast<int>(std::nearbyint(value));
}

std::size_t Utf8PrefixBytes(const std::string& text, int n) {
    std::size_t i = 0;
    for (int count = 0; count < n && i < text.size(); ++count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

} // namespace

std::string Utf8Prefix(const std::string& text, int n) {
    return text.substr(0, Utf8PrefixBytes(text, n));
}

std::string LabelFontName(const model::Rail& label) {
    return Utf8Prefix(label.Name, CountOf(label.Radius));
}

std::string LabelText(const model::Rail& label) {
    return document::TrimBlanks(
        label.Name.substr(Utf8PrefixBytes(label.Name, CountOf(label.Radius))));
}

Font LabelFont(const model::Rail& label) {
    return Font{LabelFontName(label), label.Length, label.Free0, label.Free1, true};
}

void DrawTextLabel(const DrawContext& context, int index, Colour colour, Surface& surface) {
    const model::Rail* label = context.ValidRailAt(index);
    if (label == nullptr) return;
    surface.SetFont(LabelFont(*label));
    const Colour previous = surface.ForeColor();
    surface.SetForeColor(colour);
    surface.CurrentX = label->C1X - context.Origin.Left;
    surface.CurrentY = label->C1Y - context.Origin.Top;
    std::string text = LabelText(*label);
    if (label->Angle > 0) text = Utf8Prefix(text, CountOf(label->Angle));
    surface.Print(text);
    surface.SetForeColor(previous);
}

} // namespace ferrovane::render
