#pragma once

#include <functional>
#include <string>

#include "core/compute/output/ImageExportName.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::output {

// Writes the off-screen image to a file in a format; false when it could not.
using ImageWriter = std::function<bool(const std::string& path, ImageFormat format)>;

// The "save as image" command: asks for a file name (nothing happens when none is
// given), writes the off-screen image in the format the name asks for, and tells the
// user when the file could not be written. Returns whether a file was written.
bool SaveAsBitmap(app::Workspace& ws, const ImageWriter& write);

} // namespace ferrovane::output
