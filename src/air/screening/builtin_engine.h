// The built-in screening engine: SCREEN3-class computations of our own, so that the screening
// pages work without an external program. It reads the same deck SCREEN3 would read and gives
// the same ScreeningResult, with a listing in SCREEN3's layout headed as our own model.
#pragma once

#include <string_view>

#include "air/screening/screening_engine.h"

namespace qelvo::air {

// How reports name this engine.
inline constexpr std::string_view kBuiltinEngineName = "内置估算模型";

class BuiltinScreeningEngine : public ScreeningEngine {
public:
    std::string name() const override { return std::string(kBuiltinEngineName); }
    int distanceLimit() const override { return 0; }
    ScreeningOutcome run(const std::string& deck, const std::function<bool()>& cancelled = {}) override;
};

}  // namespace qelvo::air
