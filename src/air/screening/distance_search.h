// The simple-terrain distances (S3UG automated and discrete distances): the worst case over
// the meteorology at one distance, the automated distance array of a range, and SCREEN3's
// search for the maximum "to the nearest metre" around the array maximum.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "air/screening/area_source.h"
#include "air/screening/meteorology.h"
#include "air/screening/plume_model.h"
#include "air/screening/screening_case.h"
#include "air/screening/screening_result.h"

namespace qelvo::air::screening {

// The worst case at one distance over the classes and winds the run examines. Area and volume
// sources assume that the controlling class does not fall with distance: while the search
// direction is not negative, classes below the previous distance's are left out.
class MeteorologyLoop {
public:
    explicit MeteorologyLoop(const ScreeningCase& c);

    // The row of the first combination with the largest concentration (strictly greater wins;
    // the first combination is taken even when it gives 0).
    ScreeningRow at(double x, double terrain, bool mayskip);

    // Stability skipping state (area and volume sources).
    void forgetClass() { previousClass_ = 0; }
    void setDirection(double d) { direction_ = d; }

    bool pointType() const { return pointType_; }
    bool areaSource() const { return area_.has_value(); }

private:
    std::span<const double> winds(int k) const;  // the 10 m winds examined for class k
    std::optional<PlumeModel> plume_;
    std::optional<AreaModel> area_;
    ClassList classes_;
    bool skipping_;
    bool oneWind_ = false;
    double wind_ = 1;
    bool pointType_;
    int previousClass_ = 0;
    double direction_ = 0;
};

// The factors f of the search's sweep around the array maximum x_c (distances x_c·(1 + f)), for
// point-type or area sources.
std::span<const float> sweepFactors(bool area);

// The listed distances of an automated range: x_min, then every distance of the fixed list
// above x_min up to x_max.
std::vector<double> automatedDistances(double xMin, double xMax);

struct RangeOutcome {
    ScreeningSection section;     // rows and the maximum line
    bool iterationStopped = false;  // the search gave up after 50 distances
};

// One automated range: its rows, the array maximum and the search around it. Returns nothing
// when `cancelled` answers true.
std::optional<RangeOutcome> automatedRange(MeteorologyLoop& loop, const AutomatedRange& range, double terrain,
                                           const std::function<bool()>& cancelled);

}  // namespace qelvo::air::screening
