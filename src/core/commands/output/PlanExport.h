#pragma once

#include <functional>
#include <string>

#include "core/commands/output/PrintPlan.h"
#include "core/compute/output/ImageExportName.h"
#include "core/values/format/FileError.h"

namespace ferrovane::output {

// Writes the plan to a file; false with the reason when it could not.
using PlanFileWriter = std::function<bool(const std::string& path, document::FileError& error)>;

// File -> "PDFに書き出す..." / "SVGに書き出す...": asks for a file name (the layout's
// name with the format's extension offered), writes the plan with the writer and
// tells the user when the file could not be written. Returns whether a file was written.
bool ExportPlan(app::Workspace& ws, PlanFormat format, const PlanFileWriter& write);

} // namespace ferrovane::output
