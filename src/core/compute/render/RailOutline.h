#pragma once

#include <vector>

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// The closed outlines of a rail's interior on a surface with the context's origin: the
// quadrilateral of a straight, the annular sector of a curve, the through track of a
// point, both tracks of a curved point, the band of a flexible rail (one quadrilateral
// per segment). Empty for text labels, dead rails and kinds that draw nothing.
std::vector<Contour> RailOutline(const DrawContext& context, int index);

// Paints the rail's interior solid in the colour. Filling the outline itself keeps the
// paint on the rail even where its drawn edges are open or leave the visible window.
void FillRail(const DrawContext& context, int index, Colour colour, Surface& surface);

} // namespace ferrovane::render
