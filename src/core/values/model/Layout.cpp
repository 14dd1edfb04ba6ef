#include "core/values/model/Layout.h"

namespace ferrovane::model {

void Layout::ClearRails() {
    Rails.assign(2, Rail{});
    RailCount = 0;
    SavedRailCount = 0;
    Index = RailIndex{};
}

Rail& Layout::AppendRail() {
    ++RailCount;
    if (static_cast<int>(Rails.size()) <= RailCount) Rails.resize(RailCount + 1);
    Rails[RailCount] = Rail{};
    SavedRailCount = RailCount;
    return Rails[RailCount];
}

Layout NewLayout() {
    return Layout{};
}

} // namespace ferrovane::model
