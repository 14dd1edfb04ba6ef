#pragma once

#include <vector>

#include "core/compute/render/Primitives.h"
#include "core/values/model/Rail.h"
#include "core/values/settings/Settings.h"

namespace ferrovane::render {

// What the rail drawers read besides the surface: the rail array, the settings, the
// origin of the surface being drawn and whether highlighted rails are being drawn.
struct DrawContext {
    const std::vector<model::Rail>& Rails;
    const app::Settings& Settings;
    ViewOrigin Origin;
    bool IsHighlighting = false;

    // The rail at index, or nullptr when the index is outside the array.
    const model::Rail* RailAt(int index) const {
        if (index < 0 || index >= static_cast<int>(Rails.size())) return nullptr;
        return &Rails[static_cast<std::size_t>(index)];
    }
    // The rail at index when it exists and is live.
    const model::Rail* ValidRailAt(int index) const {
        const model::Rail* rail = RailAt(index);
        return rail != nullptr && rail->Valid ? rail : nullptr;
    }
};

} // namespace ferrovane::render
