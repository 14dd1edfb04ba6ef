#include "gui/render/PainterSurface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "gui/render/ImageSurface.h"
#include "gui/render/QtTextMeasure.h"
#include "gui/render/SmoothArc.h"
#include "gui/render/SmoothLine.h"

namespace ferrovane::gui {

namespace {

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;

bool Finite(double v) {
    return std::isfinite(v);
}

// The box of the arc of the circle in rect from start over sweep (radians,
// counter-clockwise as seen, sweep 0 to 2 pi): its ends and every quarter point it
// passes, grown by a pixel for the curves the arc is drawn with.
QRectF ArcBox(const QRectF& rect, double start, double sweep) {
    const QPointF c = rect.center();
    const double r = rect.width() / 2;
    double left = c.x() + r, right = left, top = c.y(), bottom = top;
    const auto take = [&](double a) {
        const double x = c.x() + r * std::cos(a), y = c.y() - r * std::sin(a);
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    };
    left = right = c.x() + r * std::cos(start);
    top = bottom = c.y() - r * std::sin(start);
    take(start + sweep);
    constexpr double quarter = std::numbers::pi / 2;
    for (double q = std::ceil(start / quarter) * quarter; q <= start + sweep; q += quarter)
        take(q);
    return QRectF(QPointF(left, top), QPointF(right, bottom)).adjusted(-1, -1, 1, 1);
}
} // namespace

QColor ToQColor(render::Colour colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void PainterSurface::ForgetPainterState() {
    mPenValid = false;
    mClip = Unclipped();
}

void PainterSurface::ApplyOrigin(QPainter& painter) const {
    painter.setWorldTransform(QTransform::fromTranslate(-PixelOriginX(), -PixelOriginY()));
}

void PainterSurface::SetPixelOrigin(int x, int y) {
    DrawPending();
    render::Surface::SetPixelOrigin(x, y);
    ApplyOrigin(Painter());
}

void PainterSurface::ClipToPixels(int x, int y, int w, int h) {
    DrawPending();
    // In the whole picture's coordinates: the painter's transform moves it with the origin.
    Painter().setClipRect(QRect(x, y, w, h));
    mClip = QRect(x, y, w, h);
}

void PainterSurface::Unclip() {
    DrawPending();
    Painter().setClipping(false);
    mClip = Unclipped();
}

void PainterSurface::KeepOnlyPixels(int x, int y, int w, int h) {
    mKeepingPart = true;
    // Pens are at most a few pixels wide; smoothing shades one pixel more.
    constexpr double reach = 8;
    mKept = QRectF(x, y, w, h).adjusted(-reach, -reach, reach, reach);
}

void PainterSurface::KeepAllPixels() {
    DrawPending();
    mKeepingPart = false;
}

bool PainterSurface::Batching() const {
    // Thin lines are stepped one by one whether drawn alone or together; a wide pen's
    // outlines drawn together would be smoothed as one. Only a part of the picture is
    // drawn in one go (a tile), and it ends with KeepAllPixels.
    return mKeepingPart && DrawWidth() == 1 && DevicePixelRatio() == 1.0;
}

void PainterSurface::DrawPending() {
    if (!mPendingLines.empty()) {
        Painter().drawLines(mPendingLines.data(), static_cast<int>(mPendingLines.size()));
        mPendingLines.clear();
    }
    if (!mPendingArcs.isEmpty()) {
        Painter().drawPath(mPendingArcs);
        mPendingArcs.clear();
    }
}

bool PainterSurface::MayReachKept(const QRectF& box) const {
    return !mKeepingPart ||
           mKept.intersects(box.adjusted(-DrawWidth(), -DrawWidth(), DrawWidth(), DrawWidth()));
}

void PainterSurface::SetSmooth(bool smooth) {
    DrawPending();
    mSmooth = smooth;
    Painter().setRenderHint(QPainter::Antialiasing, smooth);
}

void PainterSurface::FillWhite() {
    DrawPending();
    QPainter& painter = Painter();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(PixelOriginX(), PixelOriginY(), PixelWidth(), PixelHeight()), Qt::white);
    painter.setCompositionMode(mode);
}

void PainterSurface::PutImage(int x, int y, const QImage& image) {
    DrawPending();
    QPainter& painter = Painter();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x + PixelOriginX(), y + PixelOriginY()), image);
    painter.setCompositionMode(mode);
}

