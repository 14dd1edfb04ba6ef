#include "core/render/RecordingSurface.h"

#include <cstdio>

namespace ferrovane::testing {

std::string Num(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    std::string s = buf;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

namespace {

std::string Pt(model::Point p) {
    return Num(p.X) + "," + Num(p.Y);
}

} // namespace

bool RecordingSurface::Resize(int w, int h) {
    ++Resizes;
    if (FailResize) return false;
    mW = w;
    mH = h;
    return true;
}

void RecordingSurface::DrawSegment(model::Point p, model::Point q, render::Colour colour) {
    Calls.push_back("L " + Pt(p) + " " + Pt(q) + " #" + std::to_string(colour) + " w" +
                    std::to_string(DrawWidth()));
}

void RecordingSurface::Arc(model::Point c, float radius, render::Colour colour, float start,
                           float end) {
    Calls.push_back("A " + Pt(c) + " r" + Num(radius) + " " + Num(start) + ".." + Num(end) + " #" +
                    std::to_string(colour) + " w" + std::to_string(DrawWidth()));
}

void RecordingSurface::Fill(const std::vector<render::Contour>& region, render::Colour colour) {
    Calls.push_back("F " + std::to_string(region.size()) + " #" + std::to_string(colour));
}

void RecordingSurface::Print(const std::string& text) {
    const render::Font& f = GetFont();
    Calls.push_back("T " + Num(CurrentX) + "," + Num(CurrentY) + " '" + text + "' #" +
                    std::to_string(ForeColor()) + " " + f.Name + " " + Num(f.Size) +
                    (f.Bold ? " bold" : "") + (f.Italic ? " italic" : ""));
}

render::TextExtent RecordingSurface::MeasureText(const std::string& text) const {
    // Ten units per byte, twelve high: simple enough to predict in tests.
    return {10.0f * static_cast<float>(text.size()), 12.0f};
}

void RecordingSurface::CopyFrom(const render::Surface&, int sx, int sy) {
    Calls.push_back("C " + std::to_string(sx) + "," + std::to_string(sy));
}

std::vector<std::string> CallsOf(const std::vector<std::string>& calls, char kind) {
    std::vector<std::string> out;
    for (const auto& c : calls) {
        if (!c.empty() && c[0] == kind) out.push_back(c);
    }
    return out;
}

} // namespace ferrovane::testing
