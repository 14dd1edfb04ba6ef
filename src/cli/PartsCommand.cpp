#include "cli/PartsCommand.h"

#include <cstdio>

#include "core/commands/document/LayoutFile.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/PartsList.h"
#include "core/values/platform/ConsoleUiHost.h"

namespace ferrovane::cli {

int RunPartsCommand(const Arguments& args) {
    if (args.size() != 1 || args[0].empty() || args[0].front() == '-') {
        std::fputs("usage: ferrovane-cli parts IN.fvl\n", stderr);
        return ExitUsage;
    }
    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    // The report needs the rails only, not their catalogue.
    document::LoadOptions options;
    options.ReloadCatalogue = false;
    if (!document::LoadFile(ws, args[0], options)) return ExitReadFailed;
    const std::string text = output::JoinPartsList(output::BuildPartsList(ws.Layout), "\n");
    std::fwrite(text.data(), 1, text.size(), stdout);
    return ExitOk;
}

} // namespace ferrovane::cli
