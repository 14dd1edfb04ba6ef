#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// ferrovane-cli parts IN.fvl [--csv]: prints the parts list of a layout file, as the
// report or as CSV.
int RunPartsCommand(const Arguments& args);

} // namespace ferrovane::cli
