// Constants that models of several domains take as the guidelines write them.
#pragma once

namespace qelvo {

// π as the river mixing, fire, evaporation and oil film formulas take it (their worked
// examples use 3.14159); formulas that need the exact value use std::numbers::pi.
constexpr double kGuidelinePi = 3.14159;

}  // namespace qelvo
