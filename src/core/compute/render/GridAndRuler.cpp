#include "core/compute/render/GridAndRuler.h"

#include <cmath>
#include <string>

namespace ferrovane::render {

namespace {

// Long loops stop here: far more lines than any board can show.
constexpr int MaxLines = 100000;

long long RoundToLong(double v) {
    if (!(v > -9e15 && v < 9e15)) return 0;
    return static_cast<long long>(std::nearbyint(v));
}

} // namespace

long long RoundedMod(float v, long long m) {
    return RoundToLong(v) % m;
}

void SetGrid(Surface& surface, const app::Settings& settings, int w, int h) {
    surface.SetDrawWidth(1);
    const Colour c = settings.GridColor;
    if (settings.GridWidth > 0) {
        float x = settings.GridWidth;
        int n = 0;
        do {
            surface.Line({x, 0}, {x, static_cast<float>(h)}, c);
            x += settings.GridWidth;
        } while (x <= static_cast<float>(w) && ++n < MaxLines);
    }
    if (settings.GridHeight > 0) {
        float y = settings.GridHeight;
        int n = 0;
        do {
            surface.Line({0, y}, {static_cast<float>(w), y}, c);
            y += settings.GridHeight;
        } while (y <= static_cast<float>(h) && ++n < MaxLines);
    }
}

void SetMemori(Surface& surface, const app::Settings& settings, const TScreen& screen,
               int layoutWidth, int layoutHeight) {
    // Ticks stop at the board's far edges, as its numbers do.
    const float lastX = static_cast<float>(layoutWidth) - screen.Left;
    const float lastY = static_cast<float>(layoutHeight) - screen.Top;
    surface.SetDrawWidth(1);
    const Colour c = settings.GridColor;
    const float stepX = static_cast<float>(settings.GridWidth) / 5;
    const long long roundedX = RoundToLong(stepX);
    if (roundedX > 0) {
        float x = stepX - static_cast<float>(RoundedMod(screen.Left, roundedX));
        for (int n = 0; x <= screen.Width && x <= lastX && n < MaxLines; ++n, x += stepX) {
            surface.Line({x, 0}, {x, RulerTickLength}, c);
        }
    }
    const float stepY = static_cast<float>(settings.GridHeight) / 5;
    const long long roundedY = RoundToLong(stepY);
    if (roundedY > 0) {
        float y = stepY - static_cast<float>(RoundedMod(screen.Top, roundedY));
        for (int n = 0; y <= screen.Height && y <= lastY && n < MaxLines; ++n, y += stepY) {
            surface.Line({0, y}, {RulerTickLength, y}, c);
        }
    }
}

long long LabelStep(long long grid, float labelExtent) {
    // Labels keep at least half their own extent apart; the step stays a multiple of
    // the grid, so every label still sits on a grid line.
    const float needed = labelExtent * 1.5f;
    long long step = grid;
    for (int i = 0; step < needed && i < 18; ++i)
        step *= (i % 2 == 1) ? 5 : 2; // 1, 2, 10, 20, 100, 200, ... grid spacings
    return step;
}

namespace {

// The labels along one edge: across (true) the top, or down the left. `from` and
// `visible` are the window's start and extent along that edge, `size` the board's.
void NumberEdge(Surface& surface, bool across, long long grid, float from, float visible,
                int size) {
    // The largest label a board this size can show decides the step.
    const TextExtent largest = surface.MeasureText(std::to_string(size));
    const long long g = LabelStep(grid, across ? largest.Width : largest.Height);
    float offset = static_cast<float>(g - RoundedMod(from, g));
    long long n = RoundToLong(from + offset);
    for (int k = 0; offset <= visible && n <= size && k < MaxLines; ++k) {
        const std::string text = std::to_string(n);
        const TextExtent extent = surface.MeasureText(text);
        surface.CurrentX = across ? offset - extent.Width / 2 : 2;
        surface.CurrentY = across ? 2 : offset - extent.Height / 2;
        surface.Print(text);
        offset += static_cast<float>(g);
        n += g;
    }
}

} // namespace

void SetNumber(Surface& surface, const app::Settings& settings, const TScreen& screen,
               int layoutWidth, int layoutHeight) {
    surface.SetFont(Font{settings.WindowFontName, NumberFontSize, false, true, false});
    surface.SetForeColor(Black);
    if (settings.GridWidth > 0)
        NumberEdge(surface, true, settings.GridWidth, screen.Left, screen.Width, layoutWidth);
    if (settings.GridHeight > 0)
        NumberEdge(surface, false, settings.GridHeight, screen.Top, screen.Height, layoutHeight);
}

} // namespace ferrovane::render
