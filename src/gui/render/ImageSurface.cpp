#include "gui/render/ImageSurface.h"

#include <cmath>
#include <cstdint>

#include "core/compute/render/BackScreenSize.h"

namespace ferrovane::gui {

namespace {

// Physical pixels along a side of w device-independent pixels: enough to cover it.
std::int64_t PhysicalPixels(int w, double ratio) {
    return static_cast<std::int64_t>(std::ceil(static_cast<double>(w) * ratio - 1e-9));
}

bool UsableRatio(double ratio) {
    return std::isfinite(ratio) && ratio >= 1.0 && ratio <= 16.0;
}

} // namespace

ImageSurface::~ImageSurface() {
    Flush();
}

bool ImageSurface::Make(int w, int h, double ratio) {
    const std::int64_t pw = PhysicalPixels(w, ratio), ph = PhysicalPixels(h, ratio);
    // Past the cap the extra sharpness is not worth the memory: one pixel per pixel.
    constexpr std::int64_t limit = render::MaxBackScreenBytes / render::BackScreenBytesPerPixel;
    if (ratio != 1.0 && (pw > limit || ph > limit || pw * ph > limit)) return false;
    QImage image(static_cast<int>(pw), static_cast<int>(ph), QImage::Format_RGB32);
    if (image.isNull()) return false;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    mImage = std::move(image);
    mWidth = w;
    mHeight = h;
    mRatio = ratio;
    return true;
}

bool ImageSurface::Resize(int w, int h) {
    Flush();
    if (w <= 0 || h <= 0) return false;
    return (mWantedRatio != 1.0 && Make(w, h, mWantedRatio)) || Make(w, h, 1.0);
}

bool ImageSurface::SetDevicePixelRatio(double ratio) {
    if (!UsableRatio(ratio)) ratio = 1.0;
    if (ratio == mWantedRatio) return false;
    mWantedRatio = ratio;
    if (mImage.isNull()) return false;
    const double before = mRatio;
    Flush();
    Resize(mWidth, mHeight);
    return mRatio != before;
}

void ImageSurface::Flush() {
    if (mPainter.isActive()) {
        DrawPending();
        mPainter.end();
    }
}

QPainter& ImageSurface::Painter() {
    if (!mPainter.isActive()) {
        // An empty image cannot be painted on; give it one pixel so drawing stays safe.
        if (mImage.isNull()) Make(1, 1, 1.0);
        mPainter.begin(&mImage);
        ForgetPainterState();
        mPainter.setRenderHint(QPainter::Antialiasing, Smooth());
        mPainter.setWorldTransform(QTransform::fromTranslate(-PixelOriginX(), -PixelOriginY()));
    }
    return mPainter;
}

QImage* ImageSurface::DirectImage() {
    Painter(); // what the painter holds back is drawn first, in order
    return mImage.format() == QImage::Format_RGB32 ? &mImage : nullptr;
}

int DeviceSurface::PixelWidth() const {
    const QPaintDevice* device = mPainter.device();
    return device != nullptr ? device->width() : 0;
}

int DeviceSurface::PixelHeight() const {
    const QPaintDevice* device = mPainter.device();
    return device != nullptr ? device->height() : 0;
}

} // namespace ferrovane::gui
