#include "core/compute/render/BoardSnapshot.h"

#include <algorithm>
#include <atomic>

#include "core/compute/render/BoundsSurface.h"
#include "core/compute/render/DrawContext.h"
#include "core/compute/render/RailColor.h"
#include "core/compute/render/RailDispatch.h"

namespace ferrovane::render {

namespace {

std::atomic<std::uint64_t> NextSerial{1};

bool Drawn(const std::vector<model::Rail>& rails, int i) {
    return i >= 1 && i < static_cast<int>(rails.size()) && rails[static_cast<std::size_t>(i)].Valid;
}

} // namespace

DrawnBox MeasureRailBox(const std::vector<model::Rail>& rails, const app::Settings& settings,
                        int index) {
    if (!Drawn(rails, index)) return {};
    BoundsSurface bounds;
    const DrawContext context{rails, settings, {0, 0}, false};
    DrawRailByKind(context, index, GetRailColor(context, index), bounds, true);
    return bounds.Box;
}

bool SameBoardLook(const app::Settings& a, const app::Settings& b) {
    return a.RailWidth == b.RailWidth && a.RailCenter == b.RailCenter &&
           a.RailColor == b.RailColor && a.NextRailColor == b.NextRailColor &&
           a.HighlightRailColor == b.HighlightRailColor && a.GridColor == b.GridColor &&
           a.GridWidth == b.GridWidth && a.GridHeight == b.GridHeight &&
           a.FlexibleDivides == b.FlexibleDivides && a.SmoothDisplay == b.SmoothDisplay;
}

BoardSnapshotPtr MakeBoardSnapshot(const model::Layout& layout, const app::Settings& settings,
                                   bool isGrid, const BoardSnapshot* previous) {
    auto s = std::make_shared<BoardSnapshot>();
    const int last = std::min(layout.RailCount, static_cast<int>(layout.Rails.size()) - 1);
    s->Rails.assign(layout.Rails.begin(), layout.Rails.begin() + std::max(last, 0) + 1);
    if (!s->Rails.empty()) s->Rails[0] = model::Rail{}; // the preview is not the board's
    s->Settings = settings;
    s->LayoutWidth = layout.LayoutWidth;
    s->LayoutHeight = layout.LayoutHeight;
    s->IsGrid = isGrid;
    s->Serial = NextSerial.fetch_add(1);
    const bool reuse = previous != nullptr && SameBoardLook(previous->Settings, settings);
    s->RailBoxes.resize(s->Rails.size());
    for (int i = 1; i <= s->LastRail(); ++i) {
        const auto u = static_cast<std::size_t>(i);
        const model::Rail& rail = s->Rails[u];
        if (!rail.Valid) continue;
        if (rail.Upper) s->MaxPenWidth = ElevatedPenWidth;
        if (reuse && i <= previous->LastRail() && previous->Rails[u] == rail)
            s->RailBoxes[u] = previous->RailBoxes[u];
        else
            s->RailBoxes[u] = MeasureRailBox(s->Rails, settings, i);
    }
    return s;
}

const RailBuckets& BoardSnapshot::Buckets() const {
    std::call_once(mBucketsMade, [this] { mBuckets = RailBuckets(RailBoxes); });
    return mBuckets;
}

BoardChange CompareSnapshots(const BoardSnapshot& before, const BoardSnapshot& after) {
    BoardChange change;
    if (before.LayoutWidth != after.LayoutWidth || before.LayoutHeight != after.LayoutHeight ||
        before.IsGrid != after.IsGrid || !SameBoardLook(before.Settings, after.Settings)) {
        change.Everything = true;
        return change;
    }
    const int last = std::max(before.LastRail(), after.LastRail());
    for (int i = 1; i <= last; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const bool was = Drawn(before.Rails, i), is = Drawn(after.Rails, i);
        if (!was && !is) continue;
        if (was && is && before.Rails[u] == after.Rails[u]) continue;
        if (was && !before.RailBoxes[u].Empty()) change.Areas.push_back(before.RailBoxes[u]);
        if (is && !after.RailBoxes[u].Empty()) change.Areas.push_back(after.RailBoxes[u]);
    }
    return change;
}

} // namespace ferrovane::render
