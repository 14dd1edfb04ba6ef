#include "core/compute/document/RecentFiles.h"

#include <algorithm>

#include "core/values/model/Layout.h"

namespace ferrovane::document {

void AddRecentFile(model::Layout& layout, const std::string& path) {
    if (path.empty()) return;
    auto& list = layout.RecentFiles;
    if (std::find(list.begin(), list.end(), path) != list.end()) return;
    std::move_backward(list.begin(), list.end() - 1, list.end());
    list.front() = path;
}

} // namespace ferrovane::document
