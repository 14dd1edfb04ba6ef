#pragma once

#include <string>

namespace ferrovane::testing {

// The bundled N-gauge catalogue the cli scripts lay their pieces from.
inline const std::string NCatalogue = std::string(FERROVANE_CATALOGUE_DIR) + "/n-33mm.rtr";

// Two straights and a curve joined in a row, from (500, 500) towards -x: six lines, so
// the next line of a script is line 7.
inline const std::string ThreeRails = "catalogue " + NCatalogue +
                                      "\n"
                                      "tool straight S248\nfree 500 500 90\nat 1 1\n"
                                      "tool curve R249-45\nat 2 1\n";

} // namespace ferrovane::testing
