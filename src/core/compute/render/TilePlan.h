#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "core/compute/render/BoardSnapshot.h"
#include "core/compute/render/TileGrid.h"
#include "core/compute/render/TileLru.h"

namespace ferrovane::render {

// One tile to draw: where, at which scale, from which snapshot. Epoch tells a job of an
// earlier zoom from a current one when it comes back.
struct TileJob {
    TileKey Key;
    PixelRect Area;
    float Scale = 1;
    std::uint64_t Epoch = 0;
    BoardSnapshotPtr Snapshot;
};

// Tile size 0: the grid is fitted to the window each time a new picture starts (a zoom),
// cutting it into FittedColumns by FittedRows tiles.
inline constexpr int FittedTiles = 0;
inline constexpr int FittedColumns = 3;
inline constexpr int FittedRows = 2;

// The decisions of the tiled board picture: which tiles are drawn and current, which
// a change makes stale, which to draw next (the visible ones first, then a margin
// around them), which to keep within the memory budget. The front end draws the jobs
// (on other threads) and keeps the images; this keeps the books.
class TilePlan {
public:
    explicit TilePlan(int tileSize = FittedTiles,
                      std::int64_t budgetBytes = DefaultTileBudgetBytes);

    // The picture from now on. Another scale starts a new picture (every tile image
    // goes; see TakeDropAll); a new snapshot at the same scale makes stale only the
    // tiles its changes touch.
    void Show(BoardSnapshotPtr snapshot, float scale);
    // Every tile image becomes useless (the screen's pixel density changed): the same
    // snapshot is drawn anew.
    void Restart();
    // True once after the old tile images became useless (another zoom).
    bool TakeDropAll();

    // At most `most` tiles to draw now for a visible window and margin tiles around it:
    // the visible ones first, each group from the window's centre outwards. Each is
    // counted as being drawn until it arrives. Asked again whenever a drawing thread is
    // free, so that the tiles drawn are always those of the latest window.
    std::vector<TileJob> Request(const PixelRect& visible, int marginTiles,
                                 std::size_t most = SIZE_MAX);

    struct Arrival {
        bool Keep = false;           // show this image (it is newer than the one shown)
        std::vector<TileKey> Drop{}; // images to let go of for the budget
    };
    // A drawn tile came back; visible tiles are never dropped for it.
    Arrival Arrive(const TileJob& job, std::int64_t bytes, const PixelRect& visible);

    // An image of the tile is kept (it may be stale and redrawing).
    bool Has(TileKey key) const;
    // Drawn from the latest snapshot, or untouched by every change since.
    bool Current(TileKey key) const;
    // Every tile of the window is current.
    bool Complete(const PixelRect& visible) const;
    // Jobs handed out that have not come back.
    int InFlight() const { return mInFlight; }

    const TileGrid& Grid() const { return mGrid; }
    float Scale() const { return mScale; }
    std::uint64_t Epoch() const { return mEpoch; }
    const BoardSnapshotPtr& Snapshot() const { return mSnapshot; }
    std::int64_t UsedBytes() const { return mLru.UsedBytes(); }

private:
    struct TileState {
        std::uint64_t Drawn = 0;   // serial of the snapshot the kept image shows; 0: none
        std::uint64_t Dirty = 0;   // serial of the latest change touching it
        std::uint64_t Drawing = 0; // serial of the job in flight; 0: none
    };
    std::uint64_t Wanted(const TileState& state) const;
    bool NeedsDrawing(TileKey key) const;

    TileGrid mGrid;
    bool mFitted;         // the grid follows the window of each new picture
    bool mFitDue = false; // ... and is fitted at the next request
    TileLru mLru;
    BoardSnapshotPtr mSnapshot;
    float mScale = 0;
    std::uint64_t mEpoch = 0;
    std::uint64_t mAllDirty = 0;
    bool mDropAll = false;
    int mInFlight = 0;
    std::unordered_map<TileKey, TileState, TileKeyHash> mTiles;
};

} // namespace ferrovane::render
