// Shared guards and constants of the river models. Distance series stop at the common row
// cap (kMaxTableRows); grids of receptors are refused beyond this many cells before any
// memory is spent.
#pragma once

namespace qelvo::water {

constexpr double kMaxGridCells = 4'000'000;

// Seconds per day, for decay constants given per day.
constexpr double kSecondsPerDay = 86400;

}  // namespace qelvo::water
