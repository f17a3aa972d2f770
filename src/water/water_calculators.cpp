#include "water/water_calculators.h"

#include "water/rainstorm.h"
#include "water/river_mixing.h"
#include "water/river_ph.h"
#include "water/sewage.h"
#include "water/sp_model.h"
#include "water/water_temperature.h"

namespace qelvo::water {

const CalculatorList& waterCalculators()
{
    static const CalculatorList list = {
        listed(32807, 1, sewageCalculator()),
        listed(32808, 22, spCalculator()),
        listed(32809, 23, mixing2dCalculator()),
        listed(mixing2dGridCalculator()),
        listed(32810, 24, frCalculator()),
        listed(32811, 25, cumFlowCalculator()),
        listed(cumFlowGridCalculator()),
        listed(32829, 35, phCalculator()),
        listed(32821, 31, rainstormCalculator()),
        listed(32830, 36, temperatureCalculator()),
    };
    return list;
}

}  // namespace qelvo::water
