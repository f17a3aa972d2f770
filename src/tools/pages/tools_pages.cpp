#include "tools/pages/tools_pages.h"

#include "tools/pages/geo_distance_page.h"
#include "tools/pages/sludge_page.h"
#include "tools/pages/subsidence_page.h"
#include "tools/pages/units_page.h"

namespace qelvo::ui {

const PageList& toolsPages()
{
    static const PageList list = {
        page(tools::sludgeCalculator(), &createSludgePage),
        page(tools::geoDistanceCalculator(), &createGeoDistancePage),
        page(tools::unitsCalculator(), &createUnitsPage),
        page(tools::subsidenceCalculator(), &createSubsidencePage),
    };
    return list;
}

}  // namespace qelvo::ui
