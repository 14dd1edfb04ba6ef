#include "gui/render/SmoothLine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "gui/render/SmoothPixels.h"

namespace ferrovane::gui {

namespace {

// Positions across the line in 1/65536 pixel.
constexpr double FixedOne = 65536.0;

double Frac(double v) {
    return v - std::floor(v);
}

// A one-pixel line, stepped in fixed point along its major axis, each column's coverage
// shared between the two pixels the line's centre falls between.
void DrawThinLine(const smooth::PictureImage& picture, double x0, double y0, double x1, double y1,
                  QRgb colour) {
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

    const QRect& area = picture.Writable();
    const int majorLo = steep ? area.top() : area.left();
    const int majorHi = steep ? area.bottom() : area.right();
    const int minorLo = steep ? area.left() : area.top();
    const int minorHi = steep ? area.right() : area.bottom();
    // Shares a column's coverage between the two pixels across the line at fixed
    // position y (1/65536 pixel), the column itself covered by `share` of 256.
    const auto column = [&](long long major, std::int64_t y, std::uint32_t share) {
        const std::int64_t minor = y >> 16;
        const auto f = static_cast<std::uint32_t>((y >> 8) & 0xff);
        const std::uint32_t upper = ((256 - f) * share) >> 8, lower = (f * share) >> 8;
        const auto blend = [&](long long across, std::uint32_t a) {
            if (across < minorLo || across > minorHi) return;
            QRgb& p = steep ? picture.Pixel(across, major) : picture.Pixel(major, across);
            p = smooth::Mix(colour, p, a);
        };
        blend(minor, upper);
        blend(minor + 1, lower);
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
        if (startY < across0 || startY > across1) return;
    } else {
        double a = start + (across0 - startY) / gradient, b = start + (across1 - startY) / gradient;
        if (a > b) std::swap(a, b);
        first = std::max(first, std::floor(a));
        last = std::min(last, std::ceil(b));
    }
    if (first > last) return;
    // Stepped in fixed point from the first column of the line, wherever the clip starts.
    const std::int64_t base = fixed(startY), step = fixed(gradient);
    const auto from = static_cast<long long>(first), to = static_cast<long long>(last);
    const auto origin = static_cast<long long>(start);
    for (long long m = from; m <= to; ++m)
        column(m, base + step * (m - origin), 256);
}

// A wider line, column by column along its major axis: each column covered as far as
// the pen reaches across, the square ends cutting it pixel by pixel.
void DrawWideLine(const smooth::PictureImage& picture, double x0, double y0, double x1, double y1,
                  double width, QRgb colour) {
    // Pixel centres on whole numbers.
    x0 -= 0.5, y0 -= 0.5, x1 -= 0.5, y1 -= 0.5;
    const double dx = x1 - x0, dy = y1 - y0;
    const double length = std::hypot(dx, dy);
    const double ux = length > 0 ? dx / length : 1.0, uy = length > 0 ? dy / length : 0.0;
    const bool steep = std::abs(dy) > std::abs(dx);
    const double a0 = steep ? y0 : x0, b0 = steep ? x0 : y0;
    const double a1 = steep ? y1 : x1, b1 = steep ? x1 : y1;
    const double gradient = a1 != a0 ? (b1 - b0) / (a1 - a0) : 0.0;
    const double half = width / 2;
    // Across a column the pen covers more than its width as the line slopes.
    const double halfAcross = half / (steep ? std::abs(uy) : std::abs(ux));
    // The ends' corners reach at most half * sqrt(2) past the end points along the axis.
    const double reach = half * 1.5 + 1;
    const QRect& area = picture.Writable();
    const auto first = std::max(static_cast<long long>(std::floor(std::min(a0, a1) - reach)),
                                static_cast<long long>(steep ? area.top() : area.left()));
    const auto last = std::min(static_cast<long long>(std::ceil(std::max(a0, a1) + reach)),
                               static_cast<long long>(steep ? area.bottom() : area.right()));
    constexpr long long anywhere = std::numeric_limits<long long>::max();
    const auto inside = [&](double x, double y) {
        const double along = (x - x0) * ux + (y - y0) * uy;
        return std::min(along, length - along) + half;
    };
    for (long long m = first; m <= last; ++m) {
        const auto at = static_cast<double>(m);
        const double centre = b0 + gradient * (at - a0);
        const double lo = centre - halfAcross, hi = centre + halfAcross;
        // A column well within the ends is covered as far as the pen reaches.
        if ((steep ? inside(centre, at) : inside(at, centre)) - halfAcross > 1) {
            picture.Span(steep, m, lo, hi, -anywhere, anywhere, colour,
                         [](long long) { return 1.0; });
            continue;
        }
        picture.Span(steep, m, lo, hi, -anywhere, anywhere, colour, [&](long long k) {
            const auto across = static_cast<double>(k);
            return smooth::EndShare(steep ? inside(across, at) : inside(at, across));
        });
    }
}

} // namespace

bool DrawSmoothLine(QImage& image, int originX, int originY, const QRect& clip, double x0,
                    double y0, double x1, double y1, QRgb colour, int width) {
    if (!smooth::Near({x0, y0, x1, y1}) || image.format() != QImage::Format_RGB32 || width < 1 ||
        width > MaxSmoothWidth)
        return false;
    const smooth::PictureImage picture(image, originX, originY, clip);
    if (picture.Writable().isEmpty()) return true;
    if (width == 1)
        DrawThinLine(picture, x0, y0, x1, y1, colour);
    else
        DrawWideLine(picture, x0, y0, x1, y1, width, colour);
    return true;
}

} // namespace ferrovane::gui
