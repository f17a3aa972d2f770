// Shared guards and constants of the river models. Distance series stop at the common row
// cap (kMaxTableRows), grids of receptors at the common cell cap (kMaxGridCells), both in
// common/calculator.h.
#pragma once

namespace qelvo::water {

// Seconds per day, for decay constants given per day.
constexpr double kSecondsPerDay = 86400;

}  // namespace qelvo::water
