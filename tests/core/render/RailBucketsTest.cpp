#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/compute/render/RailBuckets.h"

namespace ferrovane::render {
namespace {

DrawnBox Box(float x0, float y0, float x1, float y1) {
    DrawnBox b;
    b.Add(x0, y0);
    b.Add(x1, y1);
    return b;
}

bool Meet(const DrawnBox& a, const DrawnBox& b) {
    return a.MinX <= b.MaxX && b.MinX <= a.MaxX && a.MinY <= b.MaxY && b.MinY <= a.MaxY;
}

// Whatever the boxes and the area, every box meeting the area is among the rails found,
// and they come in ascending order, each once.
TEST(RailBuckets, FindsEveryRailMeetingTheAreaInDrawingOrder) {
    std::mt19937 rng(17);
    std::uniform_real_distribution<float> at(-30000, 60000), size(0, 600), big(0, 40000);
    for (const bool withGiants : {false, true}) {
        std::vector<DrawnBox> boxes(1); // rail 0 draws nothing
        for (int i = 1; i <= 3000; ++i) {
            if (i % 97 == 0) {
                boxes.emplace_back(); // a deleted rail
                continue;
            }
            const float x = at(rng), y = at(rng);
            const float w = withGiants && i % 50 == 0 ? big(rng) : size(rng);
            boxes.push_back(Box(x, y, x + w, y + size(rng)));
        }
        const RailBuckets buckets(boxes);
        for (int q = 0; q < 200; ++q) {
            const float x = at(rng) - 5000, y = at(rng) - 5000;
            const float w = q % 10 == 0 ? 100000 : size(rng) * 4;
            const DrawnBox area = Box(x, y, x + w, y + w);
            const std::vector<int> near = buckets.Near(area);
            ASSERT_TRUE(std::is_sorted(near.begin(), near.end()));
            ASSERT_TRUE(std::adjacent_find(near.begin(), near.end()) == near.end());
            for (std::size_t i = 1; i < boxes.size(); ++i) {
                const bool found =
                    std::binary_search(near.begin(), near.end(), static_cast<int>(i));
                if (boxes[i].Empty()) {
                    ASSERT_FALSE(found) << "rail " << i;
                } else if (Meet(boxes[i], area)) {
                    ASSERT_TRUE(found) << "rail " << i << " query " << q;
                }
            }
        }
    }
}

TEST(RailBuckets, NothingToFindOnAnEmptyBoard) {
    const DrawnBox area = Box(0, 0, 100, 100);
    EXPECT_TRUE(RailBuckets().Near(area).empty());
    EXPECT_TRUE(RailBuckets(std::vector<DrawnBox>(5)).Near(area).empty());
    EXPECT_TRUE(RailBuckets({DrawnBox{}, Box(0, 0, 1, 1)}).Near(DrawnBox{}).empty());
}

} // namespace
} // namespace ferrovane::render
