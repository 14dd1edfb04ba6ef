#pragma once

#include <string>
#include <vector>

#include "core/compute/render/Surface.h"

namespace ferrovane::testing {

// A surface that draws nothing and records every primitive as one line of text, with
// coordinates to three decimals, so tests compare exact call sequences:
//   "L x1,y1 x2,y2 #colour wN", "A cx,cy rR a..b #colour wN", "F n #colour",
//   "T x,y 'text' #colour font", "C sx,sy", "X" (clear).
class RecordingSurface : public render::Surface {
public:
    RecordingSurface(int w = 100, int h = 100) : mW(w), mH(h) {}

    bool Resize(int w, int h) override;
    int PixelWidth() const override { return mW; }
    int PixelHeight() const override { return mH; }
    void Arc(model::Point c, float radius, render::Colour colour, float start, float end) override;
    void Fill(const std::vector<render::Contour>& region, render::Colour colour) override;
    void Print(const std::string& text) override;
    render::TextExtent MeasureText(const std::string& text) const override;
    void Clear() override { Calls.push_back("X"); }
    void CopyFrom(const render::Surface& source, int sx, int sy) override;
    void ClipToPixels(int x, int y, int w, int h) override {
        Calls.push_back("K " + std::to_string(x) + "," + std::to_string(y) + " " +
                        std::to_string(w) + "x" + std::to_string(h));
    }
    void Unclip() override { Calls.push_back("K"); }
    void SetPixelOrigin(int x, int y) override {
        render::Surface::SetPixelOrigin(x, y);
        Calls.push_back("O " + std::to_string(x) + "," + std::to_string(y));
    }

    std::vector<std::string> Calls;
    bool FailResize = false;
    int Resizes = 0;

protected:
    void DrawSegment(model::Point p, model::Point q, render::Colour colour) override;

private:
    int mW, mH;
};

// A number to three decimals without trailing zeros ("-0" becomes "0").
std::string Num(double v);

// Only the calls starting with the given letter.
std::vector<std::string> CallsOf(const std::vector<std::string>& calls, char kind);

} // namespace ferrovane::testing
