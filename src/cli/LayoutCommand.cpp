#include "cli/LayoutCommand.h"

#include <cstdio>
#include <optional>
#include <string>

#include "cli/OptionWords.h"
#include "core/commands/catalogue/CatalogueReader.h"
#include "core/commands/document/LayoutFile.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/ConsoleUiHost.h"

namespace ferrovane::cli {

namespace {

struct LayoutArguments {
    std::string Input;
    std::optional<std::string> Catalogue;
    std::optional<std::string> Output;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr,
                 "ferrovane-cli layout: %s\n"
                 "usage: ferrovane-cli layout IN.fvl [--catalogue C.rtr] [--write OUT.fvl]\n",
                 problem.c_str());
    return ExitUsage;
}

// Parses the arguments; on a usage error returns the problem in problem.
std::optional<LayoutArguments> Parse(const Arguments& args, std::string& problem) {
    LayoutArguments parsed;
    bool haveInput = false, catalogueGiven = false, writeGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--catalogue" || arg == "--write") {
            const bool catalogue = arg == "--catalogue";
            const auto file = TakeOptionValue(args, i, catalogue ? catalogueGiven : writeGiven,
                                              problem, "a file", true);
            if (file) (catalogue ? parsed.Catalogue : parsed.Output) = *file;
        } else if (IsOptionWord(arg)) {
            problem = "unknown option " + arg;
        } else if (haveInput) {
            problem = "more than one layout file given";
        } else if (arg.empty()) {
            problem = "empty layout file name";
        } else {
            parsed.Input = arg;
            haveInput = true;
        }
        if (!problem.empty()) return std::nullopt;
    }
    if (!haveInput) {
        problem = "no layout file given";
        return std::nullopt;
    }
    return parsed;
}

} // namespace

int RunLayoutCommand(const Arguments& args) {
    std::string problem;
    const auto parsed = Parse(args, problem);
    if (!parsed) return Usage(problem);

    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    if (parsed->Catalogue) {
        switch (catalogue::ReadCatalogue(ws, *parsed->Catalogue)) {
        case catalogue::CatalogueReadStatus::Loaded:
            break;
        case catalogue::CatalogueReadStatus::Missing:
            // The reader leaves a missing file to its caller, which here asks nobody.
            ReportMissingFile(*parsed->Catalogue);
            return ExitReadFailed;
        case catalogue::CatalogueReadStatus::Failed:
            return ExitReadFailed;
        }
    }

    // The catalogue, if any, was read above; loading asks nothing more.
    document::LoadOptions options;
    options.ReloadCatalogue = false;
    if (!document::LoadFile(ws, parsed->Input, options)) return ExitReadFailed;

    const model::Layout& layout = ws.Layout;
    int live = 0;
    for (int n = 1; n <= layout.RailCount; ++n)
        live += layout.IsLive(n) ? 1 : 0;
    std::printf("%s: rails %d (%d live), board %d x %d\n", parsed->Input.c_str(),
                static_cast<int>(layout.RailCount), live, static_cast<int>(layout.LayoutWidth),
                static_cast<int>(layout.LayoutHeight));

    if (parsed->Output && !document::SaveFile(ws, *parsed->Output)) return ExitWriteFailed;
    return ExitOk;
}

} // namespace ferrovane::cli
