#include "risk/pages/risk_pages.h"

#include "risk/pages/fire_pages.h"
#include "risk/pages/leak_pages.h"
#include "risk/pages/oil_film_page.h"
#include "risk/pages/pool_evaporation_page.h"

namespace qelvo::ui {

const PageList& riskPages()
{
    static const PageList list = {
        page(risk::liquidLeakCalculator(), [](QWidget* parent) { return new LiquidLeakPage(parent); }),
        page(risk::gasLeakCalculator(), [](QWidget* parent) { return new GasLeakPage(parent); }),
        page(risk::twoPhaseLeakCalculator(), [](QWidget* parent) { return new TwoPhaseLeakPage(parent); }),
        page(risk::poolEvaporationCalculator(), [](QWidget* parent) { return new PoolEvaporationPage(parent); }),
        page(risk::oilFilmCalculator(), [](QWidget* parent) { return new OilFilmPage(parent); }),
        page(risk::vceCalculator(), [](QWidget* parent) { return new VcePage(parent); }),
        page(risk::bleveCalculator(), [](QWidget* parent) { return new BlevePage(parent); }),
        page(risk::jetFireCalculator(), [](QWidget* parent) { return new JetFirePage(parent); }),
        page(risk::poolFireCalculator(), [](QWidget* parent) { return new PoolFirePage(parent); }),
    };
    return list;
}

}  // namespace qelvo::ui