void PainterSurface::UsePen(render::Colour colour) {
    const double ratio = DevicePixelRatio();
    if (mPenValid && mPenColour == colour && mPenWidth == DrawWidth() && mPenRatio == ratio) return;
    DrawPending(); // in the pen they were given
    QPen pen(ToQColor(colour));
    // A cosmetic pen's width counts physical pixels; the board's pen counts its own.
    if (ratio == 1.0)
        pen.setWidth(DrawWidth());
    else
        pen.setWidthF(DrawWidth() * ratio);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    QPainter& painter = Painter();
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    mPenValid = true;
    mPenColour = colour;
    mPenWidth = DrawWidth();
    mPenRatio = ratio;
    mPenShift = PenShift(ratio);
}

double PainterSurface::PenShift(double ratio) const {
    // At one pixel per pixel an odd-width line covers the pixel row of its coordinate
    // and the rows around it; an even one straddles the coordinate. Scaled up, every
    // width is even, so odd ones move half a pixel to cover the same pixels.
    return ratio != 1.0 && DrawWidth() % 2 == 1 ? 0.5 : 0.0;
}

std::optional<PainterSurface::DirectStroke> PainterSurface::SmoothStroke() {
    // A smoothed stroke costs the painter far more than writing its pixels. The image's
    // pixels must be whole multiples of the picture's.
    const double ratio = DevicePixelRatio();
    if (!mSmooth || !(ratio >= 1.0 && ratio <= MaxSmoothRatio) || ratio != std::floor(ratio))
        return std::nullopt;
    const int scale = static_cast<int>(ratio);
    if (DrawWidth() * scale > MaxSmoothWidth) return std::nullopt;
    QImage* image = DirectImage();
    if (image == nullptr) return std::nullopt;
    DrawPending(); // in the order given
    DirectStroke stroke{*image,
                        scale,
                        PixelOriginX() * scale,
                        PixelOriginY() * scale,
                        mClip == Unclipped() ? mClip
                                             : QRect(mClip.x() * scale, mClip.y() * scale,
                                                     mClip.width() * scale, mClip.height() * scale),
                        DrawWidth() * scale,
                        PenShift(ratio)};
    return stroke;
}

void PainterSurface::DrawSegment(model::Point p, model::Point q, render::Colour colour) {
    const double s = Scale();
    const QLineF line(p.X / s, p.Y / s, q.X / s, q.Y / s);
    if (!Finite(line.x1()) || !Finite(line.y1()) || !Finite(line.x2()) || !Finite(line.y2())) {
        return;
    }
    // A box with the line on its edge still intersects: never empty.
    if (!MayReachKept(QRectF(line.p1(), line.p2()).normalized().adjusted(-1, -1, 1, 1))) return;
    if (const auto d = SmoothStroke()) {
        const auto at = [&](double v) { return (v + d->Shift) * d->Ratio; };
        if (DrawSmoothLine(d->Image, d->OriginX, d->OriginY, d->Clip, at(line.x1()), at(line.y1()),
                           at(line.x2()), at(line.y2()), ToQColor(colour).rgb(), d->Width))
            return;
    }
    UsePen(colour);
    if (Batching()) {
        // In the order given: smoothed pixels blended in another order may differ by one.
        if (!mPendingArcs.isEmpty()) DrawPending();
        mPendingLines.push_back(line);
    } else
        Painter().drawLine(line.translated(mPenShift, mPenShift));
}

void PainterSurface::Arc(model::Point c, float radius, render::Colour colour, float start,
                         float end) {
    const double s = Scale();
    const double r = radius / s;
    const double cx = c.X / s, cy = c.Y / s;
    if (!(r > 0) || !Finite(r) || !Finite(cx) || !Finite(cy)) return;
    const bool whole = start == end;
    double sweep = static_cast<double>(end) - start;
    if (sweep < 0) sweep += 2 * std::numbers::pi;
    const QRectF circle(cx - r, cy - r, 2 * r, 2 * r);
    if (!MayReachKept(whole ? circle : ArcBox(circle, start, sweep))) return;
    if (const auto d = SmoothStroke()) {
        const QRgb rgb = ToQColor(colour).rgb();
        const double x = (cx + d->Shift) * d->Ratio, y = (cy + d->Shift) * d->Ratio;
        const double radius = r * d->Ratio;
        // The small circles marking the rails' middles have a writer of their own.
        if (whole && d->Width == 1 &&
            DrawSmoothRing(d->Image, d->OriginX, d->OriginY, d->Clip, x, y, radius, rgb))
            return;
        if (DrawSmoothArc(d->Image, d->OriginX, d->OriginY, d->Clip, x, y, radius, start,
                          whole ? 2 * std::numbers::pi : sweep, rgb, d->Width))
            return;
    }
    UsePen(colour);
    const QRectF rect = circle.translated(mPenShift, mPenShift);
    if (whole) {
        DrawPending();
        Painter().drawEllipse(rect);
        return;
    }
    if (!mPendingLines.empty()) DrawPending();
    // Each arc is a path of its own; batched, one more piece of the pending path.
    QPainterPath& path = Batching() ? mPendingArcs : mArcPath;
    path.arcMoveTo(rect, start * DegreesPerRadian);
    path.arcTo(rect, start * DegreesPerRadian, sweep * DegreesPerRadian);
    if (&path == &mPendingArcs) return;
    Painter().drawPath(path);
    path.clear();
}

