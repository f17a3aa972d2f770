// Constants that several risk models share, each written once with its source.
//
// The risk models (leaks, pool evaporation, fires and explosions, oil film) are plain
// functions of an input struct; pages bind their fields and show what `present` builds.
#pragma once

namespace qelvo::risk {

// π as the risk guideline's worked formulas take it (heat evaporation, BLEVE fireball, pool
// fire, oil film).
constexpr double kPi = 3.14159;

// Universal gas constant, J/(mol·K), as the guideline writes it (gas leak, mass evaporation).
constexpr double kGasConstant = 8.31451;

}  // namespace qelvo::risk
