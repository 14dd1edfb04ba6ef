#pragma once

#include <cstdint>
#include <string_view>

#include "core/compute/catalogue/Catalogue.h"
#include "core/values/format/ListDirected.h"

namespace ferrovane::catalogue {

enum class CatalogueParseOutcome {
    Read,        // the whole file was read up to its "End" key
    ReadError,   // a field could not be read; Error says why
    NameTooLong, // a name longer than NameLimit characters
};

struct CatalogueParseResult {
    CatalogueParseOutcome Outcome = CatalogueParseOutcome::Read;
    catalogue::Catalogue Catalogue; // complete only when Outcome is Read
    document::FileError Error;
    std::size_t NameLimit = 0;
    // Old "ColorPoint:" sections met before the end or the error: the user is told
    // once for each, before any error message.
    int OldFormatNotices = 0;
};

// Parses the bytes of a catalogue file into a fresh catalogue whose user-rail entries
// (and the colour old sections give their rails) are railColor. No user interface:
// ReadCatalogue shows what the result asks for. RTypeFileName is left empty.
CatalogueParseResult ParseCatalogue(std::string_view bytes, std::int32_t railColor);

} // namespace ferrovane::catalogue
