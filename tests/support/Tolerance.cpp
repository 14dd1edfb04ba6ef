#include "support/Tolerance.h"

#include <cmath>

namespace ferrovane::testing {

::testing::AssertionResult NearPoint(float x, float y, float ex, float ey, float tolerance) {
    if (std::fabs(x - ex) <= tolerance && std::fabs(y - ey) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << x << ", " << y << ") is not within " << tolerance
                                         << " of (" << ex << ", " << ey << ")";
}

float AngleDifference(float a, float b) {
    double d = std::fmod(static_cast<double>(a) - b, 360.0);
    if (d <= -180) d += 360;
    if (d > 180) d -= 360;
    return static_cast<float>(d);
}

::testing::AssertionResult NearAngle(float a, float b, float tolerance) {
    if (std::fabs(AngleDifference(a, b)) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << a << " degrees is not within " << tolerance << " of " << b << " degrees";
}

} // namespace ferrovane::testing
