// The whole computation of one deck: complex terrain, the simple-terrain distances, the
// cavity and fumigation, and the summary, in SCREEN3's order. The listing is written from it.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "air/screening/cavity.h"
#include "air/screening/complex_terrain.h"
#include "air/screening/fumigation.h"
#include "air/screening/plume_rise.h"
#include "air/screening/screening_case.h"
#include "air/screening/screening_result.h"

namespace qelvo::air::screening {

struct ScreeningRun {
    ScreeningCase input;
    Stack stack;  // fluxes and the cold-plume warning of the listing
    ScreeningResult result;
    std::vector<bool> iterationStopped;         // per automated section
    std::optional<ValleyReference> valley;      // complex terrain requested
    std::optional<std::array<CavityResult, 2>> cavity;
    std::optional<InversionBreakup> breakup;
    std::optional<ShorelineFumigation> shoreline;
};

// Runs the case; nothing when `cancelled` answered true on the way.
std::optional<ScreeningRun> runScreening(const ScreeningCase& c, const std::function<bool()>& cancelled = {});

}  // namespace qelvo::air::screening
