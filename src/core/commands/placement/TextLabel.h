#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/compute/render/Surface.h"
#include "core/values/model/Rail.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::geometry {

// How a new label is written: the choices of the text-label window.
struct LabelStyle {
    std::string FontName;
    float Size = 12;
    bool Bold = false, Italic = false;
    std::int32_t Color = 0;
};

// The extent of a text in the font, in layout units at one layout unit per pixel. The
// front end measures with the same text engine that draws.
using TextMeasure = std::function<render::TextExtent(const render::Font&, const std::string&)>;

// Columns a text takes in a fixed-pitch font: half-width characters 1, the rest 2.
int HalfWidthLength(const std::string& utf8);

// Longest label text, in half-width columns.
inline constexpr int LabelTextLimit = 80;

// Whether a label may hold the text: something besides blanks, and no longer than
// LabelTextLimit as stored.
bool LabelTextFits(const std::string& text);

// The label record with its top-left corner at (x, y): font name and text in Name, the
// measured extent in the corners C1 (top-left), C2, C3, C4 clockwise, its centre as the
// middle point the hit test finds. No is left 0 (the preview slot). Blanks around the
// text are dropped, as the label never shows them.
model::Rail MakeTextLabel(float x, float y, const std::string& text, const LabelStyle& style,
                          const TextMeasure& measure);

// Lays a label at (x, y) as the next rail, one undo action. Refused (false, nothing
// changed) when the text does not fit, the size is not a positive number, or the layout
// is full.
bool AddTextLabel(app::Workspace& ws, float x, float y, const std::string& text,
                  const LabelStyle& style, const TextMeasure& measure);

} // namespace ferrovane::geometry
