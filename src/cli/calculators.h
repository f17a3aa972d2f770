// Every calculator of every domain, as `qelvo-calc` lists and runs them.
#pragma once

#include <string_view>
#include <vector>

#include "common/calculator.h"

namespace qelvo::cli {

// In the order `qelvo-calc list` shows them: the domains' lists one after another.
const std::vector<Calculator>& calculators();

const Calculator* findCalculator(std::string_view id);

}  // namespace qelvo::cli
