#pragma once

#include "cli/Commands.h"

namespace ferrovane::cli {

// The render command's usage lines, images and plans alike.
extern const char* const RenderUsageText;

// The render command writes a plan for paper rather than an image when its output file
// (the second file name among the arguments) ends in .pdf or .svg, in any letter case.
bool RendersPlan(const Arguments& args);

// ferrovane-cli render IN.fvl OUT.pdf|OUT.svg [--scale fit|1:1|1:2|1:5|1:10]
//     [--paper A4|A3|Letter] [--landscape] [--colour] [--grid] [--texts|--no-texts] [--parts]
// A PDF reports its sheet count on standard output as "pages N".
int RunRenderPlanCommand(const Arguments& args);

} // namespace ferrovane::cli
