#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// ferrovane-cli layout IN.fvl [--catalogue C.rtr] [--write OUT.fvl]
int RunLayoutCommand(const Arguments& args);

} // namespace ferrovane::cli
