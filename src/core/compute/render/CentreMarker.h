#pragma once

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// The small full circle of radius RailCenter about the rail's middle point.
void DrawCentreMarker(const DrawContext& context, const model::Rail& rail, Colour colour,
                      Surface& surface);

} // namespace ferrovane::render
