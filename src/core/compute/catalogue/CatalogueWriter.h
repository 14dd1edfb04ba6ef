#pragma once

#include <string>

#include "core/compute/catalogue/Catalogue.h"
#include "core/values/format/FileError.h"

namespace ferrovane::catalogue {

// True when every point but the last (the user-rail slot) has a non-zero length,
// radius and angle: the writer refuses anything else.
bool PointsAreValid(const Catalogue& catalogue);

// True when the reader can read back what RenderCatalogue writes: no section holds more
// entries than its indices reach. False with an overflow error otherwise.
bool FitsCatalogueFile(const Catalogue& catalogue, document::FileError& error);

// The catalogue file's bytes (Shift_JIS, CR LF) in the current format: each kind's
// entries and its user-rail line with fixed dimensions, the rail boxes when there are
// at least two rail-box rails, and the closing "End".
std::string RenderCatalogue(const Catalogue& catalogue);

} // namespace ferrovane::catalogue
