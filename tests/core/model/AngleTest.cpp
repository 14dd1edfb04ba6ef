#include <cmath>

#include <gtest/gtest.h>

#include "core/values/model/Angle.h"

using namespace ferrovane::model;

TEST(NormalizeAngle, MapsIntoHalfOpenRange) {
    const struct {
        float in, out;
    } cases[] = {{0, 360}, {360, 360}, {-90, 270}, {450, 90}, {-719, 1}, {1079, 359}, {30, 30}};
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeAngle(c.in), c.out) << c.in;
}

TEST(SinCosDeg, TableValuesAndLegacyPi) {
    float a = 30;
    EXPECT_EQ(SinDeg(a), 0.5f);
    a = 0;
    EXPECT_EQ(CosDeg(a), 1.0f);
    EXPECT_EQ(a, 360.0f) << "the argument is written back normalised";
    a = 0;
    const float s0 = SinDeg(a);
    EXPECT_LT(s0, 0.0f);
    EXPECT_NEAR(s0, -0.000185f, 0.000005f);
    a = 31;
    EXPECT_EQ(SinDeg(a), static_cast<float>(std::sin(31.0 * 3.1415 / 180.0)));
    a = -45;
    EXPECT_EQ(CosDeg(a), static_cast<float>(1 / 1.41421356));
    EXPECT_EQ(a, 315.0f);
    a = 135;
    EXPECT_EQ(CosDeg(a), static_cast<float>(-1 / 1.41421356));
}
