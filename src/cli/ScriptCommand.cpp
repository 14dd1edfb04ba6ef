#include "cli/ScriptCommand.h"

#include <cstdio>
#include <fstream>
#include <iostream>

#include "cli/ScriptRunner.h"
#include "core/commands/workspace/Workspace.h"
#include "core/values/platform/ConsoleUiHost.h"

namespace ferrovane::cli {

int RunScriptCommand(const Arguments& args) {
    if (args.size() != 1 || args[0].empty()) {
        std::fputs("usage: ferrovane-cli script FILE|-\n", stderr);
        return ExitUsage;
    }
    platform::ConsoleUiHost host;
    app::Workspace ws(host);
    ScriptContext context{ws, stdout, {}};
    if (args[0] == "-") return RunScript(std::cin, context, stderr);
    std::ifstream in(args[0], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "ferrovane-cli script: cannot read %s\n", args[0].c_str());
        return ExitReadFailed;
    }
    return RunScript(in, context, stderr);
}

} // namespace ferrovane::cli
