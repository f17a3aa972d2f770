// The listing of a built-in run in SCREEN3's layout (same blocks, columns, markers and
// Fortran formats as SCREEN.OUT), headed as the Qelvo screening model so that no one takes it
// for EPA's program, and without the run date and time.
#pragma once

#include <string>
#include <string_view>

#include "air/screening/screening_run.h"

namespace qelvo::air::screening {

// The first lines of every header block, in place of SCREEN3's program name and version.
inline constexpr std::string_view kListingHeading = "  ***  QELVO SCREENING MODEL — SCREEN3-COMPATIBLE  ***";

std::string writeListing(const ScreeningRun& run, std::string_view engineName);

}  // namespace qelvo::air::screening
