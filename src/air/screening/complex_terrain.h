// Complex terrain: the VALLEY 24-hour screen (S3UG complex terrain; SP92). A stable plume
// (F rural, E urban, 2.5 m/s) reaching terrain above stack top gives a 22.5° sector average;
// where the plume passes above the terrain, the simple-terrain worst case at the same distance
// (terrain chopped to stack height) is compared, both as 24-hour values.
#pragma once

#include <optional>

#include "air/screening/screening_case.h"
#include "air/screening/screening_result.h"

namespace qelvo::air::screening {

struct ValleyReference {
    double finalHeight = 0;    // final stable plume height above stack base, m
    double finalDistance = 0;  // distance to final rise, m
};
ValleyReference valleyReference(const ScreeningCase& c);

// The row for one complex-terrain entry (terrain above stack height).
ValleyRow valleyRow(const ScreeningCase& c, const ComplexEntry& entry);

}  // namespace qelvo::air::screening
