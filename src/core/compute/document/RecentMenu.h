#pragma once

#include <string>
#include <vector>

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::document {

// One recent-file menu item (mnuRecentFile(Index)) to enable, show and caption.
struct RecentMenuItem {
    int Index = 0;
    std::string Caption;
    bool operator==(const RecentMenuItem&) const = default;
};

// The items of the non-empty recent entries. Items of empty entries keep their state
// (hidden at start), so the window leaves them alone.
std::vector<RecentMenuItem> RecentMenuItems(const model::Layout& layout);

} // namespace ferrovane::document
