#pragma once

#include <string>

#include "core/values/model/Layout.h"

namespace ferrovane::document {

// The first header line: the version tag, two blanks and the program's version.
std::string LayoutVersionLine();

// The bytes of a layout file: three header lines, then one record per slot
// 1..RailCount (deleted rails included), CR LF line ends, names in Shift_JIS.
std::string WriteLayout(const model::Layout& layout);

} // namespace ferrovane::document
