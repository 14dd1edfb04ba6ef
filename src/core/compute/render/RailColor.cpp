#include "core/compute/render/RailColor.h"

namespace ferrovane::render {

Colour GetRailColor(const DrawContext& context, int index) {
    if (index == 0) return context.Settings.NextRailColor;
    if (context.IsHighlighting) return context.Settings.HighlightRailColor;
    const model::Rail* rail = context.RailAt(index);
    return rail != nullptr ? rail->Color : Black;
}

} // namespace ferrovane::render
