#include "cli/Commands.h"

#include <cstdio>

#include "cli/CatalogueCommand.h"
#include "cli/CheckCommand.h"
#include "cli/LayoutCommand.h"
#include "cli/PartsCommand.h"
#include "cli/ScriptCommand.h"
#ifdef FERROVANE_HAVE_QTRENDER
#include "cli/RenderCommand.h"
#endif
#include "core/values/text/Messages.h"

namespace ferrovane::cli {

void ReportMissingFile(const std::string& path) {
    std::fprintf(stderr, "%s: %s: %s\n", text::Msg(text::MessageId::ErrorTitle),
                 text::Msg(text::MessageId::FileNotFound), path.c_str());
}

const std::vector<CommandEntry>& CommandTable() {
    static const std::vector<CommandEntry> table = {
        {"catalogue", RunCatalogueCommand}, {"check", RunCheckCommand},
        {"layout", RunLayoutCommand},       {"parts", RunPartsCommand},
        {"script", RunScriptCommand},
#ifdef FERROVANE_HAVE_QTRENDER
        {"render", RunRenderCommand},
#endif
    };
    return table;
}

} // namespace ferrovane::cli
