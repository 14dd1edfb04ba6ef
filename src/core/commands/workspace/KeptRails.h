#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/values/model/Rail.h"
#include "core/values/model/RailPositions.h"

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::editor {

// The rails an undo changed, as they were before it: what doing the action again puts
// back, so that a redo gives every field of every record exactly, stale link fields of
// free ends included. A move of the whole layout keeps only positions, which is all it
// changes and far less than every record.
class KeptRails {
public:
    // Keeps rail n as it is now; the caller keeps each rail once, before it changes.
    void Keep(const model::Layout& layout, int n);
    // Keeps the positions of every rail as they are now, once.
    void KeepPositions(const model::Layout& layout);
    // Puts every kept rail, then the kept positions, back into the layout. The index is
    // not touched.
    void PutBack(model::Layout& layout) const;

    // The kept rails, each with its number.
    const std::vector<std::pair<std::int32_t, model::Rail>>& Rails() const { return mRails; }
    bool HasPositions() const { return mPositions.has_value(); }

private:
    std::vector<std::pair<std::int32_t, model::Rail>> mRails;
    std::optional<model::RailPositions> mPositions;
};

} // namespace ferrovane::editor
