#include "noise/noise_calculators.h"

#include "noise/decibel_calculator.h"
#include "noise/highway_2009.h"
#include "noise/highway_jtg2006.h"
#include "noise/industrial_noise.h"
#include "noise/noise_evaluation.h"
#include "noise/path_difference.h"
#include "noise/workshop_noise.h"

namespace qelvo::noise {

const CalculatorList& noiseCalculators()
{
    static const CalculatorList list = {
        listed(kDecibelCalculatorCommand, 0, decibelCalculatorDef()),
        listed(32782, 7, evaluationCalculator()),
        listed(32771, 4, greenCalculator()),
        listed(greenDistanceCalculator()),
        listed(32772, 6, stueberCalculator()),
        listed(stueberDistanceCalculator()),
        listed(lp1Calculator()),
        listed(pathDifferenceCalculator()),
        listed(32832, 38, highway2009Calculator()),
        listed(infiniteBarrierCalculator()),
        listed(embankmentCalculator()),
        listed(32802, 17, highway2006Calculator()),
        listed(32831, 37, industrialCalculator()),
        listed(airAbsorptionCalculator()),
        listed(aWeightingCalculator()),
        listed(speedCalculator()),
    };
    return list;
}

}  // namespace qelvo::noise
