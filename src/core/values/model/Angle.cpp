#include "core/values/model/Angle.h"

#include <cmath>

namespace ferrovane::model {

namespace {

float Step(float a) {
    if (a > 360.0f) return a - 360.0f;
    if (a <= 0.0f) return a + 360.0f;
    return a;
}

constexpr double Root3 = 1.7320508;
constexpr double Root2 = 1.41421356;

// Exact values at the table angles; returns false for any other angle.
bool TableSin(float a, double& out) {
    if (a == 30.0f)
        out = 1.0 / 2;
    else if (a == 45.0f)
        out = 1.0 / Root2;
    else if (a == 60.0f)
        out = Root3 / 2;
    else if (a == 90.0f)
        out = 1.0;
    else if (a == 120.0f)
        out = Root3 / 2;
    else if (a == 135.0f)
        out = 1.0 / Root2;
    else if (a == 150.0f)
        out = 1.0 / 2;
    else if (a == 180.0f)
        out = 0.0;
    else if (a == 210.0f)
        out = -1.0 / 2;
    else if (a == 225.0f)
        out = -1.0 / Root2;
    else if (a == 240.0f)
        out = -Root3 / 2;
    else if (a == 270.0f)
        out = -1.0;
    else if (a == 300.0f)
        out = -Root3 / 2;
    else if (a == 315.0f)
        out = -1.0 / Root2;
    else if (a == 330.0f)
        out = -1.0 / 2;
    else
        return false;
    return true;
}

bool TableCos(float a, double& out) {
    if (a == 30.0f)
        out = Root3 / 2;
    else if (a == 45.0f)
        out = 1.0 / Root2;
    else if (a == 60.0f)
        out = 1.0 / 2;
    else if (a == 90.0f)
        out = 0.0;
    else if (a == 120.0f)
        out = -1.0 / 2;
    else if (a == 135.0f)
        out = -1.0 / Root2;
    else if (a == 150.0f)
        out = -Root3 / 2;
    else if (a == 180.0f)
        out = -1.0;
    else if (a == 210.0f)
        out = -Root3 / 2;
    else if (a == 225.0f)
        out = -1.0 / Root2;
    else if (a == 240.0f)
        out = -1.0 / 2;
    else if (a == 270.0f)
        out = 0.0;
    else if (a == 300.0f)
        out = 1.0 / 2;
    else if (a == 315.0f)
        out = 1.0 / Root2;
    else if (a == 330.0f)
        out = Root3 / 2;
    else if (a == 360.0f)
        out = 1.0;
    else
        return false;
    return true;
}

} // namespace

float NormalizeAngle(float a) {
    return Step(Step(a));
}

float SinDeg(float& a) {
    a = NormalizeAngle(a);
    double v;
    if (TableSin(a, v)) return static_cast<float>(v);
    return static_cast<float>(std::sin(static_cast<double>(a) * LegacyPi / 180.0));
}

float CosDeg(float& a) {
    a = NormalizeAngle(a);
    double v;
    if (TableCos(a, v)) return static_cast<float>(v);
    return static_cast<float>(std::cos(static_cast<double>(a) * LegacyPi / 180.0));
}

} // namespace ferrovane::model
