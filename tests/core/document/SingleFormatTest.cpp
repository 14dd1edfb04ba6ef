#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "core/values/format/ListDirected.h"

using ferrovane::document::FormatSingle;
using ferrovane::document::ListReader;

TEST(LayoutSingleFormat, SevenDigitsNoTrailingZerosExponentOnlyAtTheEnds) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {0.0f, "0"},
        {-0.0f, "0"},
        {0.1f, "0.1"},
        {0.5f, "0.5"},
        {2.5f, "2.5"},
        {100.0f, "100"},
        {-140.0f, "-140"},
        {248.0f, "248"},
        {360.0f, "360"},
        {0.7071068f, "0.7071068"},
        {-0.7071068f, "-0.7071068"},
        {1.570796f, "1.570796"},
        {3.14159265f, "3.141593"},
        {1.0000001f, "1"},
        {872.5f, "872.5"},
        {1234.567f, "1234.567"},
        {-29999.5f, "-29999.5"},
        {0.0001f, "0.0001"},
        {0.00012345f, "0.00012345"},
        {1e-5f, "1E-05"},
        {-1.5e-5f, "-1.5E-05"},
        {1.234567e-7f, "1.234567E-07"},
        {1234567.0f, "1234567"},
        {9999999.0f, "9999999"},
        {1e7f, "1E+07"},
        {12345678.0f, "1.234568E+07"},
        {-2.5e9f, "-2.5E+09"},
        {1e15f, "1E+15"},
        {std::numeric_limits<float>::max(), "3.402823E+38"},
        {std::numeric_limits<float>::denorm_min(), "1E-45"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSingle(c.value), c.text) << c.text;
}

TEST(LayoutSingleFormat, WrittenTextReadsBackStably) {
    // Writing any Single and reading it back may round to 7 digits once; after that the
    // value and its text no longer change.
    std::uint32_t bits = 0x3F800001u;
    for (int i = 0; i < 20000; ++i) {
        bits = bits * 1664525u + 1013904223u;
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value)) continue;
        const auto read = [](const std::string& text) {
            ListReader reader(text);
            float v = 0;
            EXPECT_TRUE(reader.ReadSingle(v)) << text;
            return v;
        };
        const std::string first = FormatSingle(value);
        const float back = read(first);
        const std::string second = FormatSingle(back);
        const float back2 = read(second);
        EXPECT_EQ(back2, back) << first << " / " << second;
        EXPECT_EQ(FormatSingle(back2), second);
        EXPECT_LE(std::fabs(back - value),
                  std::max(std::fabs(value) * 6e-7f, std::numeric_limits<float>::denorm_min()))
            << first;
    }
}
