#include "air/air_calculators.h"

#include "air/combustion.h"
#include "air/dust.h"
#include "air/fugitive_emission.h"
#include "air/oil_tank.h"
#include "air/point_source.h"
#include "air/sanitary_distance.h"
#include "air/screening/screening_calculators.h"

namespace qelvo::air {

// A built calculator replaces its planned line: listed(command, slot, itsCalculator()).
const CalculatorList& airCalculators()
{
    static const CalculatorList list = {
        listed(32786, 2, combustionCalculator()),
        listed(32794, 10, oilTankCalculator()),
        listed(32787, 8, openStorageCalculator()),
        listed(substancePressureCalculator()),
        listed(32800, 15, liquidEvaporationCalculator()),
        listed(32801, 16, equipmentLeakCalculator()),
        listed(32790, 9, odourCalculator()),
        listed(32804, 20, transportCalculator()),
        listed(coalPileCalculator()),
        listed(32823, 33, protectionDistanceCalculator()),
        listed(32824, 34, screen3Calculator()),
        listed(32788, 3, sanitaryCalculator()),
        listed(32803, 18, pointSourceCalculator()),
    };
    return list;
}

}  // namespace qelvo::air
