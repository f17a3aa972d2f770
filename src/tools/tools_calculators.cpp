#include "tools/tools_calculators.h"

#include "tools/geo_distance.h"
#include "tools/sludge.h"
#include "tools/subsidence.h"
#include "tools/unit_converter.h"

namespace qelvo::tools {

const CalculatorList& toolsCalculators()
{
    static const CalculatorList list = {
        listed(32806, 21, sludgeCalculator()),
        listed(32820, 30, geoDistanceCalculator()),
        listed(32819, 5, unitsCalculator()),
        listed(32818, 19, subsidenceCalculator()),
        listed(subsidenceBasinCalculator()),
    };
    return list;
}

}  // namespace qelvo::tools
