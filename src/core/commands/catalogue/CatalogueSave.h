#pragma once

#include <string>

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::catalogue {

// Writes the workspace's catalogue to RTypeFileName, replacing it. An invalid point or a
// failed write is reported to the user and leaves the file as it was; false then.
bool WriteCatalogue(app::Workspace& ws);
// The same, to another path (RTypeFileName is left alone).
bool WriteCatalogueTo(app::Workspace& ws, const std::string& path);

} // namespace ferrovane::catalogue
