#pragma once

#include <cstdint>

#include "core/compute/document/AutosaveRecord.h"
#include "core/values/model/Layout.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::document {

// What an autosave writes, copied out of the workspace so that another thread can turn
// it into bytes while the editor goes on.
struct AutosaveSnapshot {
    model::Layout Layout; // the rails in use and the board size; no index, no names
    AutosaveRecord Record;
};

// The copy: slots 0..RailCount, the board size, the layout's and the catalogue's paths
// (a never-saved layout's untitled name counts as none).
AutosaveSnapshot TakeAutosaveSnapshot(const app::Workspace& ws, std::int64_t savedAt);

} // namespace ferrovane::document
