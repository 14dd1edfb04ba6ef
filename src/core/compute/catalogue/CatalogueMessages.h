#pragma once

#include <cstdint>
#include <string>

#include "core/values/format/ListDirected.h"
#include "core/values/platform/UiHost.h"

namespace ferrovane::catalogue {

// The longest name a catalogue file may hold: entry names, and rail-box names with
// their one-character marker.
inline constexpr std::size_t MaxEntryNameLength = 100;
inline constexpr std::size_t MaxRailBoxNameLength = 99;

// The catalogue arrays use Integer indices: every record of an entry section, its
// closing record included, takes an index below this. A file section therefore holds
// at most MaxEntryIndex - 2 entries besides its user-rail line.
inline constexpr std::int32_t MaxEntryIndex = 32767;
inline constexpr std::int32_t MaxWrittenEntries = MaxEntryIndex - 2;

// The help topic of the catalogue read error.
inline constexpr int CatalogueReadHelpTopic = 140;

// "[#2]": the file could not be read.
platform::Message CatalogueReadErrorMessage(const document::FileError& error);
// A name longer than limit characters (100 for entries, 99 in rail boxes).
platform::Message NameTooLongMessage(std::size_t limit);
// Shown before an old "ColorPoint:" section is read.
platform::Message OldFormatNoticeMessage();
// The writer refuses a catalogue with a point of zero length, radius or angle.
platform::Message InvalidPointsMessage();
// "[#3]": the file could not be written.
platform::Message CatalogueWriteErrorMessage(const document::FileError& error);

} // namespace ferrovane::catalogue
