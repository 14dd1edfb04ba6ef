#include "gui/render/QtTextMeasure.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace ferrovane::gui {

namespace {

// Lays out text as if one layout unit were one pixel of a 96 dpi screen.
constexpr double LayoutDpi = 96.0;
constexpr double PointsPerInch = 72.0;

} // namespace

QFont ToQFont(const render::Font& f, double unitsPerPixel) {
    QFont font(QString::fromStdString(f.Name));
    if (f.ZoomsWithBoard) {
        // The size in points at one unit per pixel, shrunk or grown with the scale.
        const double pixels = f.Size * LayoutDpi / PointsPerInch / unitsPerPixel;
        font.setPixelSize(std::isfinite(pixels) && pixels > 1
                              ? static_cast<int>(std::lround(std::min(pixels, 4096.0)))
                              : 1);
    } else if (f.Size > 0 && std::isfinite(f.Size)) {
        font.setPointSizeF(std::min<double>(f.Size, 1000));
    }
    font.setBold(f.Bold);
    font.setItalic(f.Italic);
    return font;
}

render::TextExtent MeasureQtText(const render::Font& font, const std::string& text,
                                 double unitsPerPixel) {
    const QFontMetricsF metrics(ToQFont(font, unitsPerPixel));
    return {
        static_cast<float>(metrics.horizontalAdvance(QString::fromStdString(text)) * unitsPerPixel),
        static_cast<float>(metrics.height() * unitsPerPixel)};
}

geometry::TextMeasure QtTextMeasure() {
    return [](const render::Font& font, const std::string& text) {
        return MeasureQtText(font, text, 1.0);
    };
}

std::string FirstFontFamily() {
    const QStringList families = QFontDatabase::families();
    return families.isEmpty() ? std::string() : families.front().toStdString();
}

} // namespace ferrovane::gui
