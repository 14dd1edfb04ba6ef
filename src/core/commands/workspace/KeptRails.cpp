#include "core/commands/workspace/KeptRails.h"

#include "core/values/model/Layout.h"

namespace ferrovane::editor {

void KeptRails::Keep(const model::Layout& layout, int n) {
    if (n < 1 || n > layout.RailCount) return;
    mRails.emplace_back(n, layout.Rails[static_cast<std::size_t>(n)]);
}

void KeptRails::KeepPositions(const model::Layout& layout) {
    if (!mPositions) mPositions.emplace(layout);
}

void KeptRails::PutBack(model::Layout& layout) const {
    for (const auto& [n, rail] : mRails)
        if (n <= layout.RailCount) layout.Rails[static_cast<std::size_t>(n)] = rail;
    // A record kept after a move of the same action was taken back holds the positions
    // of before the move; the positions kept when the move was taken back go last.
    if (mPositions) mPositions->RestoreInto(layout);
}

} // namespace ferrovane::editor
