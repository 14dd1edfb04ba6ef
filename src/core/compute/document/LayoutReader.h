#pragma once

#include <string_view>

#include "core/values/format/ListDirected.h"
#include "core/values/model/Layout.h"

namespace ferrovane::document {

enum class LayoutReadStatus {
    Loaded,     // Layout holds every record of the file
    BadVersion, // the first line does not start with "VERSION 3.00"
    Malformed,  // a header or record could not be read; Error says why
};

struct LayoutReadResult {
    LayoutReadStatus Status = LayoutReadStatus::Malformed;
    FileError Error;
    model::Layout Layout; // a fresh layout: rails, RailCount and board size from the file
};

// The first line of every layout file starts with this; only these 12 characters are
// compared, case included.
inline constexpr std::string_view LayoutVersionTag = "VERSION 3.00";

// Parses the bytes of a layout file into a fresh layout. Lines may end in CR LF, LF or
// CR. A record is one line of 61 list-directed fields; item 5 is read into No again,
// trailing blanks are stripped from Name. Blank lines between records are skipped.
// Links are taken as written: the caller repairs them.
LayoutReadResult ParseLayout(std::string_view bytes);

} // namespace ferrovane::document
