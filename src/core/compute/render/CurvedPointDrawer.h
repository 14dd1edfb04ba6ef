#pragma once

#include <optional>

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// The geometry a curved point's direction code gives: the stub vector that shifts
// the second track from the first, and the curve direction both tracks turn as.
struct CurvedPointShape {
    model::Point Stub;
    int CurveDir = 0;
};

// nullopt for a code outside 100..105 (no stub, no arcs).
std::optional<CurvedPointShape> CurvedPointShapeOf(const model::Rail& rail);

// Centre marker first, then both tracks' edge arcs, then the stub lines and the end
// lines C1-C2, C3-C4 and C5-C6.
void DrawCurvedPointRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                         bool centreMarker);

} // namespace ferrovane::render
