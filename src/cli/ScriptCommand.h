#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// script FILE|-: runs editor operations, one a line, on a new layout.
int RunScriptCommand(const Arguments& args);

} // namespace ferrovane::cli
