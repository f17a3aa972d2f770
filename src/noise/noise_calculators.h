// Every noise calculator, with the menu command and page slot that lead to it.
#pragma once

#include "common/catalogue.h"

namespace qelvo::noise {

const CalculatorList& noiseCalculators();

}  // namespace qelvo::noise
