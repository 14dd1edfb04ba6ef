#include "core/compute/render/FlexPreviewDrawer.h"

#include "core/compute/render/FlexDrawer.h"

namespace ferrovane::render {

namespace {

model::Point P(geometry::FlexPoint p) {
    return {p.X, p.Y};
}

} // namespace

void DrawFlexEndMark(Surface& surface, const ViewOrigin& origin, geometry::FlexPoint at,
                     float radius, Colour colour) {
    surface.Arc({at.X - origin.Left, at.Y - origin.Top}, radius, colour, 0, 0);
}

void DrawFlexPreview(Surface& surface, const ViewOrigin& origin,
                     const geometry::FlexPreviewShape& shape, int divides) {
    const int previousWidth = surface.DrawWidth();
    surface.SetDrawWidth(shape.PenWidth);
    const Colour c = shape.Color;
    DrawFlexEndMark(surface, origin, shape.Start, shape.HandleRadius, c);
    DrawFlexEndMark(surface, origin, shape.End, shape.HandleRadius, c);
    DrawLine(surface, origin, P(shape.Start), P(shape.Ctl1), c);
    DrawLine(surface, origin, P(shape.End), P(shape.Ctl2), c);
    DrawFlexEndMark(surface, origin, shape.Ctl1, shape.HandleRadius, c);
    DrawFlexEndMark(surface, origin, shape.Ctl2, shape.HandleRadius, c);
    DrawFlexCurve(surface, origin, P(shape.Start), P(shape.Ctl1), P(shape.Ctl2), P(shape.End),
                  shape.HalfWidth, divides, c);
    surface.SetDrawWidth(previousWidth);
}

} // namespace ferrovane::render
