#include "air/pages/air_pages.h"

#include "air/pages/combustion_page.h"
#include "air/pages/fugitive_pages.h"
#include "air/pages/oil_tank_page.h"
#include "air/pages/point_source_page.h"
#include "air/pages/protection_distance_page.h"
#include "air/pages/sanitary_page.h"
#include "air/pages/screening_page.h"

namespace qelvo::ui {

// One line per built page: page(itsCalculator(), factory). Slots without one show a
// placeholder naming their calculator.
const PageList& airPages()
{
    static const PageList list = {
        page(air::combustionCalculator(), [](QWidget* parent) { return new CombustionPage(parent); }),
        page(air::oilTankCalculator(), [](QWidget* parent) { return new OilTankPage(parent); }),
        page(air::openStorageCalculator(), [](QWidget* parent) { return new OpenStoragePage(parent); }),
        page(air::liquidEvaporationCalculator(), [](QWidget* parent) { return new LiquidEvaporationPage(parent); }),
        page(air::equipmentLeakCalculator(), [](QWidget* parent) { return new EquipmentLeakPage(parent); }),
        page(air::odourCalculator(), [](QWidget* parent) { return new OdourPage(parent); }),
        page(air::transportCalculator(), [](const PageSlot& slot, QWidget* parent) { return new DustPage(slot, parent); }),
        page(air::sanitaryCalculator(), [](QWidget* parent) { return new SanitaryPage(parent); }),
        page(air::pointSourceCalculator(),
             [](const PageSlot& slot, QWidget* parent) { return new PointSourcePage(slot, parent); }),
        page(air::protectionDistanceCalculator(), [](QWidget* parent) { return new ProtectionDistancePage(parent); }),
        page(air::screen3Calculator(), [](const PageSlot& slot, QWidget* parent) { return new ScreeningPage(slot, parent); }),
    };
    return list;
}

}  // namespace qelvo::ui
