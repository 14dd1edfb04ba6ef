#include "cli/CheckCommand.h"

#include <cstdio>
#include <string>

#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/check/CheckEdits.h"
#include "core/commands/document/LayoutFile.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/ConsoleUiHost.h"

namespace ferrovane::cli {

namespace {

int Usage() {
    std::fputs("usage: ferrovane-cli check IN.fvl [--catalogue C.rtr]\n", stderr);
    return ExitUsage;
}

} // namespace

int RunCheckCommand(const Arguments& args) {
    std::string input, cataloguePath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--catalogue" && cataloguePath.empty() && i + 1 < args.size() &&
            !args[i + 1].empty())
            cataloguePath = args[++i];
        else if (!args[i].empty() && args[i].front() != '-' && input.empty())
            input = args[i];
        else
            return Usage();
    }
    if (input.empty()) return Usage();
    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    if (!cataloguePath.empty()) {
        const auto status = catalogue::ReadCatalogue(ws, cataloguePath);
        if (status == catalogue::CatalogueReadStatus::Missing) ReportMissingFile(cataloguePath);
        if (status != catalogue::CatalogueReadStatus::Loaded) return ExitReadFailed;
    }
    document::LoadOptions options;
    options.ReloadCatalogue = false;
    if (!document::LoadFile(ws, input, options)) return ExitReadFailed;
    const auto findings = check::CheckLayout(ws);
    for (const auto& finding : findings)
        std::printf("%s\n", check::FindingLine(finding).c_str());
    std::printf("%s\n", check::SummaryLine(findings).c_str());
    return ExitOk;
}

} // namespace ferrovane::cli
