#include "core/commands/document/LayoutTitle.h"

#include "core/commands/workspace/Workspace.h"
#include "core/values/format/Version.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::document {

std::string MainTitle(const model::Layout& layout) {
    return "Ferrovane Ver " + std::to_string(app::VersionMajor) + "." +
           std::to_string(app::VersionMinor) + "  [" + layout.LayoutFileName + "]";
}

void SetfrmMainTitle(app::Workspace& ws) {
    if (ws.Host) ws.Host->SetTitle(MainTitle(ws.Layout));
}

} // namespace ferrovane::document
