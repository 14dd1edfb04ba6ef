#pragma once

#include <QImage>
#include <QRect>

namespace ferrovane::gui {

// An anti-aliased arc of the circle about (cx, cy), written straight into an RGB32 image
// as DrawSmoothLine writes lines (the same coordinates, clip and promise that the pixels
// depend only on the arc). It runs from angle start over sweep (radians, counter-clockwise
// as seen; a sweep of two pi or more is the whole circle), its ends square. One pixel wide,
// each step along it shares its coverage between the two pixels across it; wider, each
// pixel takes as much as the pen covers of it. False, with nothing drawn, for an image of
// another format, a width over MaxSmoothWidth, a circle hardly wider than the pen or one
// too far out: the painter draws it then.
bool DrawSmoothArc(QImage& image, int originX, int originY, const QRect& clip, double cx, double cy,
                   double radius, double start, double sweep, QRgb colour, int width = 1);

// A small whole circle of a one-pixel pen: a pixel whose centre lies on the circle is
// covered whole, and the coverage fades to nothing a pixel to either side. Only for radii
// up to MaxSmoothRingRadius pixels (the marks on rails), where this is cheaper still;
// false, with nothing drawn, for larger ones and as DrawSmoothArc.
inline constexpr double MaxSmoothRingRadius = 8.0;
bool DrawSmoothRing(QImage& image, int originX, int originY, const QRect& clip, double cx,
                    double cy, double radius, QRgb colour);

} // namespace ferrovane::gui
