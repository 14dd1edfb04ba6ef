#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <unordered_map>
#include <vector>

#include "core/compute/render/TileGrid.h"

namespace ferrovane::render {

// At most this much memory goes to drawn tiles unless the caller says otherwise: five
// full-HD screens with their margins, which keeps the whole program of a 30,000-rail
// layout toured at 100 % under 400 MB.
inline constexpr std::int64_t DefaultTileBudgetBytes = 160LL * 1024 * 1024;

// Which drawn tiles to keep within a memory budget: the least recently used go first,
// never one the caller still needs (the visible ones).
class TileLru {
public:
    explicit TileLru(std::int64_t budgetBytes = DefaultTileBudgetBytes) : mBudget(budgetBytes) {}

    // The tile was used: it goes to the back of the queue.
    void Touch(TileKey key);
    // Keeps a tile of that many bytes (replacing its old size) as the most recently
    // used, and returns the tiles to drop so that the rest fits the budget, oldest
    // first. keep may spare tiles; when only kept ones are left the budget is
    // exceeded rather than a needed tile dropped.
    std::vector<TileKey> Put(TileKey key, std::int64_t bytes,
                             const std::function<bool(TileKey)>& keep = {});
    void Erase(TileKey key);
    void Clear();
    bool Contains(TileKey key) const { return mEntries.count(key) != 0; }
    std::int64_t UsedBytes() const { return mUsed; }
    std::int64_t Budget() const { return mBudget; }
    std::size_t Count() const { return mEntries.size(); }

private:
    struct Entry {
        std::list<TileKey>::iterator Where;
        std::int64_t Bytes = 0;
    };
    std::int64_t mBudget;
    std::int64_t mUsed = 0;
    std::list<TileKey> mOrder; // least recently used first
    std::unordered_map<TileKey, Entry, TileKeyHash> mEntries;
};

} // namespace ferrovane::render
