#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>

#include "core/render/Surface.h"

namespace ferrovane::gui {

// QColor from a layout colour (red in the low byte).
QColor ToQColor(render::Colour colour);

// A drawing surface over a QPainter: layout units are divided by the scale to give
// device pixels, pens are cosmetic and as wide as asked in device pixels, drawing is
// not anti-aliased. Subclasses provide the painter: an image of their own, or a
// device such as the printer whose painter someone else runs.
class PainterSurface : public render::Surface {
public:
    void Arc(render::PointF c, float radius, render::Colour colour, float start,
             float end) override;
    void Fill(const std::vector<render::Contour>& region, render::Colour colour) override;
    void SetFont(const render::Font& font) override;
    void Print(const std::string& text) override;
    render::TextExtent MeasureText(const std::string& text) const override;
    void Clear() override;
    // Copies from an ImageSurface; other sources leave this surface white.
    void CopyFrom(const render::Surface& source, int sx, int sy) override;

protected:
    virtual QPainter& Painter() = 0;
    // The painter was (re)started: pen and font must be set again.
    void ForgetPainterState() { mPenValid = false; }
    void DrawSegment(render::PointF p, render::PointF q, render::Colour colour) override;

private:
    void UsePen(render::Colour colour);
    QFont DeviceFont() const;

    bool mPenValid = false;
    render::Colour mPenColour = 0;
    int mPenWidth = 0;
};

} // namespace ferrovane::gui
