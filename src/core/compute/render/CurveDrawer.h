#pragma once

#include <optional>
#include <utility>

#include "core/compute/render/DrawContext.h"

namespace ferrovane::render {

// Direction codes of a curve's arc.
inline constexpr int CurveIncreasing = 0;
inline constexpr int CurveDecreasing = 255;

// The start and end angle (radians, not yet normalised) of an arc that starts at
// arcStart and sweeps arcSweep, turning as a curve of direction dir; nullopt for a
// direction that draws no arc.
std::optional<std::pair<float, float>> CurveArcAngles(int dir, float arcStart, float arcSweep);

// The inner and outer edge arcs about centre over [a, b], radii radius -/+ RailWidth.
void DrawTrackArcs(const DrawContext& context, model::Point centre, float radius, Colour colour,
                   Surface& surface, float& a, float& b);

// Both edge arcs, the end lines C1-C2 and C3-C4, then the centre marker when asked for.
void DrawCurveRail(const DrawContext& context, int index, Colour colour, Surface& surface,
                   bool centreMarker);

} // namespace ferrovane::render
