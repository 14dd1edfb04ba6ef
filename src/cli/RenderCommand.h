#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// ferrovane-cli render IN.fvl OUT [--zoom 100|75|50|25] [--grid on|off]
int RunRenderCommand(const Arguments& args);

} // namespace ferrovane::cli
