#pragma once

#include <string>
#include <utility>
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

    std::string LayoutFileName;    // empty for a layout never saved
    std::string CatalogueFileName; // the catalogue the layout was laid from

    // Live rails by kind.
    int Straights = 0;
    int Curves = 0;
    int Points = 0; // curved points included
    int Flexibles = 0;
    int RailBoxes = 0;     // groups, each counted once by its head
    int RailBoxPieces = 0; // the pieces of those groups, heads included
    int Labels = 0;

    int OpenEnds = 0;       // ends of live pieces joined to nothing
    double TrackLength = 0; // layout units, see geometry::TrackLength
};

// flexibleDivides: the pieces a flexible rail is drawn in, so that its length is the
// one the board shows.
LayoutInformation GetLayoutInformation(const model::Layout& layout,
                                       const std::string& catalogueFileName, int flexibleDivides);

// The window's lines: "W x H  (設定サイズ : LW x LH)" and "N本".
std::vector<std::string> LayoutInformationLines(const LayoutInformation& info);

// Every row of the window, a caption and its value, in the order shown; the two lines
// above are the values of the rows "レールの範囲" and "レール数".
std::vector<std::pair<std::string, std::string>>
LayoutInformationFields(const LayoutInformation& info);

} // namespace ferrovane::editor
