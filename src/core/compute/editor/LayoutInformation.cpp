#include "core/compute/editor/LayoutInformation.h"

#include <cstdint>

#include "core/values/model/Layout.h"

namespace ferrovane::editor {

namespace {
// Kinds below this are counted as pieces: straights, curves, points and flexible
// rails, but no rail-box rails or labels.
constexpr std::uint8_t CountedPieceKindEnd = 5;
} // namespace

LayoutInformation GetLayoutInformation(const model::Layout& layout) {
    LayoutInformation info;
    info.Extent = model::GetLayoutExtents(layout);
    info.ExtentWidth = info.Extent.MaxX - info.Extent.MinX;
    info.ExtentHeight = info.Extent.MaxY - info.Extent.MinY;
    info.LayoutWidth = layout.LayoutWidth;
    info.LayoutHeight = layout.LayoutHeight;
    for (int n = 1; n <= layout.RailCount; ++n) {
        const model::Rail& r = layout.Rails[n];
        if (r.Valid && r.Kind < CountedPieceKindEnd) ++info.RailPieces;
    }
    return info;
}

std::vector<std::string> LayoutInformationLines(const LayoutInformation& info) {
    return {std::to_string(info.ExtentWidth) + " x " + std::to_string(info.ExtentHeight) +
                "  (設定サイズ : " + std::to_string(info.LayoutWidth) + " x " +
                std::to_string(info.LayoutHeight) + ")",
            std::to_string(info.RailPieces) + "本"};
}

} // namespace ferrovane::editor
