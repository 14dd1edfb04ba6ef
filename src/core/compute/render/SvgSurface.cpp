#include "core/compute/render/SvgSurface.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace ferrovane::render {

namespace {

constexpr float MmPerPenPixel = 0.1f;
constexpr float MmPerPoint = 25.4f / 72;
// Board text is sized in points at one layout unit per pixel of a 96-dpi screen.
constexpr float UnitsPerPoint = 96.0f / 72;

std::string Number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", std::isfinite(v) ? v : 0.0);
    std::string s = text;
    // Trailing zeros only make the file longer.
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string Rgb(Colour c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", static_cast<unsigned>(c & 0xFF),
                  static_cast<unsigned>((c >> 8) & 0xFF), static_cast<unsigned>((c >> 16) & 0xFF));
    return text;
}

} // namespace

std::string XmlEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters cannot stand in XML 1.0 at all.
            if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t' || ch == '\n') out += ch;
        }
    }
    return out;
}

SvgSurface::SvgSurface(float widthMm, float heightMm)
    : mWidthMm(widthMm), mHeightMm(heightMm),
      mWidth(static_cast<int>(std::ceil(widthMm / MmPerPenPixel))),
      mHeight(static_cast<int>(std::ceil(heightMm / MmPerPenPixel))) {}

bool SvgSurface::Resize(int w, int h) {
    mWidth = w, mHeight = h;
    return true;
}

float SvgSurface::PenMm() const {
    return static_cast<float>(DrawWidth()) * MmPerPenPixel;
}

float SvgSurface::FontMm() const {
    const Font& f = GetFont();
    return f.ZoomsWithBoard ? Mm(f.Size * UnitsPerPoint) : f.Size * MmPerPoint;
}

void SvgSurface::DrawSegment(model::Point p, model::Point q, Colour colour) {
    mBody << "<line x1=\"" << Number(Mm(p.X)) << "\" y1=\"" << Number(Mm(p.Y)) << "\" x2=\""
          << Number(Mm(q.X)) << "\" y2=\"" << Number(Mm(q.Y)) << "\" stroke=\"" << Rgb(colour)
          << "\" stroke-width=\"" << Number(PenMm()) << "\"/>\n";
}

void SvgSurface::Arc(model::Point c, float radius, Colour colour, float start, float end) {
    const double r = Mm(radius), cx = Mm(c.X), cy = Mm(c.Y);
    if (!(r > 0) || !std::isfinite(r)) return;
    const std::string stroke =
        "fill=\"none\" stroke=\"" + Rgb(colour) + "\" stroke-width=\"" + Number(PenMm()) + "\"";
    if (start == end) {
        mBody << "<circle cx=\"" << Number(cx) << "\" cy=\"" << Number(cy) << "\" r=\"" << Number(r)
              << "\" " << stroke << "/>\n";
        return;
    }
    double sweep = static_cast<double>(end) - start;
    if (sweep < 0) sweep += 2 * std::numbers::pi;
    // Counter-clockwise as seen, with y pointing down: the angle's sine is subtracted.
    const double x0 = cx + r * std::cos(start), y0 = cy - r * std::sin(start);
    const double x1 = cx + r * std::cos(static_cast<double>(start) + sweep);
    const double y1 = cy - r * std::sin(static_cast<double>(start) + sweep);
    mBody << "<path d=\"M" << Number(x0) << " " << Number(y0) << " A" << Number(r) << " "
          << Number(r) << " 0 " << (sweep > std::numbers::pi ? 1 : 0) << " 0 " << Number(x1) << " "
          << Number(y1) << "\" " << stroke << "/>\n";
}

void SvgSurface::Print(const std::string& text) {
    const Font& f = GetFont();
    const float size = FontMm();
    // The current point is the text's top-left corner; SVG places the baseline.
    mBody << "<text x=\"" << Number(Mm(CurrentX)) << "\" y=\"" << Number(Mm(CurrentY) + size * 0.8f)
          << "\" font-size=\"" << Number(size) << "\"";
    if (!f.Name.empty()) mBody << " font-family=\"" << XmlEscaped(f.Name) << "\"";
    if (f.Bold) mBody << " font-weight=\"bold\"";
    if (f.Italic) mBody << " font-style=\"italic\"";
    mBody << " fill=\"" << Rgb(ForeColor()) << "\">" << XmlEscaped(text) << "</text>\n";
}

TextExtent SvgSurface::MeasureText(const std::string& text) const {
    // No font engine here: an average glyph is about 0.55 of the size wide.
    std::size_t chars = 0;
    for (const char ch : text)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++chars;
    const float size = FontMm() * Scale();
    return {0.55f * size * static_cast<float>(chars), size};
}

void SvgSurface::BeginGroup(const std::string& title) {
    mBody << "<g>\n<title>" << XmlEscaped(title) << "</title>\n";
}

void SvgSurface::EndGroup() {
    mBody << "</g>\n";
}

std::string SvgSurface::Document(const std::string& title) const {
    std::ostringstream doc;
    doc << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << Number(mWidthMm)
        << "mm\" height=\"" << Number(mHeightMm) << "mm\" viewBox=\"0 0 " << Number(mWidthMm) << " "
        << Number(mHeightMm) << "\">\n"
        << "<title>" << XmlEscaped(title) << "</title>\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
        << mBody.str() << "</svg>\n";
    return doc.str();
}

} // namespace ferrovane::render
