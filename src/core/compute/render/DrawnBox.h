#pragma once

#include <algorithm>

namespace ferrovane::render {

// A box in layout units around what a drawing puts on a surface; empty until
// something is added.
struct DrawnBox {
    float MinX = 1;
    float MinY = 1;
    float MaxX = 0;
    float MaxY = 0;

    bool Empty() const { return !(MinX <= MaxX && MinY <= MaxY); }
    void Add(float x, float y) {
        if (Empty()) {
            MinX = MaxX = x;
            MinY = MaxY = y;
            return;
        }
        MinX = std::min(MinX, x);
        MinY = std::min(MinY, y);
        MaxX = std::max(MaxX, x);
        MaxY = std::max(MaxY, y);
    }
    void Add(const DrawnBox& other) {
        if (other.Empty()) return;
        Add(other.MinX, other.MinY);
        Add(other.MaxX, other.MaxY);
    }
    bool operator==(const DrawnBox&) const = default;
};

} // namespace ferrovane::render
