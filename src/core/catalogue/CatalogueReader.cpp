#include "core/catalogue/CatalogueReader.h"

#include "core/app/Workspace.h"

namespace ferrovane::catalogue {

// Placeholder until the reader lands.
CatalogueReadStatus ReadCatalogue(app::Workspace&, const std::string&) {
    return CatalogueReadStatus::Failed;
}

} // namespace ferrovane::catalogue
