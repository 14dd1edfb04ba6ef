#include "core/commands/catalogue/CatalogueSave.h"

#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueMessages.h"
#include "core/compute/catalogue/CatalogueWriter.h"
#include "core/values/format/FileErrorText.h"
#include "core/values/platform/AtomicFile.h"

namespace ferrovane::catalogue {

bool WriteCatalogueTo(app::Workspace& ws, const std::string& path) {
    if (!PointsAreValid(ws.Catalogue)) {
        platform::ShowModal(*ws.Host, InvalidPointsMessage());
        return false;
    }
    // A catalogue the reader could not read back is refused before the file is touched.
    document::FileError error =
        document::MakeFileError(document::ErrPathAccess, document::ReasonNoFileName());
    if (!path.empty() && FitsCatalogueFile(ws.Catalogue, error) &&
        platform::WriteFileAtomically(path, RenderCatalogue(ws.Catalogue), error))
        return true;
    platform::ShowModal(*ws.Host, CatalogueWriteErrorMessage(error));
    return false;
}

bool WriteCatalogue(app::Workspace& ws) {
    return WriteCatalogueTo(ws, ws.Catalogue.RTypeFileName);
}

} // namespace ferrovane::catalogue
