#pragma once

#include <string>

namespace ferrovane::model {
struct Layout;
}

namespace ferrovane::document {

// Puts path at the top of the layout's recent-file list (entry 0 newest, five entries).
// An empty path is ignored; a path already in the list stays where it is. Paths are
// kept and compared as given: file names on this platform are case-sensitive, so a
// lower-cased entry could name no file at all.
void AddRecentFile(model::Layout& layout, const std::string& path);

} // namespace ferrovane::document
