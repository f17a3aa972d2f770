#include "common/registry.h"

#include "air/combustion.h"
#include "air/dust.h"
#include "air/fugitive_emission.h"
#include "air/oil_tank.h"
#include "air/point_source.h"
#include "air/sanitary_distance.h"
#include "noise/decibel_calculator.h"
#include "noise/highway_2009.h"
#include "noise/highway_jtg2006.h"
#include "noise/industrial_noise.h"
#include "noise/noise_evaluation.h"
#include "noise/path_difference.h"
#include "noise/workshop_noise.h"
#include "tools/geo_distance.h"
#include "tools/sludge.h"
#include "water/sewage.h"
#include "water/river_mixing.h"
#include "water/rainstorm.h"
#include "water/river_ph.h"
#include "water/sp_model.h"
#include "water/water_temperature.h"

namespace qelvo {

const std::vector<Calculator>& calculators()
{
    static const std::vector<Calculator> all = {
        eraseTypes(noise::decibelCalculatorDef()),
        eraseTypes(noise::evaluationCalculator()),
        eraseTypes(noise::greenCalculator()),
        eraseTypes(noise::greenDistanceCalculator()),
        eraseTypes(noise::stueberCalculator()),
        eraseTypes(noise::stueberDistanceCalculator()),
        eraseTypes(noise::lp1Calculator()),
        eraseTypes(noise::pathDifferenceCalculator()),
        eraseTypes(noise::highway2009Calculator()),
        eraseTypes(noise::infiniteBarrierCalculator()),
        eraseTypes(noise::embankmentCalculator()),
        eraseTypes(noise::highway2006Calculator()),
        eraseTypes(noise::industrialCalculator()),
        eraseTypes(noise::airAbsorptionCalculator()),
        eraseTypes(noise::aWeightingCalculator()),
        eraseTypes(noise::speedCalculator()),
        eraseTypes(water::sewageCalculator()),
        eraseTypes(water::spCalculator()),
        eraseTypes(water::mixing2dCalculator()),
        eraseTypes(water::mixing2dGridCalculator()),
        eraseTypes(water::frCalculator()),
        eraseTypes(water::cumFlowCalculator()),
        eraseTypes(water::cumFlowGridCalculator()),
        eraseTypes(water::phCalculator()),
        eraseTypes(water::rainstormCalculator()),
        eraseTypes(water::temperatureCalculator()),
        // --- air models (to move into the air domain list) ---
        eraseTypes(air::combustionCalculator()),
        eraseTypes(air::oilTankCalculator()),
        eraseTypes(air::openStorageCalculator()),
        eraseTypes(air::substancePressureCalculator()),
        eraseTypes(air::liquidEvaporationCalculator()),
        eraseTypes(air::equipmentLeakCalculator()),
        eraseTypes(air::odourCalculator()),
        eraseTypes(air::coalPileCalculator()),
        eraseTypes(air::transportCalculator()),
        eraseTypes(air::sanitaryCalculator()),
        eraseTypes(air::pointSourceCalculator()),
        // --- end of the air models ---
        eraseTypes(tools::sludgeCalculator()),
        eraseTypes(tools::geoDistanceCalculator()),
    };
    return all;
}

const Calculator* findCalculator(std::string_view id)
{
    for (const auto& calc : calculators())
        if (calc.id == id) return &calc;
    return nullptr;
}

}  // namespace qelvo
