// Building downwash of point and flare sources (ISC3 §1.1.5 building wakes; S3UG downwash):
// which wake applies, the wake-enhanced σy and σz, and the Schulman–Scire plume rise with
// building entrainment.
#pragma once

#include "air/screening/plume_rise.h"

namespace qelvo::air::screening {

struct Building {
    double height = 0;  // h_b, m
    double width = 0;   // projected width W_p = √(L1² + L2²), m
    double scale = 0;   // L_b = min(h_b, W_p), m
    bool squat = false; // h_b ≤ W_p ≤ 5·h_b (tall and super-squat share their formulas)

    bool present() const { return height > 0 && width > 0; }
};
Building makeBuilding(double height, double dimension1, double dimension2);

enum class Wake { None, HuberSnyder, SchulmanScire };

struct WakeRegime {
    Wake wake = Wake::None;
    double wakeHeight = 0;  // h_w: stack height plus momentum rise at 2·h_b, m
};
WakeRegime wakeRegime(const Building& b, const Stack& s, double us, int k, const StabilityParameter& st,
                      const FinalRise& f);

// No wake formula applies this close to the building (x < 3·L_b): "NA".
bool insideWakeFormation(const Building& b, double x);

// Wake-enhanced σy and σz at x.
double wakeSigmaY(const Building& b, double wakeHeight, double x, int k, bool urban);
double wakeSigmaZ(const Building& b, Wake wake, double wakeHeight, double x, int k, bool urban);

// Schulman–Scire rise at x (BLP-type rise with the building's line and initial radius).
class SchulmanScireRise {
public:
    SchulmanScireRise(const Building& b, const Stack& s, double wakeHeight, double us, int k,
                      const StabilityParameter& st, const FinalRise& f, bool urban);
    double at(double x) const;  // rise at x (m): gradual before x_f, final from x_f on

private:
    double gradual(double x) const;
    Stack stack_;
    double us_;
    int k_;
    StabilityParameter st_;
    FinalRise f_;
    double a_ = 0, b_ = 0;  // cubic coefficients from the line length and the initial radius
    double final_ = 0;
};

}  // namespace qelvo::air::screening
