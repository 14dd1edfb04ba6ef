#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// catalogue IN.rtr [--write OUT.rtr]: reads IN; with --write writes what was read to OUT.
int RunCatalogueCommand(const Arguments& args);

} // namespace ferrovane::cli
