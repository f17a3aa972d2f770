#include "air/screening/complex_terrain.h"

#include <algorithm>
#include <cmath>

#include "air/screening/dispersion.h"
#include "air/screening/plume_model.h"
#include "air/screening/plume_rise.h"
#include "air/screening/screening_constants.h"

namespace qelvo::air::screening {
namespace {

constexpr double kValleyWind = 2.5;          // m/s, used at stack height directly
constexpr double kMinValleyPlume = 10;       // m above the terrain
constexpr double kSectorFactor = 2.032;      // √(2/π)/(2π/16): 22.5° sector average
constexpr double kValleyTo24h = 0.25;        // 1-hour to 24-hour, valley screen (SP92)
constexpr double kSimpleTo24h = 0.40;        // 1-hour to 24-hour, simple terrain (SP92)
constexpr double kMicrograms = 1e6;

int valleyClass(bool urban) { return urban ? kClassE : kClassF; }

}  // namespace

ValleyReference valleyReference(const ScreeningCase& c)
{
    const Stack s = sourceStack(c);
    const int k = valleyClass(c.urban);
    const StabilityParameter st = stabilityParameter(k, s.ambientTemp);
    const FinalRise f = finalRise(s, kValleyWind, k, st);
    return {stackTipHeight(s, kValleyWind) + f.rise, f.xf};
}

ValleyRow valleyRow(const ScreeningCase& c, const ComplexEntry& entry)
{
    const Stack s = sourceStack(c);
    const int k = valleyClass(c.urban);
    const StabilityParameter st = stabilityParameter(k, s.ambientTemp);
    const FinalRise f = finalRise(s, kValleyWind, k, st);
    const double x = entry.distance;
    const double rise = riseAt(s, kValleyWind, k, st, f, x);

    ValleyRow row;
    row.terrainHeight = entry.terrain;
    row.distance = x;
    row.valleyPlumeHeight = stackTipHeight(s, kValleyWind) + rise;
    const double sz = std::min(withBuoyancyDispersion(sigmaZ(x, k, c.urban), rise), kMaxSigmaZ);
    const double above = row.valleyPlumeHeight <= entry.terrain
                             ? kMinValleyPlume
                             : std::max(kMinValleyPlume, row.valleyPlumeHeight - entry.terrain);
    const double oneHour = kSectorFactor * c.emission * kMicrograms / (sz * kValleyWind * x)
                           * cutExp(-0.5 * (above / sz) * (above / sz));
    row.valley24h = kValleyTo24h * oneHour;

    if (row.valleyPlumeHeight > entry.terrain) {
        // Simple-terrain worst case over full meteorology, no building, ground-level receptor,
        // terrain chopped to stack height.
        const PlumeModel plume(c, false, 0);
        ScreeningRow best;
        best.concentration = -999;
        for (int kk = 1; kk <= kClassCount; ++kk)
            for (double u10 : windSpeeds(kk)) {
                const ScreeningRow r = plume.at(x, s.height, kk, u10);
                if (r.concentration > best.concentration) best = r;
            }
        row.simple24h = kSimpleTo24h * best.concentration;
        row.simplePlumeHeight = best.plumeHeight;
        row.stability = best.stability;
        row.u10 = best.u10;
        row.ustk = best.ustk;
    }
    row.max24h = std::max(row.valley24h, row.simple24h);
    return row;
}

}  // namespace qelvo::air::screening
