#include "core/compute/document/RecentMenu.h"

#include "core/values/model/Layout.h"

namespace ferrovane::document {

std::vector<RecentMenuItem> RecentMenuItems(const model::Layout& layout) {
    std::vector<RecentMenuItem> items;
    for (int i = 0; i < static_cast<int>(layout.RecentFiles.size()); ++i) {
        if (!layout.RecentFiles[i].empty()) items.push_back({i, layout.RecentFiles[i]});
    }
    return items;
}

} // namespace ferrovane::document
