#include "core/compute/render/TileLru.h"

namespace ferrovane::render {

void TileLru::Touch(TileKey key) {
    const auto it = mEntries.find(key);
    if (it == mEntries.end()) return;
    mOrder.splice(mOrder.end(), mOrder, it->second.Where);
}

std::vector<TileKey> TileLru::Put(TileKey key, std::int64_t bytes,
                                  const std::function<bool(TileKey)>& keep) {
    const auto it = mEntries.find(key);
    if (it != mEntries.end()) {
        mUsed -= it->second.Bytes;
        it->second.Bytes = bytes;
        mOrder.splice(mOrder.end(), mOrder, it->second.Where);
    } else {
        mOrder.push_back(key);
        mEntries[key] = Entry{std::prev(mOrder.end()), bytes};
    }
    mUsed += bytes;
    std::vector<TileKey> dropped;
    auto at = mOrder.begin();
    while (mUsed > mBudget && at != mOrder.end()) {
        const TileKey candidate = *at;
        if (candidate == key || (keep && keep(candidate))) {
            ++at;
            continue;
        }
        at = mOrder.erase(at);
        const auto entry = mEntries.find(candidate);
        mUsed -= entry->second.Bytes;
        mEntries.erase(entry);
        dropped.push_back(candidate);
    }
    return dropped;
}

void TileLru::Erase(TileKey key) {
    const auto it = mEntries.find(key);
    if (it == mEntries.end()) return;
    mUsed -= it->second.Bytes;
    mOrder.erase(it->second.Where);
    mEntries.erase(it);
}

void TileLru::Clear() {
    mOrder.clear();
    mEntries.clear();
    mUsed = 0;
}

} // namespace ferrovane::render
