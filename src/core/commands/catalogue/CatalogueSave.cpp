#include "core/commands/catalogue/CatalogueSave.h"

#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/compute/catalogue/CatalogueWriter.h"
#include "core/values/platform/FileSystem.h"

namespace ferrovane::catalogue {

bool WriteCatalogueTo(app::Workspace& ws, const std::string& path) {
    if (!PointsAreValid(ws.Catalogue)) {
        platform::ShowModal(*ws.Host, InvalidPointsMessage());
        return false;
    }
    document::FileError error;
    if (path.empty())
        error = {document::ErrPathAccess, "Path/File access error"};
    else if (platform::WriteFileAtomically(path, RenderCatalogue(ws.Catalogue), error))
        return true;
    platform::ShowModal(*ws.Host, CatalogueWriteErrorMessage(error));
    return false;
}

bool WriteCatalogue(app::Workspace& ws) {
    return WriteCatalogueTo(ws, ws.Catalogue.RTypeFileName);
}

} // namespace ferrovane::catalogue
