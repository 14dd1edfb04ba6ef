#include "core/compute/render/PictureFit.h"

#include <algorithm>

#include "core/values/model/RailIndex.h"

namespace ferrovane::render {

PictureFit FitRailsInPicture(const std::vector<model::Rail>& rails, int width, int height,
                             int marginPixels) {
    const float w = static_cast<float>(std::max(1, width - 2 * marginPixels));
    const float h = static_cast<float>(std::max(1, height - 2 * marginPixels));
    bool any = false;
    model::Extents box{0, 0, 0, 0};
    for (const model::Rail& r : rails) {
        if (!r.Valid) continue;
        const model::Extents e = model::RailExtents(r);
        box = any ? model::Extents{std::min(box.MinX, e.MinX), std::min(box.MinY, e.MinY),
                                   std::max(box.MaxX, e.MaxX), std::max(box.MaxY, e.MaxY)}
                  : e;
        any = true;
    }
    PictureFit fit;
    if (!any) {
        fit.Origin = {-static_cast<float>(width) / 2, -static_cast<float>(height) / 2};
        return fit;
    }
    const float spanX = static_cast<float>(box.MaxX - box.MinX);
    const float spanY = static_cast<float>(box.MaxY - box.MinY);
    fit.Scale = std::max({spanX / w, spanY / h, 0.05f});
    const float centreX = (static_cast<float>(box.MinX) + static_cast<float>(box.MaxX)) / 2;
    const float centreY = (static_cast<float>(box.MinY) + static_cast<float>(box.MaxY)) / 2;
    fit.Origin = {centreX - fit.Scale * static_cast<float>(width) / 2,
                  centreY - fit.Scale * static_cast<float>(height) / 2};
    return fit;
}

} // namespace ferrovane::render
