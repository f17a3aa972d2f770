#include "risk/pages/risk_pages.h"

namespace qelvo::ui {

// One line per built page: page(itsCalculator(), factory). Slots without one show a
// placeholder naming their calculator.
const PageList& riskPages()
{
    static const PageList list = {};
    return list;
}

}  // namespace qelvo::ui
