// One meteorological combination at one distance for a point, flare or volume source: plume
// height, σy, σz, mixing height and the 1-hour concentration, as one listing row shows them.
#pragma once

#include "air/screening/building_wake.h"
#include "air/screening/plume_rise.h"
#include "air/screening/screening_case.h"
#include "air/screening/screening_result.h"

namespace qelvo::air::screening {

class PlumeModel {
public:
    explicit PlumeModel(const ScreeningCase& c);
    // The same source with building, receptor height or emission changed (complex terrain
    // runs without building and at ground level).
    PlumeModel(const ScreeningCase& c, bool withBuilding, double receptorHeight);

    // Concentration and printed quantities for class k and 10 m wind u10 at distance x (m) with
    // terrain ht (m above stack base, already clipped to the release height).
    ScreeningRow at(double x, double ht, int k, double u10) const;

    const Stack& stack() const { return stack_; }

private:
    ScreeningRow volumeAt(double x, double ht, int k, double u10) const;
    SourceKind kind_;
    bool urban_;
    double emission_;
    double receptor_;
    Stack stack_;
    Building building_;
    double sigmaY0_ = 0, sigmaZ0_ = 0;
};

// The stack-height wind SCREEN3 examines: beyond 50 km a 10 m wind below 2 m/s counts as 2 m/s.
double examinedWind(double x, double u10);

}  // namespace qelvo::air::screening
