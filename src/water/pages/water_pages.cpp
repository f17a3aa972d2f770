#include "water/pages/water_pages.h"

#include "water/pages/mixing_pages.h"
#include "water/pages/rainstorm_page.h"
#include "water/pages/river_ph_page.h"
#include "water/pages/sewage_page.h"
#include "water/pages/sp_page.h"
#include "water/pages/water_temperature_page.h"

namespace qelvo::ui {

const PageList& waterPages()
{
    static const PageList list = {
        page(water::sewageCalculator(), &createSewagePage),
        page(water::spCalculator(), [](QWidget* parent) { return new SpPage(parent); }),
        page(water::mixing2dCalculator(), &createMixing2dPage),
        page(water::frCalculator(), [](QWidget* parent) { return new FrPage(parent); }),
        page(water::cumFlowCalculator(), &createCumFlowPage),
        page(water::phCalculator(), [](QWidget* parent) { return new RiverPhPage(parent); }),
        page(water::rainstormCalculator(), [](QWidget* parent) { return new RainstormPage(parent); }),
        page(water::temperatureCalculator(), [](QWidget* parent) { return new WaterTemperaturePage(parent); }),
    };
    return list;
}

}  // namespace qelvo::ui
