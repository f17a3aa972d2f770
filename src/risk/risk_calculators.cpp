#include "risk/risk_calculators.h"

#include "risk/bleve.h"
#include "risk/jet_fire.h"
#include "risk/leak.h"
#include "risk/oil_film.h"
#include "risk/pool_evaporation.h"
#include "risk/pool_fire.h"
#include "risk/vce.h"

namespace qelvo::risk {

const CalculatorList& riskCalculators()
{
    static const CalculatorList list = {
        listed(32795, 11, liquidLeakCalculator()),
        listed(32797, 13, gasLeakCalculator()),
        listed(32798, 14, twoPhaseLeakCalculator()),
        listed(32796, 12, poolEvaporationCalculator()),
        // The three windows of the evaporation page.
        listed(flashEvaporationCalculator()),
        listed(heatEvaporationCalculator()),
        listed(massEvaporationCalculator()),
        listed(32822, 32, oilFilmCalculator()),
        listed(32816, 28, vceCalculator()),
        listed(32815, 27, bleveCalculator()),  // its label ends in one blank
        listed(32817, 29, jetFireCalculator()),
        // The pool fire page has a slot but no menu entry; no control leads to it.
        listed(0, 26, poolFireCalculator()),
    };
    return list;
}

}  // namespace qelvo::risk
