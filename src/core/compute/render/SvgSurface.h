#pragma once

#include <sstream>
#include <string>

#include "core/compute/render/Surface.h"

namespace ferrovane::render {

// A drawing surface that writes SVG elements in millimetres: the scale is layout units
// per millimetre, and a pen pixel is a tenth of a millimetre, as on paper at 254 dots
// per inch. Fills are left out (plans on paper show outlines only).
class SvgSurface : public Surface {
public:
    // The drawing's size in millimetres.
    SvgSurface(float widthMm, float heightMm);

    bool Resize(int w, int h) override;
    int PixelWidth() const override { return mWidth; }
    int PixelHeight() const override { return mHeight; }
    void Arc(model::Point c, float radius, Colour colour, float start, float end) override;
    void Fill(const std::vector<Contour>& /*region*/, Colour /*colour*/) override {}
    void Print(const std::string& text) override;
    TextExtent MeasureText(const std::string& text) const override;
    void Clear() override {}
    void CopyFrom(const Surface& /*source*/, int /*sx*/, int /*sy*/) override {}

    // A group around what follows, with a title that SVG viewers show.
    void BeginGroup(const std::string& title);
    void EndGroup();
    // The whole document.
    std::string Document(const std::string& title) const;

protected:
    void DrawSegment(model::Point p, model::Point q, Colour colour) override;

private:
    float Mm(float units) const { return units / Scale(); }
    float PenMm() const;
    float FontMm() const;

    float mWidthMm, mHeightMm;
    int mWidth, mHeight;
    std::ostringstream mBody;
};

// Text with the characters XML reserves written as references.
std::string XmlEscaped(const std::string& text);

} // namespace ferrovane::render
