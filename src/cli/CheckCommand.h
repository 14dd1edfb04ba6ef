#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// check IN.fvl [--catalogue C.rtr]: prints the design check's findings, one a line, and
// a summary line.
int RunCheckCommand(const Arguments& args);

} // namespace ferrovane::cli
