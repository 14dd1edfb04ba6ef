#pragma once

#include <vector>

#include "core/compute/render/Primitives.h"
#include "core/values/model/Rail.h"

namespace ferrovane::render {

// How a group of rails is shown whole in a small picture: the scale in layout units per
// pixel and the layout point at the picture's top-left corner, with a margin around.
struct PictureFit {
    float Scale = 1;
    ViewOrigin Origin;
};

// Fits the rails' features (middle points and corners, widened by the margin in
// pixels) into a picture of width by height pixels, centred. Without rails the scale
// is 1 and the origin the picture's centre at (0, 0).
PictureFit FitRailsInPicture(const std::vector<model::Rail>& rails, int width, int height,
                             int marginPixels);

} // namespace ferrovane::render
