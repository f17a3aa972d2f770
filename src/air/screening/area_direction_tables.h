// Data of the area-source wind-direction search (S3UG area section): ten tables of the angle
// between the wind and the long side that gave the highest concentration, by aspect ratio and
// normalised distance. Rural sources use one table per class (A … F), urban sources four
// (A and B, C, D, E and F).
#pragma once

#include <cstdint>

namespace qelvo::air::screening {

inline constexpr int kDirectionTableCount = 10;
inline constexpr int kDirectionRows = 56;
inline constexpr int kDirectionColumns = 22;

extern const float kDirectionAspects[kDirectionColumns];
extern const float kDirectionDistances[kDirectionRows];
extern const std::uint8_t kDirectionTables[kDirectionTableCount][kDirectionRows][kDirectionColumns];

}  // namespace qelvo::air::screening
