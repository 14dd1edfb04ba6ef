#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <optional>

#include "core/compute/render/Surface.h"

namespace ferrovane::gui {

// QColor from a layout colour (red in the low byte).
QColor ToQColor(render::Colour colour);

// A drawing surface over a QPainter: layout units are divided by the scale to give
// device-independent pixels, pens are cosmetic and as wide as asked in
// device-independent pixels, drawing is anti-aliased only when smoothed. Subclasses provide the
// painter: an image of their own, or a device such as the printer whose painter someone else runs.
class PainterSurface : public render::Surface {
public:
    void Arc(model::Point c, float radius, render::Colour colour, float start, float end) override;
    void Fill(const std::vector<render::Contour>& region, render::Colour colour) override;
    void SetFont(const render::Font& font) override;
    void Print(const std::string& text) override;
    render::TextExtent MeasureText(const std::string& text) const override;
    void Clear() override;
    void ClearPixels(int x, int y, int w, int h) override;
    // Copies from an ImageSurface; other sources leave this surface white. Positions
    // are device-independent pixels; at equal ratios the physical pixels are copied
    // one to one.
    void CopyFrom(const render::Surface& source, int sx, int sy) override;
    // Physical pixels per device-independent pixel of the painted device.
    virtual double DevicePixelRatio() const { return 1.0; }
    // Moves the drawing by whole pixels (see Surface).
    void SetPixelOrigin(int x, int y) override;
    void ClipToPixels(int x, int y, int w, int h) override;
    void Unclip() override;
    void KeepOnlyPixels(int x, int y, int w, int h) override;
    void KeepAllPixels() override;
    // Lines, arcs and text anti-aliased; off draws lines and arcs aliased as before.
    void SetSmooth(bool smooth);
    bool Smooth() const { return mSmooth; }
    // The whole surface white, or an image put on it pixel for pixel at (x, y).
    void FillWhite();
    void PutImage(int x, int y, const QImage& image);

protected:
    virtual QPainter& Painter() = 0;
    // The image the painter draws on, when smoothed strokes may be written into it
    // directly (an RGB32 image of DevicePixelRatio physical pixels per pixel each way);
    // null otherwise.
    virtual QImage* DirectImage() { return nullptr; }
    // The painter was (re)started: pen and font must be set again, and the smoothing
    // and the pixel origin given to it.
    void ForgetPainterState();
    void DrawSegment(model::Point p, model::Point q, render::Colour colour) override;
    // Draws the thin lines and arcs held back to be drawn together (see Batching); to be
    // called before the painter ends.
    void DrawPending();

private:
    void UsePen(render::Colour colour);
    QFont DeviceFont() const;

    void ApplyOrigin(QPainter& painter) const;
    // Where a smoothed stroke of this pen is written straight into the image: the image,
    // its physical pixels per picture pixel, the picture's origin and clip and the pen's
    // width in its pixels, and how far odd pens move (in picture pixels). Empty when
    // the painter draws it; otherwise all held back is drawn first.
    struct DirectStroke {
        QImage& Image;
        int Ratio;
        int OriginX, OriginY;
        QRect Clip;
        int Width;
        double Shift;
    };
    static constexpr int MaxSmoothRatio = 4;
    // How far a line of this pen moves (picture pixels) at that pixel ratio to cover
    // the pixels it covers at one pixel per pixel.
    double PenShift(double ratio) const;
    std::optional<DirectStroke> SmoothStroke();
    static QRect Unclipped() { return {QPoint(-Far, -Far), QPoint(Far, Far)}; }
    // Whether a line or arc within these picture pixels may reach the kept pixels.
    bool MayReachKept(const QRectF& box) const;

    bool mPenValid = false;
    bool mSmooth = false;
    render::Colour mPenColour = 0;
    int mPenWidth = 0;
    double mPenRatio = 1.0;
    // Where an odd-width line of one pixel per pixel lies relative to its coordinate
    // (the pixel below and right of it), as a shift for denser images.
    double mPenShift = 0.0;
    // As given to ClipToPixels; unclipped, farther than any picture reaches.
    static constexpr int Far = 1'000'000'000;
    QRect mClip = Unclipped();
    bool mKeepingPart = false;
    QRectF mKept;          // the kept pixels grown by the widest reach of a pen
    QPainterPath mArcPath; // reused: an arc is drawn for nearly every rail
    // Whether thin lines and arcs are held back and drawn together, many per call.
    bool Batching() const;
    std::vector<QLineF> mPendingLines;
    QPainterPath mPendingArcs;
};

} // namespace ferrovane::gui
