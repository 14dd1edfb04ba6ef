#pragma once

#include <string>

namespace ferrovane::output {

enum class ImageFormat { Bmp, Jpeg, Png };

// The format a file name asks for: ".jpg" or ".jpeg" anywhere in it, in any letter
// case, is JPEG; a name ending in ".png" is PNG; everything else is a Windows bitmap.
ImageFormat ImageFormatForName(const std::string& fileName);

// A plan for paper rather than a picture of the board: a name ending in ".pdf" or ".svg",
// in any letter case, asks for one in that format; None for every other name.
enum class PlanFormat { None, Pdf, Svg };
PlanFormat PlanFormatForName(const std::string& fileName);

// The save dialog's filters, "description|pattern|..." in the order offered.
const char* ImageExportFilter();
const char* ImageExportTitle();
const char* ImageExportFailedText();
const char* ImageExportFailedTitle();

} // namespace ferrovane::output
