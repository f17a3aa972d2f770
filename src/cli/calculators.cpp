#include "cli/calculators.h"

#include "air/air_calculators.h"
#include "noise/noise_calculators.h"
#include "risk/risk_calculators.h"
#include "tools/tools_calculators.h"
#include "water/water_calculators.h"

namespace qelvo::cli {

const std::vector<Calculator>& calculators()
{
    static const std::vector<Calculator> all = [] {
        std::vector<Calculator> list;
        for (const CalculatorList* domain : {&noise::noiseCalculators(), &water::waterCalculators(),
                                             &tools::toolsCalculators(), &air::airCalculators(),
                                             &risk::riskCalculators()})
            for (const auto& entry : *domain)
                if (entry.calculator) list.push_back(*entry.calculator);
        return list;
    }();
    return all;
}

const Calculator* findCalculator(std::string_view id)
{
    for (const auto& calc : calculators())
        if (calc.id == id) return &calc;
    return nullptr;
}

}  // namespace qelvo::cli
