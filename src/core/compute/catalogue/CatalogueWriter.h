#pragma once

#include <string>

#include "core/compute/catalogue/Catalogue.h"

namespace ferrovane::catalogue {

// True when every point but the last (the user-rail slot) has a non-zero length,
// radius and angle: the writer refuses anything else.
bool PointsAreValid(const Catalogue& catalogue);

// The catalogue file's bytes (Shift_JIS, CR LF) in the current format: each kind's
// entries and its user-rail line with fixed dimensions, the rail boxes when there are
// at least two rail-box rails, and the closing "End".
std::string RenderCatalogue(const Catalogue& catalogue);

} // namespace ferrovane::catalogue
