// Area source (ISC3 §1.2.2; S3UG area section): a rectangle centred on the origin whose long
// side makes an angle θ with the wind; the receptor lies downwind on the wind axis. The
// crosswind integral is done exactly through SCREEN3's tabulated normal CDF, the along-wind
// integral as a boundary integral around the rectangle (Romberg, NR §4.3), with the points
// where the plume edge (±4σy) crosses a side found by Brent's method (NR §9.3). The angle is
// either fixed or searched over the small range a look-up table gives.
#pragma once

#include "air/screening/screening_case.h"
#include "air/screening/screening_result.h"

namespace qelvo::air::screening {

// Φ̂(n): SCREEN3's normal CDF, linear in a table at spacing 0.1, 0 below −3.9, 1 from 3.9.
double tabulatedNormal(double n);

// The whole degrees the direction search examines for class k at distance x.
struct AngleRange {
    int first = 0;
    int last = 0;
};
AngleRange searchedAngles(double sideLong, double sideShort, double x, int k, bool urban);

class AreaModel {
public:
    explicit AreaModel(const ScreeningCase& c);

    // The row for class k and 10 m wind u10 at x (m): the best angle of the search, or the fixed
    // angle; its angle in maxDirection.
    ScreeningRow at(double x, int k, double u10) const;

    // Concentration (µg/m³) for wind angle θ (degrees to the long side).
    double concentration(double x, int k, double u10, double theta) const;

private:
    double emission_;
    double height_;
    double receptor_;
    double sideLong_, sideShort_;
    bool urban_;
    bool search_;
    double angle_;
};

}  // namespace qelvo::air::screening
