#include "air/screening/meteorology.h"

#include <algorithm>
#include <cmath>

#include "air/screening/screening_constants.h"

namespace qelvo::air::screening {
namespace {

// S3UG worst-case meteorology: the wind list, of which class k uses the first kWindCount[k].
constexpr double kWindList[] = {1.0, 1.5, 2.0, 2.5, 3.0, 3.5, 4.0, 4.5, 5.0, 8.0, 10.0, 15.0, 20.0};
constexpr int kWindCount[kClassCount] = {5, 9, 11, 13, 9, 7};  // up to 3, 5, 10, 20, 5, 4 m/s

// Wind-profile exponents p (ISC3 §1.1.3), rural and urban, classes A … F.
constexpr double kProfileRural[kClassCount] = {0.07, 0.07, 0.10, 0.15, 0.35, 0.55};
constexpr double kProfileUrban[kClassCount] = {0.15, 0.15, 0.20, 0.25, 0.30, 0.30};
constexpr double kProfileReference = 10;  // m, the anemometer height
constexpr double kMinStackWind = 1.0;     // m/s

constexpr double kMechanicalMixingPerWind = 320;  // s, 0.3·u*/f with u* = 0.1·u10
constexpr double kMixingAbovePlume = 1;           // m

// Potential-temperature gradients of E and F, K/m (S3UG, SP92).
constexpr double kLapseE = 0.020;
constexpr double kLapseF = 0.035;
constexpr double kNeutralStability = 1e-10;

// Area sources at most this high examine only the stable classes in full meteorology.
constexpr double kLowAreaHeight = 2;  // m

}  // namespace

std::span<const double> windSpeeds(int k) { return {kWindList, static_cast<std::size_t>(kWindCount[k - 1])}; }

double maxWindSpeed(int k) { return kWindList[kWindCount[k - 1] - 1]; }

double stackWind(double u10, double h, int k, bool urban)
{
    double us = u10;
    if (h >= kProfileReference) {
        const double p = (urban ? kProfileUrban : kProfileRural)[k - 1];
        us = u10 * std::pow(h / kProfileReference, p);
    }
    return std::max(us, kMinStackWind);
}

double mixingHeight(double u10, double plumeHeight, int k)
{
    if (stableClass(k)) return kUnlimitedMixing;
    double zi = std::min(kMechanicalMixingPerWind * u10, kUnlimitedMixing);
    if (zi < plumeHeight + kMixingAbovePlume) zi = plumeHeight + kMixingAbovePlume;
    return zi;
}

StabilityParameter stabilityParameter(int k, double ambientTemp)
{
    if (!stableClass(k)) return {kNeutralStability, kNeutralStability};
    const double lapse = k == kClassE ? kLapseE : kLapseF;
    const double s = kGravity * lapse / ambientTemp;
    return {s, std::sqrt(s)};
}

ClassList examinedClasses(const ScreeningCase& c)
{
    ClassList list;
    if (c.met != MetMode::Full) {
        list.classes[list.count++] = c.stabilityClass;
        return list;
    }
    int first = 1;
    if (c.kind == SourceKind::Area && c.height <= kLowAreaHeight) first = c.urban ? kClassF : kClassE;
    for (int k = first; k <= kClassCount; ++k) list.classes[list.count++] = k;
    return list;
}

}  // namespace qelvo::air::screening
