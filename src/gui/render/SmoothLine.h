#pragma once

#include <QImage>
#include <QRect>

namespace ferrovane::gui {

// The widest pen (pixels) whose smoothed strokes are written straight into an image.
inline constexpr int MaxSmoothWidth = 8;

// An anti-aliased line written straight into an RGB32 image, at a fraction of the
// painter's cost per line. One pixel wide, each step along it shares its coverage
// between the two pixels across the line, as a smoothed cosmetic pen draws it; wider,
// each pixel takes as much as the pen covers of it. The ends are square (half the width
// past each end point). Coordinates are the whole picture's pixels (pixel (x, y) covers
// x .. x + 1); the image holds the picture's pixels from (originX, originY) on. Only
// pixels within the clip (whole picture pixels) and the image are written. The pixels
// depend only on the line, never on the origin or the clip, so that a part of the
// picture drawn alone equals the same part of the whole. False, with nothing drawn, for
// an image of another format, a width over MaxSmoothWidth or a line too far out: the
// painter draws it then.
bool DrawSmoothLine(QImage& image, int originX, int originY, const QRect& clip, double x0,
                    double y0, double x1, double y1, QRgb colour, int width = 1);

} // namespace ferrovane::gui
