#pragma once

#include "core/compute/render/DrawnBox.h"
#include "core/compute/render/Surface.h"

namespace ferrovane::render {

// A surface that draws nothing and keeps the box of everything drawn on it, in the
// coordinates given (layout units at scale 1). Lines count their end points, arcs the
// points of their sweep, text a generous box for its font size, so the box holds the
// drawing whatever font the screen has; pen widths are left to the caller's margin.
class BoundsSurface : public Surface {
public:
    bool Resize(int, int) override { return true; }
    int PixelWidth() const override { return 1; }
    int PixelHeight() const override { return 1; }
    void Arc(model::Point c, float radius, Colour colour, float start, float end) override;
    void Fill(const std::vector<Contour>& region, Colour colour) override;
    void Print(const std::string& text) override;
    TextExtent MeasureText(const std::string& text) const override;
    void Clear() override { Box = {}; }
    void CopyFrom(const Surface&, int, int) override {}

    DrawnBox Box;

protected:
    void DrawSegment(model::Point p, model::Point q, Colour colour) override;

private:
    void AddArc(model::Point c, float radius, double start, double sweep);
};

} // namespace ferrovane::render
