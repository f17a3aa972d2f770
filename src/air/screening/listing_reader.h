// SCREEN3's listing ("SCREEN.OUT") read into a ScreeningResult.
//
// Sections are found by their marker lines and read row by row until the empty line that ends
// them; every value is the whole whitespace-delimited number, so the exponent form SCREEN3
// prints for small and large concentrations reads in full. Windows line ends, blank-only
// lines, a second run header (complex terrain) and missing sections or summary are accepted:
// what is not in the listing simply gives no rows.
#pragma once

#include <string_view>

#include "air/screening/screening_result.h"

namespace qelvo::air {

// The listing text as SCREEN3 wrote it. The result's `listing` holds it with "\n" line ends;
// its `engine` is left empty for the caller to name.
ScreeningResult readListing(std::string_view text);

}  // namespace qelvo::air
