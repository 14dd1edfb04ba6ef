#pragma once

#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::catalogue {

enum class CatalogueReadStatus {
    Loaded,  // the workspace holds the new catalogue
    Missing, // no such file; nothing changed (the caller asks for another file)
    Failed,  // a read error, reported to the user; nothing changed
};

// Reads the catalogue file at path into a fresh catalogue; the workspace takes it, and
// RTypeFileName the path, only when the whole file was read. Then the tool box refills
// its lists.
CatalogueReadStatus ReadCatalogue(app::Workspace& ws, const std::string& path);

} // namespace ferrovane::catalogue
