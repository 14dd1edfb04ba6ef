#include <cstdio>
#include <string>

#include "cli/CatalogueCommand.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/catalogue/CatalogueSave.h"
#include "core/commands/workspace/Workspace.h"
#include "core/compute/catalogue/CatalogueWriter.h"
#include "core/values/platform/ConsoleUiHost.h"

namespace ferrovane::cli {

namespace {

int CatalogueUsage() {
    std::fputs("usage: ferrovane-cli catalogue IN.rtr [--write OUT.rtr]\n", stderr);
    return ExitUsage;
}

} // namespace

int RunCatalogueCommand(const Arguments& args) {
    std::string in, out;
    bool write = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--write") {
            if (write || i + 1 >= args.size()) return CatalogueUsage();
            write = true;
            out = args[++i];
        } else if (args[i].rfind("--", 0) == 0 || !in.empty()) {
            return CatalogueUsage();
        } else {
            in = args[i];
        }
    }
    if (in.empty() || (write && out.empty())) return CatalogueUsage();

    platform::ConsoleUiHost host(stderr);
    app::Workspace ws(host);
    switch (catalogue::ReadCatalogue(ws, in)) {
    case catalogue::CatalogueReadStatus::Loaded:
        break;
    case catalogue::CatalogueReadStatus::Missing:
        ReportMissingFile(in);
        return ExitReadFailed;
    case catalogue::CatalogueReadStatus::Failed:
        return ExitReadFailed;
    }
    const auto& c = ws.Catalogue;
    std::printf("%s: straights %d, curves %d, points %d, rail-box rails %zu\n", in.c_str(),
                static_cast<int>(c.StraightTypeMax), static_cast<int>(c.CurveTypeMax),
                static_cast<int>(c.PointTypeMax), c.RailBoxRails.size());
    if (write && !catalogue::WriteCatalogueTo(ws, out)) return ExitWriteFailed;
    return ExitOk;
}

} // namespace ferrovane::cli
