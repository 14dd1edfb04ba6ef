#include "gui/render/SmoothArc.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <utility>

#include "gui/render/SmoothLine.h"
#include "gui/render/SmoothPixels.h"

namespace ferrovane::gui {

namespace {

constexpr double Pi = std::numbers::pi;

// A quarter of the circle, the pixels whose centres lie within 45 degrees of one of
// its four points, stepped along the axis the circle runs nearer to there.
struct Quarter {
    bool RowsAcross; // stepped down the rows (left and right quarters)
    bool After;      // the circle lies after the centre across the steps, or before
    double From;     // the angle it starts at, a quarter turn before the next's
};
constexpr Quarter Quarters[] = {{false, false, Pi / 4},
                                {false, true, 5 * Pi / 4},
                                {true, true, -Pi / 4},
                                {true, false, 3 * Pi / 4}};

// How much of a pixel the arc's ends leave it: pixels past a square end (half the
// width on) take nothing.
struct ArcEnds {
    bool Whole = false;
    bool MoreThanHalf = false;       // the part left out is the narrower
    double StartX = 0, StartY = 0;   // the direction the arc leaves its start in
    double EndX = 0, EndY = 0;       // and comes into its end in
    double MiddleX = 0, MiddleY = 0; // towards its middle from the centre
    double Cap = 0;                  // how far the square ends reach past the end points

