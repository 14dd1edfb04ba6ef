#pragma once

#include <QImage>
#include <string>

#include "core/compute/output/ImageExportName.h"

namespace ferrovane::gui {

// Writes the image to path (UTF-8) in the format, through a temporary file renamed
// over the target, so a failed write leaves no half-written file. False on failure.
bool WriteImageFile(const QImage& image, const std::string& path, output::ImageFormat format);

} // namespace ferrovane::gui
