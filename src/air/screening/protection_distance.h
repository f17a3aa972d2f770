// The atmospheric environmental protection distance of HJ2.2-2008 for one rectangular area
// source: the ground concentrations at 108 listed distances from 10 m to 5000 m, the farthest
// distance where they still reach the standard, and the next listed distance as the
// recommended protection distance.
//
// An engine that holds fewer distances in one run gets several decks; their rows are joined by
// distance before the decision, which never looks at a listing's layout.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "air/screening/screening_engine.h"
#include "air/screening/screening_source.h"
#include "common/calculator.h"

namespace qelvo::air {

// The compute button's text, and its text while the runs go on.
inline constexpr const char* kProtectionButtonText = "计  算";
inline constexpr const char* kProtectionBusyText = "正在计算...";

// The sides (positive, ratio at most 10; focus on the width), then what SCREEN3 would not accept.
Refusal checkProtection(const ProtectionInput& in);

// Every distance row of the runs, by distance (the first run listing a distance gives its value).
std::map<double, double> joinByDistance(const std::vector<ScreeningResult>& runs);

struct ProtectionDecision {
    enum class Kind { NoExceedance, Recommended, Beyond2000, Beyond5000, Incomplete };
    Kind kind = Kind::NoExceedance;
    double distance = 0;  // m, the recommended or largest exceedance distance D
    std::string text;     // the result text; for Incomplete, why there is none
};

// The decision over the joined rows (µg/m³) for the standard S [mg/m³]: the 5000 m row first,
// then from 4950 m down to 10 m the first row reaching the standard gives the next listed
// distance.
ProtectionDecision decideProtection(const std::map<double, double>& rows, float S);

struct ProtectionOutcome {
    Refusal refusal;
    std::string text;     // the result text; empty when there is none
    std::string failure;  // why there is no result (engine failure or missing rows)
    ProtectionDecision decision;
    bool cancelled = false;
};

// Checks, writes the decks for the engine's distance limit, runs them and decides.
ProtectionOutcome runProtectionDistance(const ProtectionInput& in, ScreeningEngine& engine,
                                        const std::function<bool()>& cancelled = {});

}  // namespace qelvo::air
