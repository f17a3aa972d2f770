#include "app/page_factory.h"

#include <QVBoxLayout>

#include "app/tab_sheet.h"
#include "common/catalogue.h"
#include "noise/pages/decibel_calculator_window.h"
#include "noise/pages/highway_2009_page.h"
#include "noise/pages/highway_jtg2006_page.h"
#include "noise/pages/industrial_noise_page.h"
#include "noise/pages/noise_evaluation_page.h"
#include "noise/pages/workshop_pages.h"
#include "presentation/page_style.h"
#include "presentation/placeholder_page.h"
#include "tools/pages/geo_distance_page.h"
#include "tools/pages/sludge_page.h"
#include "water/pages/sewage_page.h"
#include "water/pages/mixing_pages.h"
#include "water/pages/rainstorm_page.h"
#include "water/pages/river_ph_page.h"
#include "water/pages/sp_page.h"
#include "water/pages/water_temperature_page.h"

namespace qelvo::ui {
namespace {

QWidget* createTabContainer(const PageSlot& slot, QWidget* parent)
{
    auto* container = new QWidget(parent);
    paintBackground(container, kPageColour);
    auto* sheet = new TabSheet(container);
    for (const auto& tab : slot.tabs)
        sheet->addForm(new PlaceholderPage(QString::fromStdString(slot.name + " — " + tab.title)),
                       QString::fromStdString(tab.title));
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(sheet);
    return container;
}

}  // namespace

QWidget* createPage(int slot, QWidget* parent)
{
    switch (slot) {
    case 1: return createSewagePage(parent);
    case 4: return new GreenPage(parent);
    case 6: return new StueberPage(parent);
    case 7: return new NoiseEvaluationPage(parent);
    case 17: return new Highway2006Page(parent);
    case 21: return createSludgePage(parent);
    case 37: return new IndustrialNoisePage(parent);
    case 38: return new Highway2009Page(parent);
    case 22: return new SpPage(parent);
    case 23: return createMixing2dPage(parent);
    case 24: return new FrPage(parent);
    case 25: return createCumFlowPage(parent);
    case 31: return new RainstormPage(parent);
    case 35: return new RiverPhPage(parent);
    case 36: return new WaterTemperaturePage(parent);
    case 30: return createGeoDistancePage(parent);
    default: break;
    }
    const PageSlot& info = pageSlot(slot);
    if (!info.tabs.empty()) return createTabContainer(info, parent);
    return new PlaceholderPage(QString::fromStdString(info.name), parent);
}

}  // namespace qelvo::ui