    // How far the pixel whose centre lies (u, v) from the circle's centre is inside the
    // square ends, in pixels (negative beyond them).
    double Inside(double u, double v) const {
        const double fromStart = u * StartX + v * StartY + Cap;
        const double toEnd = -(u * EndX + v * EndY) + Cap;
        if (MoreThanHalf) return std::max(fromStart, toEnd);
        // Only the side of the circle the arc is on: the ends' lines cross at the centre.
        if (u * MiddleX + v * MiddleY < -(Cap + 1)) return -1.0;
        return std::min(fromStart, toEnd);
    }
    double Share(double u, double v) const { return smooth::EndShare(Inside(u, v)); }
};

ArcEnds EndsOf(double start, double sweep, double cap) {
    ArcEnds ends;
    ends.Whole = sweep >= 2 * Pi;
    ends.MoreThanHalf = sweep > Pi;
    // A point at angle a lies at (cos a, -sin a): y runs down the picture.
    const double end = start + sweep, middle = start + sweep / 2;
    ends.StartX = -std::sin(start), ends.StartY = -std::cos(start);
    ends.EndX = -std::sin(end), ends.EndY = -std::cos(end);
    ends.MiddleX = std::cos(middle), ends.MiddleY = -std::sin(middle);
    ends.Cap = cap;
    return ends;
}

// The steps of a quarter the arc (from start over sweep, grown by the pen and the
// smoothing to reach from inner to outer) may touch: where the parts of the arc within
// the quarter lie along its steps.
struct Steps {
    double Lo = 0, Hi = -1;
    void Take(double v) {
        if (Hi < Lo)
            Lo = Hi = v;
        else
            Lo = std::min(Lo, v), Hi = std::max(Hi, v);
    }
};

Steps QuarterSteps(const Quarter& q, double start, double sweep, double inner, double outer) {
    Steps steps;
    // A hair past its 45-degree edges, against rounding.
    constexpr double past = 1e-6;
    const double from = q.From - past, length = Pi / 2 + 2 * past;
    // Where the arc meets the quarter: up to two pieces, as either may wrap round.
    const double ahead = std::fmod(std::fmod(from - start, 2 * Pi) + 2 * Pi, 2 * Pi);
    const auto take = [&](double a, double b) {
        if (!(b >= a)) return;
        for (const double angle : {a, b}) {
            const double along = q.RowsAcross ? -std::sin(angle) : std::cos(angle);
            steps.Take(inner * along), steps.Take(outer * along);
        }
    };
    if (sweep >= 2 * Pi) {
        take(from, from + length);
        return steps;
    }
    take(start + ahead, std::min(start + ahead + length, start + sweep));
    if (ahead + length > 2 * Pi)
        take(start, std::min(start + ahead + length - 2 * Pi, start + sweep));
    return steps;
}

// This quarter's own pixels across the step u from the centre's step (|u| given),
// the centre at b0 across: those whose centres lie nearer the quarter's middle
// direction than the next quarter's, ties going to the upper and lower quarters.
std::pair<long long, long long> OwnPixels(const Quarter& q, double b0, double au) {
    constexpr long long far = std::numeric_limits<long long>::max() / 2;
    if (!q.After)
        return {-far, q.RowsAcross ? smooth::Ceil(b0 - au) - 1
                                   : (au > 0 ? smooth::Floor(b0 - au) : smooth::Ceil(b0) - 1)};
    return {q.RowsAcross ? smooth::Floor(b0 + au) + 1
                         : (au > 0 ? smooth::Ceil(b0 + au) : smooth::Floor(b0) + 1),
            far};
}

} // namespace

bool DrawSmoothArc(QImage& image, int originX, int originY, const QRect& clip, double cx, double cy,
                   double radius, double start, double sweep, QRgb colour, int width) {
    if (!smooth::Near({cx - radius, cx + radius, cy - radius, cy + radius, start, sweep}) ||
        image.format() != QImage::Format_RGB32 || width < 1 || width > MaxSmoothWidth ||
        !(radius >= width + 1.0) || !(sweep > 0))
        return false;
    const smooth::PictureImage picture(image, originX, originY, clip);
    const QRect& area = picture.Writable();
    if (area.isEmpty()) return true;
    // Pixel centres on whole numbers.
    const double x = cx - 0.5, y = cy - 0.5;
    const double half = width / 2.0;
    const ArcEnds ends = EndsOf(start, std::min(sweep, 2 * Pi), half);
    const double outer = radius + half, inner = radius - half;
    // The ends reach a pen's half width and the smoothing a pixel further round, seen
    // from the centre at most this far on the innermost pixels.
    const double nearest = inner - 1;
    const double reach = nearest > half + 1 ? std::asin((half + 1) / nearest) : Pi;
    const double from = ends.Whole ? start : start - reach;
    const double along = ends.Whole ? 2 * Pi : std::min(sweep + 2 * reach, 2 * Pi);
    for (const Quarter& q : Quarters) {
        const bool rows = q.RowsAcross;
        const Steps steps = QuarterSteps(q, from, along, inner - 1, outer + 1);
        if (steps.Hi < steps.Lo) continue;
        // Along the steps "a", across them "b".
        const double a0 = rows ? y : x, b0 = rows ? x : y;
        const auto first = std::max(smooth::Floor(a0 + steps.Lo),
                                    static_cast<long long>(rows ? area.top() : area.left()));
        const auto last = std::min(smooth::Ceil(a0 + steps.Hi),
                                   static_cast<long long>(rows ? area.bottom() : area.right()));
        for (long long m = first; m <= last; ++m) {
            const double u = static_cast<double>(m) - a0, u2 = u * u;
            double lo = 0, hi = 0; // across, from the centre
            if (width == 1) {
                const double across = std::sqrt(std::max(radius * radius - u2, 0.0));
                lo = across - 0.5, hi = across + 0.5;
            } else {
                lo = u2 < inner * inner ? std::sqrt(inner * inner - u2) : 0.0;
                hi = std::sqrt(std::max(outer * outer - u2, 0.0));
            }
            const auto [own0, own1] = OwnPixels(q, b0, std::abs(u));
            const double spanLo = q.After ? b0 + lo : b0 - hi;
            const double spanHi = q.After ? b0 + hi : b0 - lo;
            // A column well within the ends is covered as far as the pen reaches.
            const double middle = (spanLo + spanHi) / 2 - b0;
            const double inside = rows ? ends.Inside(middle, u) : ends.Inside(u, middle);
            if (ends.Whole || inside - (spanHi - spanLo) > 1) {
                if (width == 1) {
                    picture.Pair(rows, m, middle + b0, own0, own1, colour);
                    continue;
                }
                picture.Span(rows, m, spanLo, spanHi, own0, own1, colour,
                             [](long long) { return 1.0; });
                continue;
            }
            picture.Span(rows, m, spanLo, spanHi, own0, own1, colour, [&](long long k) {
                const double across = static_cast<double>(k) - b0;
                return rows ? ends.Share(across, u) : ends.Share(u, across);
            });
        }
    }
    return true;
}

bool DrawSmoothRing(QImage& image, int originX, int originY, const QRect& clip, double cx,
                    double cy, double radius, QRgb colour) {
    if (!(radius > 0) || radius > MaxSmoothRingRadius || !smooth::Near({cx, cy}) ||
        image.format() != QImage::Format_RGB32)
        return false;
    const smooth::PictureImage picture(image, originX, originY, clip);
    const QRect& area = picture.Writable();
    // Pixel centres on whole numbers.
    const double x = cx - 0.5, y = cy - 0.5;
    const int left = std::max(static_cast<int>(std::floor(x - radius - 1)), area.left());
    const int right = std::min(static_cast<int>(std::ceil(x + radius + 1)), area.right());
    const int top = std::max(static_cast<int>(std::floor(y - radius - 1)), area.top());
    const int bottom = std::min(static_cast<int>(std::ceil(y + radius + 1)), area.bottom());
    for (int py = top; py <= bottom; ++py) {
        const double dy = py - y;
        for (int px = left; px <= right; ++px) {
            const double dx = px - x;
            const double off = std::abs(std::sqrt(dx * dx + dy * dy) - radius);
            if (off >= 1.0) continue;
            const auto a = static_cast<std::uint32_t>(std::lround((1.0 - off) * 256.0));
            QRgb& p = picture.Pixel(px, py);
            p = smooth::Mix(colour, p, a);
        }
    }
    return true;
}

} // namespace ferrovane::gui
