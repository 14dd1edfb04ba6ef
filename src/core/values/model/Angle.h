#pragma once

namespace ferrovane::model {

// One correction step applied twice: inputs within (-720, 1080) end in (0, 360].
float NormalizeAngle(float a);

// Sine and cosine in degrees. The argument is normalised in place (the caller's
// variable is updated); multiples of 30 and 45 degrees give exact table values,
// everything else uses the constant 3.1415 for pi, as stored layouts expect.
float SinDeg(float& a);
float CosDeg(float& a);

// By-value conveniences for callers that do not need the normalised argument.
inline float SinDegOf(float a) {
    return SinDeg(a);
}
inline float CosDegOf(float a) {
    return CosDeg(a);
}

inline constexpr double LegacyPi = 3.1415;

} // namespace ferrovane::model
