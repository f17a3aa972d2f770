// Every calculator of the system, each declared once by its model.
#pragma once

#include <string_view>
#include <vector>

#include "common/calculator.h"

namespace qelvo {

const std::vector<Calculator>& calculators();

const Calculator* findCalculator(std::string_view id);

}  // namespace qelvo
