#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ferrovane::document {

// What an autosave keeps beside the layout's bytes: where the layout belongs, which
// catalogue it was drawn with and when it was written. Kept in UTF-8 rather than the
// layout file's Shift_JIS so that any path survives.
struct AutosaveRecord {
    std::string LayoutFileName;    // empty for a layout never saved
    std::string CatalogueFileName; // empty when no catalogue was loaded
    std::int64_t SavedAt = 0;      // seconds since 1970, UTC
};

inline constexpr const char* AutosaveRecordTag = "Ferrovane autosave 1";

// "Ferrovane autosave 1", then "Layout=", "Catalogue=" and "SavedAt=" lines, LF ends.
std::string WriteAutosaveRecord(const AutosaveRecord& record);

// nullopt when the tag line, a key or the time is missing or wrong. Keys may come in any
// order; unknown keys are ignored so a later version can add some.
std::optional<AutosaveRecord> ParseAutosaveRecord(const std::string& text);

} // namespace ferrovane::document
