#include "core/compute/render/CentreMarker.h"

namespace ferrovane::render {

void DrawCentreMarker(const DrawContext& context, const model::Rail& rail, Colour colour,
                      Surface& surface) {
    float start = 0;
    float end = 0;
    DrawArc(surface, context.Origin, {rail.MidX, rail.MidY}, context.Settings.RailCenter, colour,
            start, end, false);
}

} // namespace ferrovane::render