void PainterSurface::Fill(const std::vector<render::Contour>& region, render::Colour colour) {
    DrawPending();
    const double s = Scale();
    const QBrush brush(ToQColor(colour));
    for (const render::Contour& contour : region) {
        QPainterPath path;
        bool first = true;
        bool finite = true;
        for (const render::ContourStep& step : contour) {
            if (step.IsArc) {
                const double r = step.Radius / s;
                const QRectF rect(step.Centre.X / s - r, step.Centre.Y / s - r, 2 * r, 2 * r);
                finite = finite && Finite(r) && Finite(rect.x()) && Finite(rect.y());
                const double a = step.Start * DegreesPerRadian;
                if (first) path.arcMoveTo(rect, a);
                path.arcTo(rect, a, step.Sweep * DegreesPerRadian);
            } else {
                const QPointF to(step.To.X / s, step.To.Y / s);
                finite = finite && Finite(to.x()) && Finite(to.y());
                if (first)
                    path.moveTo(to);
                else
                    path.lineTo(to);
            }
            first = false;
        }
        if (first || !finite) continue;
        path.closeSubpath();
        Painter().fillPath(path, brush);
    }
}

void PainterSurface::SetFont(const render::Font& font) {
    if (font == GetFont()) return;
    render::Surface::SetFont(font);
}

QFont PainterSurface::DeviceFont() const {
    return ToQFont(GetFont(), Scale());
}

void PainterSurface::Print(const std::string& text) {
    DrawPending();
    if (text.empty()) return;
    const double s = Scale();
    const QPointF at(CurrentX / s, CurrentY / s);
    if (!Finite(at.x()) || !Finite(at.y())) return;
    QPainter& painter = Painter();
    const QFont font = DeviceFont();
    painter.setFont(font);
    painter.setPen(ToQColor(ForeColor()));
    mPenValid = false;
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(QPointF(at.x(), at.y() + metrics.ascent()), QString::fromStdString(text));
}

render::TextExtent PainterSurface::MeasureText(const std::string& text) const {
    return MeasureQtText(GetFont(), text, Scale());
}

void PainterSurface::Clear() {
    DrawPending();
    QPainter& painter = Painter();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(PixelOriginX(), PixelOriginY(), PixelWidth(), PixelHeight()), Qt::white);
    painter.setCompositionMode(mode);
    CurrentX = 0;
    CurrentY = 0;
}

void PainterSurface::ClearPixels(int x, int y, int w, int h) {
    DrawPending();
    QPainter& painter = Painter();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(QRect(x, y, w, h), Qt::white);
    painter.setCompositionMode(mode);
    CurrentX = 0;
    CurrentY = 0;
}

void PainterSurface::CopyFrom(const render::Surface& source, int sx, int sy) {
    DrawPending();
    const auto* image = dynamic_cast<const ImageSurface*>(&source);
    if (image == this) return;
    QPainter& painter = Painter();
    const QRect wanted(sx, sy, PixelWidth(), PixelHeight());
    const QRect available = image != nullptr
                                ? wanted & QRect(0, 0, image->PixelWidth(), image->PixelHeight())
                                : QRect();
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (available != wanted) painter.fillRect(QRect(0, 0, PixelWidth(), PixelHeight()), Qt::white);
    if (!available.isEmpty()) {
        // The target in this surface's device-independent pixels, the source in the
        // source image's physical pixels: equal ratios make it a plain pixel copy.
        const double r = image->DevicePixelRatio();
        const QRectF from(std::round(available.x() * r), std::round(available.y() * r),
                          std::round(available.width() * r), std::round(available.height() * r));
        painter.drawImage(QRectF(available.translated(-wanted.topLeft())), image->Image(), from);
    }
    painter.setCompositionMode(mode);
}

} // namespace ferrovane::gui
