#include "tools/tools_calculators.h"

#include "tools/geo_distance.h"
#include "tools/sludge.h"
#include "tools/unit_converter.h"

namespace qelvo::tools {

const CalculatorList& toolsCalculators()
{
    static const CalculatorList list = {
        listed(32806, 21, sludgeCalculator()),
        listed(32820, 30, geoDistanceCalculator()),
        listed(32819, 5, unitsCalculator()),
        planned(32818, 19, "概率积分模型"),
    };
    return list;
}

}  // namespace qelvo::tools
