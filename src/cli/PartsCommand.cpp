#include "cli/PartsCommand.h"

#include <cstdio>

#include "core/commands/document/LayoutFile.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/output/PartsList.h"
#include "core/compute/output/PartsListCsv.h"
#include "core/values/platform/ConsoleUiHost.h"

namespace ferrovane::cli {

int RunPartsCommand(const Arguments& args) {
    std::string input;
    bool csv = false;
    bool bad = args.empty();
    for (const auto& arg : args) {
        if (arg == "--csv" && !csv)
            csv = true;
        else if (!arg.empty() && arg.front() != '-' && input.empty())
            input = arg;
        else
            bad = true;
    }
    if (bad || input.empty()) {
        std::fputs("usage: ferrovane-cli parts IN.fvl [--csv]\n", stderr);
        return ExitUsage;
    }
    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    // The report needs the rails only, not their catalogue.
    document::LoadOptions options;
    options.ReloadCatalogue = false;
    if (!document::LoadFile(ws, input, options)) return ExitReadFailed;
    const std::string text = csv ? output::PartsListCsv(ws.Layout)
                                 : output::JoinPartsList(output::BuildPartsList(ws.Layout), "\n");
    std::fwrite(text.data(), 1, text.size(), stdout);
    return ExitOk;
}

} // namespace ferrovane::cli
