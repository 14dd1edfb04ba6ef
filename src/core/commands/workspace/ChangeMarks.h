#pragma once

#include <cstdint>
#include <initializer_list>

namespace ferrovane::app {

// What a command changed, for the front end to update just those widgets once per
// event instead of every widget after every call.
enum class Change : std::uint8_t {
    Layout = 1 << 0,    // rails, board size, file name or modified state: title, board
    Selection = 1 << 1, // the selected rails: cut, copy and delete
    Undo = 1 << 2,      // the journal: the undo menu item
    Catalogue = 1 << 3, // the catalogue or its clipboard box: rail lists, paste
    View = 1 << 4,      // zoom and scrolling: scroll bars, zoom label
    Settings = 1 << 5,  // a setting the next start reads
    Tool = 1 << 6,      // the editor's mode or piece: tool box buttons, menu checks
};

class ChangeMarks {
public:
    void Mark(Change change) { mBits |= static_cast<std::uint8_t>(change); }
    void Mark(std::initializer_list<Change> changes) {
        for (Change c : changes)
            Mark(c);
    }
    bool Has(Change change) const { return (mBits & static_cast<std::uint8_t>(change)) != 0; }
    bool Any() const { return mBits != 0; }
    // The marks so far; the set is empty afterwards.
    ChangeMarks Take() {
        ChangeMarks taken = *this;
        mBits = 0;
        return taken;
    }

private:
    std::uint8_t mBits = 0;
};

} // namespace ferrovane::app
