#pragma once

#include <QImage>
#include <QPainter>

#include "gui/render/PainterSurface.h"

namespace ferrovane::gui {

// A retained image: the off-screen board, the visible board, the print preview.
// Its size is in device-independent pixels, the board's pixel; on a high-density
// screen the image holds ratio times as many physical pixels each way, so the board
// keeps its size and stays sharp while every layout computation stays unchanged.
class ImageSurface : public PainterSurface {
public:
    ImageSurface() = default;
    ImageSurface(int w, int h) { Resize(w, h); }
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    bool Resize(int w, int h) override;
    int PixelWidth() const override { return mWidth; }
    int PixelHeight() const override { return mHeight; }

    // Physical pixels per device-independent pixel (1 unless set). A change remakes
    // the image white at the same size, so the caller redraws; true when it changed.
    // An image whose physical pixels would pass the off-screen size cap, or cannot be
    // made, stays at ratio 1.
    bool SetDevicePixelRatio(double ratio);
    double DevicePixelRatio() const override { return mRatio; }

    // The image as drawn so far (drawing is immediate, so it is always complete).
    const QImage& Image() const { return mImage; }
    // Ends the painter, e.g. before the image is written or shown elsewhere.
    void Flush();

protected:
    QPainter& Painter() override;
    QImage* DirectImage() override;

private:
    bool Make(int w, int h, double ratio);

    QImage mImage;
    QPainter mPainter;
    int mWidth = 0;
    int mHeight = 0;
    double mRatio = 1.0;       // of the image as made
    double mWantedRatio = 1.0; // as asked for; the cap may hold the image at 1
};

// A surface over a painter that the caller has begun on any device (the printer):
// drawing goes straight to it, and its size is the device's.
class DeviceSurface : public PainterSurface {
public:
    explicit DeviceSurface(QPainter& painter) : mPainter(painter) {}
    bool Resize(int w, int h) override { return w == PixelWidth() && h == PixelHeight(); }
    int PixelWidth() const override;
    int PixelHeight() const override;
    // Device pixels per pen pixel: on paper a pen pixel is a fixed length, so that a line
    // is as thick on a 1200-dot printer as in a PDF.
    void SetPenRatio(double ratio) { mPenRatio = ratio > 0 ? ratio : 1.0; }
    double DevicePixelRatio() const override { return mPenRatio; }

protected:
    QPainter& Painter() override { return mPainter; }

private:
    QPainter& mPainter;
    double mPenRatio = 1.0;
};

} // namespace ferrovane::gui
