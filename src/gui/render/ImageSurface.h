#pragma once

#include <QImage>
#include <QPainter>

#include "gui/render/PainterSurface.h"

namespace ferrovane::gui {

// A retained image: the off-screen board, the visible board, the print preview.
class ImageSurface : public PainterSurface {
public:
    ImageSurface() = default;
    ImageSurface(int w, int h) { Resize(w, h); }
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    bool Resize(int w, int h) override;
    int PixelWidth() const override { return mImage.width(); }
    int PixelHeight() const override { return mImage.height(); }

    // The image as drawn so far (drawing is immediate, so it is always complete).
    const QImage& Image() const { return mImage; }
    // Ends the painter, e.g. before the image is written or shown elsewhere.
    void Flush();

protected:
    QPainter& Painter() override;

private:
    QImage mImage;
    QPainter mPainter;
};

// A surface over a painter that the caller has begun on any device (the printer):
// drawing goes straight to it, and its size is the device's.
class DeviceSurface : public PainterSurface {
public:
    explicit DeviceSurface(QPainter& painter) : mPainter(painter) {}
    bool Resize(int w, int h) override { return w == PixelWidth() && h == PixelHeight(); }
    int PixelWidth() const override;
    int PixelHeight() const override;

protected:
    QPainter& Painter() override { return mPainter; }

private:
    QPainter& mPainter;
};

} // namespace ferrovane::gui
