#pragma once

#include <string>

namespace ferrovane::output {

enum class ImageFormat { Bmp, Jpeg, Png };

// The format a file name asks for: ".jpg" or ".jpeg" anywhere in it, in any letter
// case, is JPEG; a name ending in ".png" is PNG; everything else is a Windows bitmap.
ImageFormat ImageFormatForName(const std::string& fileName);

// The save dialog's filters, "description|pattern|..." in the order offered.
extern const char* const ImageExportFilter;
extern const char* const ImageExportTitle;
extern const char* const ImageExportFailedText;
extern const char* const ImageExportFailedTitle;

} // namespace ferrovane::output
