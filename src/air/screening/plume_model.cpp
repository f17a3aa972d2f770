#include "air/screening/plume_model.h"

#include <algorithm>

#include "air/screening/dispersion.h"
#include "air/screening/meteorology.h"

namespace qelvo::air::screening {
namespace {

constexpr double kTinyHeight = 1e-10;
// A volume source's receptor within 2.15·σy0 (less 0.99 m) of the centre is inside it.
constexpr double kVolumeHalfWidth = 2.15;
constexpr double kInsideVolume = 0.99;  // m

// Plume height after terrain: h_e − h_t, not below 0.
double aboveTerrain(double he, double ht)
{
    he -= ht;
    return he < kTinyHeight ? 0 : he;
}

}  // namespace

double examinedWind(double x, double u10) { return x > kFarFieldDistance && u10 < kFarFieldMinWind ? kFarFieldMinWind : u10; }

PlumeModel::PlumeModel(const ScreeningCase& c) : PlumeModel(c, c.building, c.receptorHeight) {}

PlumeModel::PlumeModel(const ScreeningCase& c, bool withBuilding, double receptorHeight)
    : kind_(c.kind), urban_(c.urban), emission_(c.emission), receptor_(receptorHeight), stack_(sourceStack(c))
{
    if (withBuilding && c.building) building_ = makeBuilding(c.buildingHeight, c.buildingMin, c.buildingMax);
    sigmaY0_ = c.sigmaY0;
    sigmaZ0_ = c.sigmaZ0;
}

ScreeningRow PlumeModel::at(double x, double ht, int k, double u10) const
{
    if (kind_ == SourceKind::Volume) return volumeAt(x, ht, k, u10);
    ScreeningRow row;
    row.distance = x;
    u10 = examinedWind(x, u10);
    const double us = stackWind(u10, stack_.height, k, urban_);
    const StabilityParameter st = stabilityParameter(k, stack_.ambientTemp);
    const FinalRise f = finalRise(stack_, us, k, st);
    const WakeRegime wake = wakeRegime(building_, stack_, us, k, st, f);
    if (wake.wake != Wake::None && insideWakeFormation(building_, x)) {
        row.dwash = "NA";  // every other field stays 0
        return row;
    }

    double he, sy, sz;
    switch (wake.wake) {
    case Wake::None: {
        // SCREEN3 uses the final rise for the height at every distance; the gradual rise enters
        // only the buoyancy-induced dispersion.
        he = stackTipHeight(stack_, us) + f.rise;
        const double rise = riseAt(stack_, us, k, st, f, x);
        sy = withBuoyancyDispersion(sigmaY(x, k, urban_), rise);
        sz = withBuoyancyDispersion(sigmaZ(x, k, urban_), rise);
        row.dwash = "NO";
        break;
    }
    case Wake::HuberSnyder: {
        const double rise = riseAt(stack_, us, k, st, f, x);
        he = stackTipHeight(stack_, us) + rise;
        sy = withBuoyancyDispersion(wakeSigmaY(building_, wake.wakeHeight, x, k, urban_), rise);
        sz = withBuoyancyDispersion(wakeSigmaZ(building_, wake.wake, wake.wakeHeight, x, k, urban_), rise);
        row.dwash = "HS";
        break;
    }
    case Wake::SchulmanScire: {
        const SchulmanScireRise rise(building_, stack_, wake.wakeHeight, us, k, st, f, urban_);
        he = stack_.height + rise.at(x);
        sy = wakeSigmaY(building_, wake.wakeHeight, x, k, urban_);
        sz = wakeSigmaZ(building_, wake.wake, wake.wakeHeight, x, k, urban_);
        row.dwash = "SS";
        break;
    }
    }
    he = aboveTerrain(he, ht);
    sz = std::min(sz, kMaxSigmaZ);
    const double zi = mixingHeight(u10, he, k);
    row.concentration = plumeConcentration(emission_, us, sy, sz, verticalTerm(receptor_, he, sz, zi, k));
    row.stability = k;
    row.u10 = u10;
    row.ustk = us;
    row.mixingHeight = zi;
    row.plumeHeight = he;
    row.sigmaY = sy;
    row.sigmaZ = sz;
    return row;
}

ScreeningRow PlumeModel::volumeAt(double x, double ht, int k, double u10) const
{
    ScreeningRow row;
    row.distance = x;
    if (x - kVolumeHalfWidth * sigmaY0_ < kInsideVolume) return row;  // inside the source: all 0, blank
    u10 = examinedWind(x, u10);
    const double us = stackWind(u10, stack_.height, k, urban_);
    // Virtual point source upwind (ISC3 §1.2.1): σy0 and σz0 reached at x_y and x_z.
    const double xy = virtualDistanceY(sigmaY0_, k, urban_);
    const double xz = virtualDistanceZ(sigmaZ0_, x / 1000, k, urban_);
    const double sy = sigmaY(x + xy, k, urban_);
    const double sz = std::min(sigmaZ(x + xz, k, urban_), kMaxSigmaZ);
    const double he = aboveTerrain(stack_.height, ht);
    const double zi = mixingHeight(u10, he, k);
    row.concentration = plumeConcentration(emission_, us, sy, sz, verticalTerm(receptor_, he, sz, zi, k));
    row.stability = k;
    row.u10 = u10;
    row.ustk = us;
    row.mixingHeight = zi;
    row.plumeHeight = he;
    row.sigmaY = sy;
    row.sigmaZ = sz;
    row.dwash = "NO";
    return row;
}

}  // namespace qelvo::air::screening
