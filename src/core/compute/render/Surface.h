#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/values/model/Point.h"

namespace ferrovane::render {

// An RGB long colour as stored in the layout: red in the low byte.
using Colour = std::int32_t;

inline constexpr Colour Black = 0x000000;
inline constexpr Colour White = 0xFFFFFF;

struct Font {
    std::string Name;
    float Size = 9; // points at one layout unit per pixel
    bool Bold = false;
    bool Italic = false;
    // Text on the board grows and shrinks with the zoom; overlay text keeps its size.
    bool ZoomsWithBoard = true;
    bool operator==(const Font&) const = default;
};

struct TextExtent {
    float Width = 0; // layout units
    float Height = 0;
};

// One piece of a filled outline: a straight edge to To, or an arc about Centre
// starting at angle Start (radians, counter-clockwise as seen) over Sweep (negative:
// clockwise). An arc is joined to the previous piece by a straight edge.
struct ContourStep {
    bool IsArc = false;
    model::Point To;
    model::Point Centre;
    float Radius = 0;
    float Start = 0;
    float Sweep = 0;
};

// A closed outline; the first step only sets the starting point (or starts the arc).
using Contour = std::vector<ContourStep>;

// A drawing surface in layout units with the y axis pointing down. Coordinates given
// here are already relative to the surface's top-left corner; the surface divides
// them by its scale (layout units per pixel). Pen widths are in device pixels at
// every scale.
class Surface {
public:
    virtual ~Surface() = default;

    // Makes the surface w by h pixels; false when it cannot be created.
    virtual bool Resize(int w, int h) = 0;
    virtual int PixelWidth() const = 0;
    virtual int PixelHeight() const = 0;

    float Scale() const { return mScale; }
    void SetScale(float unitsPerPixel) { mScale = unitsPerPixel > 0 ? unitsPerPixel : 1.0f; }
    // The user scale size in layout units.
    float ScaleWidth() const { return mScale * static_cast<float>(PixelWidth()); }
    float ScaleHeight() const { return mScale * static_cast<float>(PixelHeight()); }

    int DrawWidth() const { return mDrawWidth; }
    virtual void SetDrawWidth(int pixels) { mDrawWidth = pixels < 1 ? 1 : pixels; }

    // The current point; every line leaves it at the line's end.
    float CurrentX = 0;
    float CurrentY = 0;

    void Line(model::Point p, model::Point q, Colour colour) {
        DrawSegment(p, q, colour);
        CurrentX = q.X;
        CurrentY = q.Y;
    }
    // Arc about c from start to end, counter-clockwise as seen, through 0 when start
    // is larger than end; equal angles draw the full circle.
    virtual void Arc(model::Point c, float radius, Colour colour, float start, float end) = 0;
    // Paints the union of the closed outlines solid in the colour.
    virtual void Fill(const std::vector<Contour>& region, Colour colour) = 0;

    const Font& GetFont() const { return mFont; }
    virtual void SetFont(const Font& font) { mFont = font; }
    Colour ForeColor() const { return mForeColor; }
    virtual void SetForeColor(Colour colour) { mForeColor = colour; }
    // Writes the text with its top-left corner at the current point.
    virtual void Print(const std::string& text) = 0;
    virtual TextExtent MeasureText(const std::string& text) const = 0;

    // Paints the whole surface white.
    virtual void Clear() = 0;
    // Paints white only these pixels of the whole picture (see SetPixelOrigin); a
    // surface that cannot clear a part clears the whole.
    virtual void ClearPixels(int /*x*/, int /*y*/, int /*w*/, int /*h*/) { Clear(); }
    // Plain pixel copy: this surface's whole area from source pixel (sx, sy) on.
    virtual void CopyFrom(const Surface& source, int sx, int sy) = 0;
    // The drawing is complete for now; a shown surface may repaint.
    virtual void Refresh() {}

    // The pixel of a larger picture that this surface's top-left corner shows: what is
    // drawn at p lands on pixel p / scale - origin. A tile of the board is drawn in the
    // whole board's own pixel coordinates and moved by whole pixels only, so that it
    // shows exactly the pixels of the whole picture.
    int PixelOriginX() const { return mPixelOriginX; }
    int PixelOriginY() const { return mPixelOriginY; }
    virtual void SetPixelOrigin(int x, int y) {
        mPixelOriginX = x;
        mPixelOriginY = y;
    }
    // Drawing only inside these pixels of the whole picture until Unclip. Meant for lines
    // along the axes: a clip may step a slanted line from another start.
    virtual void ClipToPixels(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void Unclip() {}
    // Only these pixels of the whole picture are kept from now on, until KeepAllPixels:
    // the surface may leave out a line or arc that cannot reach them. Unlike a clip it
    // changes nothing else, and a surface may ignore it.
    virtual void KeepOnlyPixels(int /*x*/, int /*y*/, int /*w*/, int /*h*/) {}
    virtual void KeepAllPixels() {}

protected:
    virtual void DrawSegment(model::Point p, model::Point q, Colour colour) = 0;

private:
    float mScale = 1;
    int mDrawWidth = 1;
    Font mFont;
    Colour mForeColor = Black;
    int mPixelOriginX = 0;
    int mPixelOriginY = 0;
};

} // namespace ferrovane::render
