#include "gui/render/ImageSurface.h"

namespace ferrovane::gui {

ImageSurface::~ImageSurface() {
    Flush();
}

bool ImageSurface::Resize(int w, int h) {
    Flush();
    if (w <= 0 || h <= 0) return false;
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull()) return false;
    image.fill(Qt::white);
    mImage = std::move(image);
    return true;
}

void ImageSurface::Flush() {
    if (mPainter.isActive()) mPainter.end();
}

QPainter& ImageSurface::Painter() {
    if (!mPainter.isActive()) {
        // An empty image cannot be painted on; give it one pixel so drawing stays safe.
        if (mImage.isNull()) {
            mImage = QImage(1, 1, QImage::Format_RGB32);
            mImage.fill(Qt::white);
        }
        mPainter.begin(&mImage);
        mPainter.setRenderHint(QPainter::Antialiasing, false);
        ForgetPainterState();
    }
    return mPainter;
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
