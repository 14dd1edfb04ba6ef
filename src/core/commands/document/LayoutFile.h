#pragma once

#include <functional>
#include <string>

#include "core/values/format/ListDirected.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::document {

struct LoadOptions {
    // Read the catalogue named by RTypeFileName again before the rails, as the editor
    // does. The command line reads its catalogue itself, or none, and asks nothing.
    bool ReloadCatalogue = true;
    // Lets the user choose a catalogue when none is named yet (the name argument comes in
    // empty). Without it nothing is asked and the layout loads with the catalogue held.
    std::function<void(app::Workspace&, std::string& name)> LoadRType;
};

// Writes the open layout to path (empty: LayoutFileName) through a temporary file, so
// a failed save leaves the old file intact. On success Modified is False, the path is
// the layout's file name, first in the recent list and in the title. On failure the
// numbered [#11] message is shown, nothing changes and the result is false.
bool SaveFile(app::Workspace& ws, std::string path);

// Loads the layout file at path (empty: LayoutFileName) into a fresh layout, repairs its
// links and rebuilds the index. Only a complete, valid file replaces the open layout: a
// missing file, a wrong version line or a malformed record shows its message and leaves
// the open layout, its file name, the title and Modified as they were.
bool LoadFile(app::Workspace& ws, std::string path, const LoadOptions& options = {});

// "[#<place>] エラーが発生しました。 エラー番号は <n>。" CR "説明 : <description>": the
// message of a run-time error while reading (place 10) or writing (place 11) a layout.
std::string LayoutFileErrorText(int place, const FileError& error);

inline constexpr int PlaceLayoutRead = 10;
inline constexpr int PlaceLayoutWrite = 11;

} // namespace ferrovane::document
