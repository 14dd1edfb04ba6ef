#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/values/model/Rail.h"
#include "core/values/model/RailIndex.h"

namespace ferrovane::model {

inline constexpr int MaxRailCount = 32767;
inline constexpr int DefaultLayoutSize = 2000;

// The open layout: the rail array (slot 0 is the preview slot), its counts, the board
// size, the spatial index and the document's file names.
struct Layout {
    std::vector<Rail> Rails = std::vector<Rail>(2); // 0 To RailCount (at least 0 To 1)
    std::int32_t RailCount = 0;
    std::int32_t SavedRailCount = 0;
    bool Modified = false;
    std::int32_t LayoutWidth = DefaultLayoutSize;
    std::int32_t LayoutHeight = DefaultLayoutSize;
    RailIndex Index;
    std::string LayoutFileName;
    std::array<std::string, 5> RecentFiles;

    // Empties the rail array as a new layout does; the board size and names stay.
    void ClearRails();
    // Grows the array by one zero-filled slot and makes it the committed count.
    Rail& AppendRail();
    bool IsLive(int n) const { return n >= 1 && n <= RailCount && Rails[n].Valid; }
};

// A new layout: no rails, a 2000 by 2000 board, not modified.
Layout NewLayout();

} // namespace ferrovane::model
