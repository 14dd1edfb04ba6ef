#include "cli/Commands.h"

#include "cli/CatalogueCommand.h"
#include "cli/ScriptCommand.h"
#ifdef FERROVANE_HAVE_QTRENDER
#include "cli/RenderCommand.h"
#endif

namespace ferrovane::cli {

const std::vector<CommandEntry>& CommandTable() {
    static const std::vector<CommandEntry> table = {
        {"catalogue", RunCatalogueCommand},
        {"script", RunScriptCommand},
#ifdef FERROVANE_HAVE_QTRENDER
        {"render", RunRenderCommand},
#endif
    };
    return table;
}

} // namespace ferrovane::cli
