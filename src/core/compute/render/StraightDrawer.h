#pragma once

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// The closed quadrilateral C1-C2-C3-C4-C1, then the centre marker when asked for.
void DrawStraightRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                      bool centreMarker);

} // namespace ferrovane::render
