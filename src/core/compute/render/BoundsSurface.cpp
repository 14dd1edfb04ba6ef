#include "core/compute/render/BoundsSurface.h"

#include <cmath>
#include <numbers>

namespace ferrovane::render {

namespace {

constexpr double Pi = std::numbers::pi;
// A point size in layout units at one unit per pixel, with room for the line height
// and for glyphs wider than their size.
constexpr float TextUnitsPerPoint = 2.0f;

int CodePoints(const std::string& text) {
    int n = 0;
    for (unsigned char c : text)
        n += (c & 0xC0) != 0x80;
    return n;
}

} // namespace

void BoundsSurface::DrawSegment(model::Point p, model::Point q, Colour) {
    Box.Add(p.X, p.Y);
    Box.Add(q.X, q.Y);
}

void BoundsSurface::AddArc(model::Point c, float radius, double start, double sweep) {
    if (!(radius > 0) || !std::isfinite(radius)) return;
    const auto at = [&](double a) {
        Box.Add(static_cast<float>(c.X + radius * std::cos(a)),
                static_cast<float>(c.Y - radius * std::sin(a)));
    };
    if (std::abs(sweep) >= 2 * Pi - 1e-9) {
        Box.Add(c.X - radius, c.Y - radius);
        Box.Add(c.X + radius, c.Y + radius);
        return;
    }
    // The ends, and every quarter turn the sweep passes.
    double from = sweep >= 0 ? start : start + sweep;
    const double to = from + std::abs(sweep);
    at(from);
    at(to);
    for (double q = std::ceil(from / (Pi / 2)) * (Pi / 2); q < to; q += Pi / 2)
        at(q);
}

void BoundsSurface::Arc(model::Point c, float radius, Colour, float start, float end) {
    double sweep = static_cast<double>(end) - start;
    if (start == end) sweep = 2 * Pi;
    if (sweep < 0) sweep += 2 * Pi;
    AddArc(c, radius, start, sweep);
}

void BoundsSurface::Fill(const std::vector<Contour>& region, Colour) {
    for (const Contour& contour : region) {
        for (const ContourStep& step : contour) {
            if (step.IsArc)
                AddArc(step.Centre, step.Radius, step.Start, step.Sweep);
            else
                Box.Add(step.To.X, step.To.Y);
        }
    }
}

void BoundsSurface::Print(const std::string& text) {
    if (text.empty()) return;
    const TextExtent e = MeasureText(text);
    Box.Add(CurrentX - e.Height, CurrentY - e.Height);
    Box.Add(CurrentX + e.Width + e.Height, CurrentY + 2 * e.Height);
}

TextExtent BoundsSurface::MeasureText(const std::string& text) const {
    const float size = std::abs(GetFont().Size) * TextUnitsPerPoint;
    return {size * static_cast<float>(CodePoints(text)), size};
}

} // namespace ferrovane::render
