#include "core/compute/render/ScrollLimits.h"

#include <algorithm>
#include <cmath>

namespace ferrovane::render {

namespace {

int ScrollMax(int layoutSize, float visible) {
    const double m = std::nearbyint(static_cast<double>(layoutSize) - visible);
    if (!(m > 0)) return 0;
    if (m > 2147483647.0) return 2147483647;
    return static_cast<int>(m);
}

void Limit(ScrollBar& bar, float offset, float far, int low, int high, float visible) {
    bar.Enabled = offset != 0 || low < 0 || static_cast<float>(high) >= far;
    bar.Min = low;
    if (bar.Enabled) bar.Max = std::max(low, ScrollMax(high, visible));
    if (bar.Value > bar.Max) bar.Value = bar.Max;
    if (bar.Value < bar.Min) bar.Value = bar.Min;
}

} // namespace

void SetTScreen(View& view, float scaleWidth, float scaleHeight) {
    TScreen& s = view.Screen;
    s.Left = static_cast<float>(view.HScroll.Value);
    s.Top = static_cast<float>(view.VScroll.Value);
    s.Width = scaleWidth;
    s.Height = scaleHeight;
    s.Right = s.Left + s.Width;
    s.Bottom = s.Top + s.Height;
}

void SetScrollLimits(View& view, int layoutWidth, int layoutHeight, const model::Extents& rails) {
    TScreen& s = view.Screen;
    Limit(view.HScroll, s.Left, s.Right, std::min(0, rails.MinX), std::max(layoutWidth, rails.MaxX),
          s.Width);
    Limit(view.VScroll, s.Top, s.Bottom, std::min(0, rails.MinY),
          std::max(layoutHeight, rails.MaxY), s.Height);
    SetTScreen(view, s.Width, s.Height);
}

} // namespace ferrovane::render
