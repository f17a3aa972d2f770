// Every water calculator, with the menu command and page slot that lead to it.
#pragma once

#include "common/catalogue.h"

namespace qelvo::water {

const CalculatorList& waterCalculators();

}  // namespace qelvo::water
