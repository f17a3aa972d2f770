// Great-circle distance between two points given by east longitude and north latitude,
// on a sphere with the WGS 84 equatorial radius. West and south are negative degrees.
#pragma once

#include "common/calculator.h"

namespace qelvo::tools {

struct GeoDistanceInput {
    double lon1 = 120.9532;
    double lat1 = 27.201;
    double lon2 = 120.954;
    double lat2 = 27.20242;
};

struct GeoDistanceResult {
    double d = 0;  // metres; NaN where rounding puts the cosine above 1
};

GeoDistanceResult computeGeoDistance(const GeoDistanceInput& in);

const CalculatorDef<GeoDistanceInput, GeoDistanceResult>& geoDistanceCalculator();

}  // namespace qelvo::tools
