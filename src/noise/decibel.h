// Noise models: decibel arithmetic at the base (levels add by energy, not arithmetically),
// the decibel calculator's key logic and the evaluation quantities Leq and Ldn. Pages bind
// fields and windows to these; the command line runs the same functions.
#pragma once

#include <cmath>
#include <vector>

namespace qelvo::noise {

// The common logarithm, as the guidelines write it.
inline double lg(double x) { return std::log10(x); }

// The relative energy of a level, 10^(0.1·L).
inline double levelEnergy(double level) { return std::pow(10.0, 0.1 * level); }

// L1 ⊕ L2 = 10·lg(10^(0.1·L1) + 10^(0.1·L2))
double addLevels(double l1, double l2);

// L1 ⊖ L2 = 10·lg(10^(0.1·L1) − 10^(0.1·L2)); −inf for equal levels, NaN when L2 > L1.
double subtractLevels(double l1, double l2);

// 10·lg(Σ 10^(0.1·Li))
double sumLevels(const std::vector<double>& levels);

}  // namespace qelvo::noise
