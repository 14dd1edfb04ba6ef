#include "core/compute/geometry/HitTest.h"

#include <cmath>

#include "core/values/model/Layout.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::geometry {

namespace {

// A cell value as a grid coordinate; out-of-range values (a pointer far off the board)
// become a coordinate no grid has.
std::int64_t CellCoordinate(float cell, std::int32_t origin) {
    const double v = static_cast<double>(cell) - origin;
    if (!(v > -1.0e9 && v < 1.0e9)) return -1;
    return static_cast<std::int64_t>(std::floor(v));
}

bool InWindow(float fx, float fy, float mx, float my, float range) {
    return std::fabs(fx - mx) < range && std::fabs(fy - my) < range;
}

struct Feature {
    char Letter;
    int End; // -1 for the middle point
    std::int16_t Status;
};

// The order in which features are tested: middle points win over any end.
constexpr Feature Features[] = {
    {'O', -1, DetectMiddle}, {'S', 0, DetectEnd0}, {'E', 1, DetectEnd1}, {'F', 2, DetectEnd2}};

} // namespace

Hit HitTest(const model::Layout& layout, float mouseX, float mouseY, float cellX, float cellY,
            float range) {
    const model::RailIndex& index = layout.Index;
    if (index.Empty()) return {};
    const std::int64_t ci = CellCoordinate(cellX, index.OriginX);
    const std::int64_t cj = CellCoordinate(cellY, index.OriginY);
    // Testing letter by letter over the nine cells in collection order is the same as
    // collecting four lists first and testing them in turn.
    for (const Feature& feature : Features) {
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const auto* cell = index.At(ci + dx, cj + dy);
                if (!cell) continue;
                for (const model::IndexToken& token : *cell) {
                    if (token.Letter != feature.Letter) continue;
                    if (token.Rail < 0 || token.Rail > layout.RailCount) continue;
                    const model::Rail& r = layout.Rails[token.Rail];
                    const int e = feature.End;
                    const float fx = e < 0 ? r.MidX : r.X(e);
                    const float fy = e < 0 ? r.MidY : r.Y(e);
                    if (!InWindow(fx, fy, mouseX, mouseY, range)) continue;
                    Hit hit;
                    hit.Status = feature.Status;
                    hit.Rail = static_cast<std::int16_t>(token.Rail);
                    if (e >= 0) {
                        hit.End = static_cast<std::uint8_t>(e);
                        hit.X = fx;
                        hit.Y = fy;
                        hit.Angle = r.EndAngle(e);
                    }
                    return hit;
                }
            }
        }
    }
    return {};
}

} // namespace ferrovane::geometry
