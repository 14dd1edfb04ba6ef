#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// ferrovane-cli parts IN.fvl: prints the parts list of a layout file.
int RunPartsCommand(const Arguments& args);

} // namespace ferrovane::cli
