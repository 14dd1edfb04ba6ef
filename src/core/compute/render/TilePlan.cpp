#include "core/compute/render/TilePlan.h"

#include <algorithm>
#include <utility>

#include "core/compute/render/BoardAreaDriver.h"

namespace ferrovane::render {

TilePlan::TilePlan(int tileSize, std::int64_t budgetBytes)
    : mGrid(tileSize), mFitted(tileSize == FittedTiles), mLru(budgetBytes) {}

void TilePlan::Restart() {
    ++mEpoch;
    mFitDue = mFitted;
    mTiles.clear();
    mLru.Clear();
    mInFlight = 0;
    mAllDirty = 0;
    mDropAll = true;
}

void TilePlan::Show(BoardSnapshotPtr snapshot, float scale) {
    if (!snapshot) return;
    if (!mSnapshot || scale != mScale) {
        Restart();
        mScale = scale;
        mSnapshot = std::move(snapshot);
        return;
    }
    const BoardChange change = CompareSnapshots(*mSnapshot, *snapshot);
    const std::uint64_t serial = snapshot->Serial;
    if (change.Everything) {
        mAllDirty = serial;
    } else {
        const int margin = std::max(PenMargin(*mSnapshot), PenMargin(*snapshot));
        for (const DrawnBox& area : change.Areas) {
            for (const TileKey key : mGrid.Covering(PixelsOf(area, mScale, margin))) {
                const auto it = mTiles.find(key);
                if (it != mTiles.end()) it->second.Dirty = serial;
            }
        }
    }
    mSnapshot = std::move(snapshot);
}

bool TilePlan::TakeDropAll() {
    return std::exchange(mDropAll, false);
}

std::uint64_t TilePlan::Wanted(const TileState& state) const {
    return std::max({state.Dirty, mAllDirty, std::uint64_t{1}});
}

bool TilePlan::NeedsDrawing(TileKey key) const {
    const auto it = mTiles.find(key);
    if (it == mTiles.end()) return true;
    const std::uint64_t wanted = Wanted(it->second);
    return it->second.Drawn < wanted && it->second.Drawing < wanted;
}

std::vector<TileJob> TilePlan::Request(const PixelRect& visible, int marginTiles,
                                       std::size_t most) {
    std::vector<TileJob> jobs;
    if (!mSnapshot || visible.Empty()) return jobs;
    if (std::exchange(mFitDue, false)) mGrid = TileGrid::Fitted(visible, FittedColumns, FittedRows);
    std::vector<TileKey> keys = mGrid.Covering(visible);
    for (const TileKey key : keys)
        mLru.Touch(key);
    // Nearest the window's centre first: that is where the eye is.
    const auto fromCentre = [&](const std::vector<TileKey>::iterator first) {
        const std::int64_t cx = visible.X + visible.W / 2, cy = visible.Y + visible.H / 2;
        const auto distance = [&](TileKey key) {
            const PixelRect r = mGrid.Rect(key);
            const std::int64_t dx = r.X + r.W / 2 - cx, dy = r.Y + r.H / 2 - cy;
            return dx * dx + dy * dy;
        };
        std::stable_sort(first, keys.end(),
                         [&](TileKey a, TileKey b) { return distance(a) < distance(b); });
    };
    fromCentre(keys.begin());
    const auto visibleCount = static_cast<std::ptrdiff_t>(keys.size());
    if (marginTiles > 0) {
        const std::int64_t mx = static_cast<std::int64_t>(marginTiles) * mGrid.Width();
        const std::int64_t my = static_cast<std::int64_t>(marginTiles) * mGrid.Height();
        const PixelRect around{visible.X - mx, visible.Y - my, visible.W + 2 * mx,
                               visible.H + 2 * my};
        for (const TileKey key : mGrid.Covering(around))
            if (!mGrid.Rect(key).Intersects(visible)) keys.push_back(key);
        fromCentre(keys.begin() + visibleCount);
    }
    for (const TileKey key : keys) {
        if (jobs.size() >= most) break;
        if (!NeedsDrawing(key)) continue;
        TileState& state = mTiles[key];
        if (state.Drawing == 0) ++mInFlight;
        state.Drawing = mSnapshot->Serial;
        jobs.push_back(TileJob{key, mGrid.Rect(key), mScale, mEpoch, mSnapshot});
    }
    return jobs;
}

TilePlan::Arrival TilePlan::Arrive(const TileJob& job, std::int64_t bytes,
                                   const PixelRect& visible) {
    Arrival arrival;
    if (job.Epoch != mEpoch || !job.Snapshot) return arrival;
    const auto it = mTiles.find(job.Key);
    if (it == mTiles.end()) return arrival;
    TileState& state = it->second;
    const std::uint64_t serial = job.Snapshot->Serial;
    if (state.Drawing == serial) {
        state.Drawing = 0;
        --mInFlight;
    }
    if (serial <= state.Drawn) return arrival;
    state.Drawn = serial;
    arrival.Keep = true;
    const auto keep = [&](TileKey key) { return mGrid.Rect(key).Intersects(visible); };
    arrival.Drop = mLru.Put(job.Key, bytes, keep);
    for (const TileKey key : arrival.Drop) {
        const auto dropped = mTiles.find(key);
        if (dropped == mTiles.end()) continue;
        if (dropped->second.Drawing != 0) {
            // Its job still comes back, and is then drawn into a fresh book entry.
            dropped->second.Drawn = 0;
            continue;
        }
        mTiles.erase(dropped);
    }
    return arrival;
}

bool TilePlan::Has(TileKey key) const {
    const auto it = mTiles.find(key);
    return it != mTiles.end() && it->second.Drawn != 0;
}

bool TilePlan::Current(TileKey key) const {
    const auto it = mTiles.find(key);
    return it != mTiles.end() && it->second.Drawn != 0 && it->second.Drawn >= Wanted(it->second);
}

bool TilePlan::Complete(const PixelRect& visible) const {
    for (const TileKey key : mGrid.Covering(visible))
        if (!Current(key)) return false;
    return true;
}

} // namespace ferrovane::render
