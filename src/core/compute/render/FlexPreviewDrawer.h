#pragma once

#include "core/compute/geometry/FlexGeometry.h"
#include "core/compute/render/Primitives.h"

namespace ferrovane::render {

// A small circle marking a chosen end of the flexible rail being laid.
void DrawFlexEndMark(Surface& surface, const ViewOrigin& origin, geometry::FlexPoint at,
                     float radius, Colour colour);

// The flexible rail being shaped, all in the preview's colour and pen width: the marks
// at both ends, the lines from each end to its control point, a circle about each
// control point (the handles the user drags) and the track along the curve.
void DrawFlexPreview(Surface& surface, const ViewOrigin& origin,
                     const geometry::FlexPreviewShape& shape, int divides);

} // namespace ferrovane::render
