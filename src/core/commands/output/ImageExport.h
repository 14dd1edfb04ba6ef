#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/compute/output/ImageExportName.h"
#include "core/values/format/FileError.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::app {
struct Workspace;
}

namespace ferrovane::output {

// Writes the off-screen image to a file in a format; false with the reason when it
// could not.
using ImageWriter =
    std::function<bool(const std::string& path, ImageFormat format, document::FileError& error)>;

// The message of a failed export: the reason and the file in its details.
platform::Message ImageExportFailedMessage(const document::FileError& error);

// The message refusing an export of a board too large for one image at this zoom:
// the off-screen image's warning, with the image size and the limit in the details.
platform::Message ImageTooLargeMessage(std::int64_t width, std::int64_t height);

// The "save as image" command: a board too large for one image at the current zoom is
// refused at once;: asks for a file name (nothing happens when none is
// given), writes the off-screen image in the format the name asks for, and tells the
// user when the file could not be written. Returns whether a file was written.
bool SaveAsBitmap(app::Workspace& ws, const ImageWriter& write);

} // namespace ferrovane::output
