#pragma once

#include <QFont>
#include <string>

#include "core/commands/placement/TextLabel.h"
#include "core/compute/render/Surface.h"

namespace ferrovane::gui {

// The QFont that draws a surface font at the surface's scale (layout units per pixel).
// Board text is sized in pixels so that it zooms with the board; overlay text keeps its
// point size.
QFont ToQFont(const render::Font& font, double unitsPerPixel);

// The text's advance and line height in the font, in layout units at that scale.
render::TextExtent MeasureQtText(const render::Font& font, const std::string& text,
                                 double unitsPerPixel);

// Measures as the drawing surfaces draw at one layout unit per pixel. Needs a
// QGuiApplication while it is used.
geometry::TextMeasure QtTextMeasure();

// The first family of the font database, the label font when none is chosen; empty
// when the system has no fonts.
std::string FirstFontFamily();

} // namespace ferrovane::gui
