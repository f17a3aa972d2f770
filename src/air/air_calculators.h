// Every air calculator, with the menu command and page slot that lead to it.
#pragma once

#include "common/catalogue.h"

namespace qelvo::air {

const CalculatorList& airCalculators();

}  // namespace qelvo::air
