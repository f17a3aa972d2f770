// Fumigation of a rural point or flare source at least 10 m high (S3UG fumigation; SP92;
// Turner 1970 eq. 5.2): inversion break-up and shoreline fumigation, both for an F-class
// plume at 2.5 m/s.
#pragma once

#include "air/screening/screening_case.h"

namespace qelvo::air::screening {

// Distances printed for break-up beyond this as 99999.99.
inline constexpr double kFumigationFar = 100000;  // m

struct InversionBreakup {
    double concentration = 0;  // µg/m³; 0 when the maximum is nearer than 2 km
    double distance = 0;       // distance to the maximum, m
    bool tooClose = false;     // the maximum lies within 2000 m: no value
};
InversionBreakup inversionBreakup(const ScreeningCase& c);

struct ShorelineFumigation {
    bool calculated = false;   // false: the plume stays below the internal boundary layer
    double concentration = 0;  // µg/m³
    double distance = 0;       // m
    bool tooClose = false;     // the maximum lies within 200 m: no value
};
ShorelineFumigation shorelineFumigation(const ScreeningCase& c);

}  // namespace qelvo::air::screening
