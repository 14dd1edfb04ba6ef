#pragma once

#include <string>

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// A text label keeps its font name and its text in Name: the first Radius characters
// are the font name, the rest (trimmed) the text. Characters are code points.
std::string LabelFontName(const model::Rail& label);
std::string LabelText(const model::Rail& label);
// The label's font: that name, size Length, bold Free0, italic Free1.
Font LabelFont(const model::Rail& label);

// The first n code points of a UTF-8 string (all of it when shorter).
std::string Utf8Prefix(const std::string& text, int n);

// Writes the label's text with its top-left corner at C1 in the colour, then puts the
// surface's previous text colour back. A positive Angle limits the characters written.
void DrawTextLabel(const DrawContext& context, int index, Colour colour, Surface& surface);

} // namespace ferrovane::render
