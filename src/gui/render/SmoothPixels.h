#pragma once

#include <QImage>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>

// What the smoothed stroke writers share: blending a colour into an RGB32 image's pixels,
// the pixels they may write, and the coordinates they take.
namespace ferrovane::gui::smooth {

// Beyond this a stroke is left to the painter (no pixel index may overflow).
inline constexpr double CoordinateLimit = 1e7;

// colour * a + pixel * (256 - a), a of 256, both channels pairs at once.
inline QRgb Mix(QRgb colour, QRgb pixel, std::uint32_t a) {
    const std::uint32_t b = 256 - a;
    std::uint32_t t = (colour & 0xff00ff) * a + (pixel & 0xff00ff) * b;
    t = (t >> 8) & 0xff00ff;
    std::uint32_t u = ((colour >> 8) & 0xff00ff) * a + ((pixel >> 8) & 0xff00ff) * b;
    u &= 0xff00ff00;
    return 0xff000000 | u | t;
}

// floor and ceil as whole numbers, for values within CoordinateLimit (the library's
// functions are calls on the baseline instruction set, and these run per pixel).
inline long long Floor(double v) {
    const auto i = static_cast<long long>(v);
    return i - (v < static_cast<double>(i) ? 1 : 0);
}
inline long long Ceil(double v) {
    const auto i = static_cast<long long>(v);
    return i + (v > static_cast<double>(i) ? 1 : 0);
}

// Whether every value is a usable coordinate.
inline bool Near(std::initializer_list<double> values) {
    for (const double v : values)
        if (!(std::abs(v) < CoordinateLimit)) return false;
    return true;
}

// An RGB32 image holding the whole picture's pixels from an origin on, of which only
// those within a clip (whole picture pixels) may be written.
class PictureImage {
public:
    PictureImage(QImage& image, int originX, int originY, const QRect& clip)
        : mWritable(clip.intersected(QRect(originX, originY, image.width(), image.height()))),
          mStride(image.bytesPerLine()),
          mZero(image.bits() - static_cast<qsizetype>(originY) * mStride -
                static_cast<qsizetype>(originX) * 4) {}

    const QRect& Writable() const { return mWritable; }
    // The pixel (x, y) of the whole picture, which must be writable.
    QRgb& Pixel(long long x, long long y) const {
        return *reinterpret_cast<QRgb*>(mZero + y * mStride + x * 4);
    }
    // Blends colour into the writable pixels of one column (rowsAcross false: x = line,
    // the pixels down it) or one row (rowsAcross true: y = line), the stroke covering
    // from lo to hi across it. With pixel centres on whole numbers, pixel k spans k - 0.5
    // to k + 0.5 and takes the part of lo .. hi over it, times share(k) (0 to 1): how much
    // of it the stroke's ends leave. Only pixels from first to last are looked at.
    template <class Share>
    void Span(bool rowsAcross, long long line, double lo, double hi, long long first,
              long long last, QRgb colour, const Share& share) const {
        if (!(hi > lo) || !WritableAcross(rowsAcross, line, first, last)) return;
        first = std::max(first, Floor(lo + 0.5));
        last = std::min(last, Ceil(hi + 0.5) - 1);
        for (long long k = first; k <= last; ++k) {
            const double cover = std::min(hi, k + 0.5) - std::max(lo, k - 0.5);
            const double part = cover * share(k);
            if (!(part > 0)) continue;
            const auto a = static_cast<std::uint32_t>(std::min(part, 1.0) * 256.0 + 0.5);
            if (a == 0) continue;
            QRgb& p = rowsAcross ? Pixel(k, line) : Pixel(line, k);
            p = Mix(colour, p, a);
        }
    }

    // As Span for a stroke one pixel across, centred on `centre`, and no end near:
    // the two pixels the centre lies between share the coverage.
    void Pair(bool rowsAcross, long long line, double centre, long long first, long long last,
              QRgb colour) const {
        if (!WritableAcross(rowsAcross, line, first, last)) return;
        const long long k = Floor(centre);
        const auto lower =
            static_cast<std::uint32_t>((centre - static_cast<double>(k)) * 256.0 + 0.5);
        const auto blend = [&](long long at, std::uint32_t a) {
            if (at < first || at > last || a == 0) return;
            QRgb& p = rowsAcross ? Pixel(at, line) : Pixel(line, at);
            p = Mix(colour, p, a);
        };
        blend(k, 256 - lower);
        blend(k + 1, lower);
    }

private:
    // Narrows first .. last to the writable pixels across the line; false when none of
    // the line is writable.
    bool WritableAcross(bool rowsAcross, long long line, long long& first, long long& last) const {
        const QRect& w = mWritable;
        if (line < (rowsAcross ? w.top() : w.left()) ||
            line > (rowsAcross ? w.bottom() : w.right()))
            return false;
        first = std::max(first, static_cast<long long>(rowsAcross ? w.left() : w.top()));
        last = std::min(last, static_cast<long long>(rowsAcross ? w.right() : w.bottom()));
        return true;
    }

    QRect mWritable;
    qsizetype mStride;
    uchar* mZero; // where pixel (0, 0) of the whole picture would be
};

// How much of a pixel is left by a stroke's end: the pixel's centre lies `inside` pixels
// inside the end (negative beyond it); the pixel is half covered on the end itself.
inline double EndShare(double inside) {
    return std::clamp(inside + 0.5, 0.0, 1.0);
}

} // namespace ferrovane::gui::smooth
