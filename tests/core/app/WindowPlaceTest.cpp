#include <gtest/gtest.h>

#include "core/values/settings/WindowPlace.h"

namespace ferrovane::app {
namespace {

TEST(WindowPlaceTest, StoredTextReadsBackAndAnythingElseIsUnset) {
    const WindowPlace place{-1200, 40, 1024, 720};
    EXPECT_EQ(WindowPlaceFromText(WindowPlaceToText(place)), place);
    EXPECT_EQ(WindowPlaceToText(WindowPlace{}), "");
    for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "a,2,3,4", "1,2,0,4", "1,2,3,-4", "1, 2,3,4"})
        EXPECT_FALSE(WindowPlaceFromText(bad).IsSet()) << bad;
}

TEST(WindowPlaceTest, OpensOnAScreenThatIsThere) {
    const std::vector<WindowPlace> twoScreens = {{0, 0, 1920, 1040}, {1920, 0, 1280, 1000}};
    const struct {
        const char* what;
        WindowPlace stored;
        WindowPlace expected;
    } cases[] = {
        {"as it was", {100, 80, 1024, 720}, {100, 80, 1024, 720}},
        {"on the second screen", {2000, 50, 800, 600}, {2000, 50, 800, 600}},
        {"hanging over the right edge", {1700, 50, 800, 600}, {1120, 50, 800, 600}},
        {"larger than its screen", {1930, 10, 3000, 2000}, {1920, 0, 1280, 1000}},
        {"on an unplugged screen", {-1500, 200, 800, 600}, {0, 200, 800, 600}},
        {"far below", {300, 5000, 800, 600}, {300, 440, 800, 600}},
    };
    for (const auto& c : cases) {
        const auto fitted = FitOnScreens(c.stored, twoScreens);
        ASSERT_TRUE(fitted.has_value()) << c.what;
        EXPECT_EQ(*fitted, c.expected) << c.what;
    }
    EXPECT_FALSE(FitOnScreens(WindowPlace{}, twoScreens));
    EXPECT_FALSE(FitOnScreens({0, 0, 10, 10}, {}));
}

} // namespace
} // namespace ferrovane::app
