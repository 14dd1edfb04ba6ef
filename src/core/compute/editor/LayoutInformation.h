#pragma once

#include <string>
#include <vector>

#include "core/values/model/RailIndex.h"

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::editor {

// The figures of the layout-information window.
struct LayoutInformation {
    model::Extents Extent; // of the placed rails, with the usual margin
    int ExtentWidth = 0;   // Extent.MaxX - Extent.MinX
    int ExtentHeight = 0;  // Extent.MaxY - Extent.MinY
    int LayoutWidth = 0;   // the board size set
    int LayoutHeight = 0;
    int RailPieces = 0; // live rails of kinds below 5: pieces, not labels or groups
};

LayoutInformation GetLayoutInformation(const model::Layout& layout);

// The window's lines: "W x H  (設定サイズ : LW x LH)" and "N本".
std::vector<std::string> LayoutInformationLines(const LayoutInformation& info);

} // namespace ferrovane::editor
