// The large layout the drawing benchmarks share.
#pragma once

#include <cmath>
#include <numbers>
#include <random>

#include "core/values/model/Layout.h"

namespace ferrovane::bench {

inline constexpr int ScatteredBoard = 12000;
inline constexpr int ScatteredRailTotal = 30000;

// 30,000 straights, curves and points scattered over a board of 12,000 by 12,000, each
// with the corners, arc data and middle point placement would store.
inline void FillScatteredLayout(model::Layout& layout) {
    layout.LayoutWidth = ScatteredBoard;
    layout.LayoutHeight = ScatteredBoard;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> pos(400, ScatteredBoard - 400);
    std::uniform_real_distribution<float> turn(0, 2 * std::numbers::pi_v<float>);
    for (int i = 0; i < ScatteredRailTotal; ++i) {
        model::Rail& r = layout.AppendRail();
        r.Valid = true;
        r.No = static_cast<std::int16_t>(i + 1);
        r.Name = i % 3 == 0 ? "S248" : i % 3 == 1 ? "C541-30" : "P186";
        r.Color = 0x800000 + (i % 3) * 0x40;
        r.Upper = i % 10 == 0;
        const float x = pos(random), y = pos(random), a = turn(random);
        const float dx = std::cos(a), dy = -std::sin(a), nx = -dy * 5, ny = dx * 5;
        switch (i % 3) {
        case 0: // straight of 248
            r.Kind = model::KindStraight;
            r.C1X = x + nx, r.C1Y = y + ny, r.C2X = x - nx, r.C2Y = y - ny;
            r.C3X = x + 248 * dx - nx, r.C3Y = y + 248 * dy - ny;
            r.C4X = x + 248 * dx + nx, r.C4Y = y + 248 * dy + ny;
            r.MidX = x + 124 * dx, r.MidY = y + 124 * dy;
            break;
        case 1: // curve of radius 541 over 30 degrees
        case 2: // point: through track and a diverging arc
            r.Kind = i % 3 == 1 ? model::KindCurve : model::KindPoint;
            r.Radius = 541;
            r.CenterX = x, r.CenterY = y;
            r.ArcStart = a, r.ArcSweep = std::numbers::pi_v<float> / 6;
            r.Dir = i % 2 == 0 ? 0 : 255;
            r.C1X = x + 536 * std::cos(a), r.C1Y = y - 536 * std::sin(a);
            r.C2X = x + 546 * std::cos(a), r.C2Y = y - 546 * std::sin(a);
            r.C3X = x + 546 * std::cos(a + 0.5f), r.C3Y = y - 546 * std::sin(a + 0.5f);
            r.C4X = x + 536 * std::cos(a + 0.5f), r.C4Y = y - 536 * std::sin(a + 0.5f);
            r.C5X = r.C3X + 10, r.C5Y = r.C3Y, r.C6X = r.C4X + 10, r.C6Y = r.C4Y;
            r.MidX = x + 541 * std::cos(a + 0.25f), r.MidY = y - 541 * std::sin(a + 0.25f);
            break;
        }
    }
}

} // namespace ferrovane::bench
