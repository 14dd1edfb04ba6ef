#pragma once

#include <QImage>
#include <QRect>

namespace ferrovane::gui {

// A one-pixel anti-aliased line written straight into an RGB32 image: coverage shared
// between the two pixels across the line at every step along it, the ends square (half
// a pixel past each end point), as a smoothed cosmetic pen draws it but at a fraction
// of the painter's cost per line. Coordinates are the whole picture's pixels (pixel (x, y)
// covers x .. x + 1); the image holds the picture's pixels from (originX, originY) on.
// Only pixels within the clip (whole picture pixels) and the image are written. The
// pixels depend only on the line, never on the origin or the clip, so that a part of
// the picture drawn alone equals the same part of the whole. False, with nothing drawn,
// for an image of another format or a line too far out: the painter draws it then.
bool DrawSmoothLine(QImage& image, int originX, int originY, const QRect& clip, double x0,
                    double y0, double x1, double y1, QRgb colour);

// A small whole circle of a one-pixel pen, drawn the same way: a pixel whose centre
// lies on the circle is covered whole, and the coverage fades to nothing a pixel to
// either side. Only for radii up to MaxSmoothRingRadius pixels (the marks on
// rails), where this is much cheaper than the painter; false, with nothing drawn, for
// larger ones and as DrawSmoothLine.
inline constexpr double MaxSmoothRingRadius = 8.0;
bool DrawSmoothRing(QImage& image, int originX, int originY, const QRect& clip, double cx,
                    double cy, double radius, QRgb colour);

} // namespace ferrovane::gui
