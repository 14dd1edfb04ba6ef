#include "core/compute/render/Zoom.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace ferrovane::render {

namespace {

constexpr int FitStepMax = 50;

// The smallest k in 1..50 with extent < k * pixels, else 0.
int FitStep(std::int64_t extent, int pixels) {
    for (int k = 1; k <= FitStepMax; ++k) {
        if (extent < static_cast<std::int64_t>(k) * pixels) return k;
    }
    return 0;
}

} // namespace

std::optional<float> ZoomForMenuItem(int item) {
    switch (item) {
    case 0:
        return 0.0f;
    case 1:
        return 1.0f / 3.0f;
    case 2:
        return 1.0f;
    case 3:
        return 3.0f;
    default:
        return std::nullopt;
    }
}

int NearestZoomItem(float zoom) {
    const double percent = 100.0 / (static_cast<double>(zoom) + 1);
    int best = 0;
    double bestDistance = -1;
    for (int item = 0; item < ZoomItemFit; ++item) {
        const double p = 100.0 / (static_cast<double>(*ZoomForMenuItem(item)) + 1);
        const double distance = std::fabs(p - percent);
        if (bestDistance < 0 || distance < bestDistance) {
            best = item;
            bestDistance = distance;
        }
    }
    return best;
}

int ZoomPercent(float zoom) {
    const double p = 100.0 / (static_cast<double>(zoom) + 1);
    if (!(p > 0) || p > 1e6) return 0;
    return static_cast<int>(std::nearbyint(p));
}

float FitZoom(const model::Extents& extents, int pixelWidth, int pixelHeight) {
    const int kx = FitStep(static_cast<std::int64_t>(extents.MaxX) - extents.MinX, pixelWidth);
    const int ky = FitStep(static_cast<std::int64_t>(extents.MaxY) - extents.MinY, pixelHeight);
    // A direction that does not fit at the largest step must not let the other one
    // choose a zoom at which the layout overflows.
    if (kx == 0 || ky == 0) return static_cast<float>(FitStepMax);
    return static_cast<float>(std::max(kx, ky));
}

std::optional<ZoomDialogResult> ApplyZoomDialog(const std::string& text) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int p = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        p = p * 10 + (c - '0');
    }
    // The text takes the track bar's range, no more.
    if (p < ZoomTrackMin || p > ZoomTrackMax) return std::nullopt;
    ZoomDialogResult result;
    if (text == "25")
        result.CheckedItem = 3;
    else if (text == "50")
        result.CheckedItem = 2;
    else if (text == "75")
        result.CheckedItem = 1;
    else if (text == "100")
        result.CheckedItem = 0;
    result.Zoom = static_cast<float>(100.0 / p - 1);
    return result;
}

} // namespace ferrovane::render
