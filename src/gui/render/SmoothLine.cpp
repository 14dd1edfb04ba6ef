#include "gui/render/SmoothLine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>

namespace ferrovane::gui {

namespace {

// Beyond this the line is left to the painter (no pixel index may overflow).
constexpr double CoordinateLimit = 1e7;
// Positions across the line in 1/65536 pixel.
constexpr double FixedOne = 65536.0;

double Frac(double v) {
    return v - std::floor(v);
}

// colour * a + pixel * (256 - a), a of 256, both channels pairs at once.
QRgb Mix(QRgb colour, QRgb pixel, std::uint32_t a) {
    const std::uint32_t b = 256 - a;
    std::uint32_t t = (colour & 0xff00ff) * a + (pixel & 0xff00ff) * b;
    t = (t >> 8) & 0xff00ff;
    std::uint32_t u = ((colour >> 8) & 0xff00ff) * a + ((pixel >> 8) & 0xff00ff) * b;
    u &= 0xff00ff00;
    return 0xff000000 | u | t;
}

// The whole picture's pixels that may be written: the clip within the image.
QRect Writable(const QImage& image, int originX, int originY, const QRect& clip) {
    return clip.intersected(QRect(originX, originY, image.width(), image.height()));
}

bool Near(std::initializer_list<double> values) {
    for (const double v : values)
        if (!(std::abs(v) < CoordinateLimit)) return false;
    return true;
}

} // namespace

bool DrawSmoothLine(QImage& image, int originX, int originY, const QRect& clip, double x0,
                    double y0, double x1, double y1, QRgb colour) {
    if (!Near({x0, y0, x1, y1}) || image.format() != QImage::Format_RGB32) return false;
    const QRect area = Writable(image, originX, originY, clip);
    if (area.isEmpty()) return true;
    // Pixel centres on whole numbers; along the line "major", across it "minor".
    x0 -= 0.5, y0 -= 0.5, x1 -= 0.5, y1 -= 0.5;
    const bool steep = std::abs(y1 - y0) > std::abs(x1 - x0);
    if (steep) std::swap(x0, y0), std::swap(x1, y1);
    if (x0 > x1) std::swap(x0, x1), std::swap(y0, y1);
    // Square ends: half a pixel further on at both ends (a point becomes a pixel square).
    double dx = x1 - x0, dy = y1 - y0;
    const double length = std::hypot(dx, dy);
    const double ex = length > 0 ? 0.5 * dx / length : 0.5;
    const double ey = length > 0 ? 0.5 * dy / length : 0.0;
    x0 -= ex, y0 -= ey, x1 += ex, y1 += ey;
    dx = x1 - x0, dy = y1 - y0;
    const double gradient = dy / dx; // dx > 0 after the ends

    const int majorLo = steep ? area.top() : area.left();
    const int majorHi = steep ? area.bottom() : area.right();
    const int minorLo = steep ? area.left() : area.top();
    const int minorHi = steep ? area.right() : area.bottom();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    // Bytes from pixel to pixel along and across the line, and where (0, 0) would be.
    const qsizetype majorStep = steep ? stride : 4, minorStep = steep ? 4 : stride;
    uchar* const zero =
        bits - static_cast<qsizetype>(originY) * stride - static_cast<qsizetype>(originX) * 4;
    // Shares a column's coverage between the two pixels across the line at fixed
    // position y (1/65536 pixel), the column itself covered by `share` of 256.
    const auto column = [&](long long major, std::int64_t y, std::uint32_t share) {
        const std::int64_t minor = y >> 16;
        const auto f = static_cast<std::uint32_t>((y >> 8) & 0xff);
        const std::uint32_t upper = ((256 - f) * share) >> 8, lower = (f * share) >> 8;
        uchar* at = zero + major * majorStep + minor * minorStep;
        if (minor >= minorLo && minor <= minorHi) {
            auto* p = reinterpret_cast<QRgb*>(at);
            *p = Mix(colour, *p, upper);
        }
        if (minor + 1 >= minorLo && minor + 1 <= minorHi) {
            auto* p = reinterpret_cast<QRgb*>(at + minorStep);
            *p = Mix(colour, *p, lower);
        }
    };
    const auto endColumn = [&](long long major, std::int64_t y, std::uint32_t share) {
        if (major >= majorLo && major <= majorHi) column(major, y, share);
    };
    const auto fixed = [](double v) { return static_cast<std::int64_t>(std::floor(v * FixedOne)); };
    const auto share = [](double v) { return static_cast<std::uint32_t>(std::lround(v * 256.0)); };

    // The end columns are covered only as far as the line reaches into them.
    const double start = std::floor(x0 + 0.5), end = std::floor(x1 + 0.5);
    const double startY = y0 + gradient * (start - x0);
    endColumn(static_cast<long long>(start), fixed(startY), share(1.0 - Frac(x0 + 0.5)));
    if (end > start)
        endColumn(static_cast<long long>(end), fixed(y1 + gradient * (end - x1)),
                  share(Frac(x1 + 0.5)));

    // The columns between, only those the clip lets through: within its extent along
    // the line, and where the line crosses its extent across.
    double first = std::max(start + 1, static_cast<double>(majorLo));
    double last = std::min(end - 1, static_cast<double>(majorHi));
    const double across0 = minorLo - 1.0, across1 = minorHi + 1.0;
    if (gradient == 0) {
        if (startY < across0 || startY > across1) return true;
    } else {
        double a = start + (across0 - startY) / gradient, b = start + (across1 - startY) / gradient;
        if (a > b) std::swap(a, b);
        first = std::max(first, std::floor(a));
        last = std::min(last, std::ceil(b));
    }
    if (first > last) return true;
    // Stepped in fixed point from the first column of the line, wherever the clip starts.
    const std::int64_t base = fixed(startY), step = fixed(gradient);
    const auto from = static_cast<long long>(first), to = static_cast<long long>(last);
    const auto origin = static_cast<long long>(start);
    for (long long m = from; m <= to; ++m)
        column(m, base + step * (m - origin), 256);
    return true;
}

bool DrawSmoothRing(QImage& image, int originX, int originY, const QRect& clip, double cx,
                    double cy, double radius, QRgb colour) {
    if (!(radius > 0) || radius > MaxSmoothRingRadius || !Near({cx, cy}) ||
        image.format() != QImage::Format_RGB32)
        return false;
    const QRect area = Writable(image, originX, originY, clip);
    // Pixel centres on whole numbers.
    const double x = cx - 0.5, y = cy - 0.5;
    const int left = std::max(static_cast<int>(std::floor(x - radius - 1)), area.left());
    const int right = std::min(static_cast<int>(std::ceil(x + radius + 1)), area.right());
    const int top = std::max(static_cast<int>(std::floor(y - radius - 1)), area.top());
    const int bottom = std::min(static_cast<int>(std::ceil(y + radius + 1)), area.bottom());
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int py = top; py <= bottom; ++py) {
        auto* row = reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(py - originY) * stride);
        const double dy = py - y;
        for (int px = left; px <= right; ++px) {
            const double dx = px - x;
            const double off = std::abs(std::sqrt(dx * dx + dy * dy) - radius);
            if (off >= 1.0) continue;
            const auto a = static_cast<std::uint32_t>(std::lround((1.0 - off) * 256.0));
            QRgb& p = row[px - originX];
            p = Mix(colour, p, a);
        }
    }
    return true;
}

} // namespace ferrovane::gui
