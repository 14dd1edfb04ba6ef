#pragma once

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// Whether a kind is drawn with its centre marker on the screen surfaces: every drawn
// kind except the further members of a rail-box group (and text labels).
bool KindHasCentreMarker(int kind);

// Draws one rail by its kind. onScreen: the board or the off-screen image, where
// centre markers are drawn; the print surfaces draw none.
void DrawRailByKind(const DrawContext& context, int index, Colour colour, Surface& surface,
                    bool onScreen);

} // namespace ferrovane::render
