#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// ferrovane-cli render IN.fvl OUT [--zoom 100|75|50|25] [--grid on|off]; an OUT ending
// in .pdf or .svg writes a plan for paper instead (RenderPlanCommand).
int RunRenderCommand(const Arguments& args);

} // namespace ferrovane::cli
