// Shared guards of the river models: distance series and grids are refused before any
// memory is spent when they would be absurdly long.
#pragma once

namespace qelvo::water {

constexpr double kMaxSeriesRows = 1'000'000;
constexpr double kMaxGridCells = 4'000'000;
inline const char* kTooManyRows = "计算点数过多，请增大距离间隔后重新输入！";

// Seconds per day, for decay constants given per day.
constexpr double kSecondsPerDay = 86400;

}  // namespace qelvo::water
