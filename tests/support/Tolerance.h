#pragma once

#include <gtest/gtest.h>

namespace ferrovane::testing {

// Coordinates are Single and the angle functions use a rounded pi, so computed
// geometry is compared within these tolerances.
inline constexpr float PointTolerance = 0.01f; // layout units
inline constexpr float AngleTolerance = 0.01f; // degrees

// (x, y) lies within `tolerance` of (ex, ey) on both axes.
::testing::AssertionResult NearPoint(float x, float y, float ex, float ey,
                                     float tolerance = PointTolerance);

// Angles a and b name the same direction (compared modulo 360) within `tolerance`.
::testing::AssertionResult NearAngle(float a, float b, float tolerance = AngleTolerance);

// a - b as a signed difference in (-180, 180].
float AngleDifference(float a, float b);

} // namespace ferrovane::testing
