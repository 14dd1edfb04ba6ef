#pragma once

#include <QImage>
#include <string>

#include "core/compute/output/ImageExportName.h"
#include "core/values/format/FileError.h"

namespace ferrovane::gui {

// Encodes the image in the format in memory, then replaces the file at path (UTF-8)
// the way every file of the program is written (see AtomicFile.h): a failed write,
// such as on a full disk, leaves the old file as it was. False with the reason in error.
bool WriteImageFile(const QImage& image, const std::string& path, output::ImageFormat format,
                    document::FileError& error);

} // namespace ferrovane::gui
