#pragma once

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// The preview slot in the next-rail colour, every other rail in the highlight colour
// while highlighting, else in its own colour.
Colour GetRailColor(const DrawContext& context, int index);

} // namespace ferrovane::render
