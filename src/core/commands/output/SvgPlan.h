#pragma once

#include <string>

#include "core/commands/output/PrintPlan.h"
#include "core/values/format/FileError.h"

namespace ferrovane::output {

// The plan's range as one SVG drawing sized in millimetres at the chosen scale (fitting
// on one sheet of `paper` when no fixed scale is chosen): the grid when asked, then each
// printed rail and label as a group titled with its name or text.
std::string LayoutSvg(const app::Workspace& ws, const PrintSettings& settings,
                      const PaperArea& paper);

// The drawing written as every file of the program is.
bool WriteLayoutSvg(const app::Workspace& ws, const PrintSettings& settings, const PaperArea& paper,
                    const std::string& path, document::FileError& error);

} // namespace ferrovane::output
