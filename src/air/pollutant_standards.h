// Ambient standards of the pollutants the protection-distance pages offer: choosing a
// pollutant writes its limit (mg/m^3), as text, into the page's standard field.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qelvo::air {

struct PollutantStandard {
    const char* name;
    const char* limit;  // mg/m^3, as the field shows it
};

// The 22 pollutants in list order.
const std::vector<PollutantStandard>& pollutantStandards();

// The limit of a listed pollutant; empty for a name typed in by hand.
std::string pollutantLimit(std::string_view name);

}  // namespace qelvo::air
