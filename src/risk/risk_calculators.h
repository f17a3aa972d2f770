// Every environmental-risk calculator, with the menu command and page slot that lead to it.
#pragma once

#include "common/catalogue.h"

namespace qelvo::risk {

const CalculatorList& riskCalculators();

}  // namespace qelvo::risk
