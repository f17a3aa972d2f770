// The seam between the screening pages and whatever computes a screening run.
//
// An engine takes one SCREEN3 input deck (the exact text the deck writer produces, one source
// and one pollutant) and gives a ScreeningResult or a failure text. The external engine hands
// the deck to EPA's SCREEN3 and reads its listing; the built-in engine reads the deck the way
// SCREEN3 answers its prompts and computes the same quantities itself. Tests use stand-ins.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "air/screening/screening_result.h"

namespace qelvo::air {

struct ScreeningOutcome {
    std::optional<ScreeningResult> result;
    std::string failure;  // why there is no result, as the user reads it

    bool ok() const { return result.has_value(); }
};

class ScreeningEngine {
public:
    virtual ~ScreeningEngine() = default;

    // How the report names the engine ("SCREEN3", "内置估算模型").
    virtual std::string name() const = 0;
    // Distances one run can hold (automated ranges and discrete distances together); 0 for no
    // limit. A caller splits longer distance lists into several decks.
    virtual int distanceLimit() const = 0;
    // Runs one deck. `cancelled` is asked now and then during long runs; when it answers true
    // the run stops and reports a failure.
    virtual ScreeningOutcome run(const std::string& deck, const std::function<bool()>& cancelled = {}) = 0;
};

// The engine the screening calculators (air.screen3, air.protection_distance) run on when
// evaluated by their definitions: the built-in engine unless a caller installed another.
ScreeningEngine& screeningEngine();

// Installs `engine` (not owned; null restores the built-in one) and returns the one it
// replaces (null for the built-in one). Set it before any run starts.
ScreeningEngine* setScreeningEngine(ScreeningEngine* engine);

}  // namespace qelvo::air
