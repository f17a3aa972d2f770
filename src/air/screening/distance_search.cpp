#include "air/screening/distance_search.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "air/screening/screening_constants.h"

namespace qelvo::air::screening {
namespace {

// The fixed distance list of the automated ranges (S3UG): 1 m, 100 … 3000 m by 100,
// 3500 … 10 000 m by 500, then 15, 20, 25, 30, 40 and 50 km.
std::vector<double> fixedDistances()
{
    std::vector<double> list{1};
    for (int x = 100; x <= 3000; x += 100) list.push_back(x);
    for (int x = 3500; x <= 10000; x += 500) list.push_back(x);
    for (double x : {15000.0, 20000.0, 25000.0, 30000.0, 40000.0, 50000.0}) list.push_back(x);
    return list;
}

// Sweep factors of the search around the array maximum x_c: x_c·(1 + f), each factor the
// single-precision value of its decimal.
constexpr float kPointSweep[] = {-0.95f, -0.90f, -0.85f, -0.80f, -0.75f, -0.70f, -0.65f, -0.60f, -0.55f,
                                 -0.50f, -0.45f, -0.40f, -0.35f, -0.30f, -0.25f, -0.20f, -0.15f, -0.10f,
                                 -0.05f, 0.05f,  0.1f,   0.2f,   0.3f,   0.4f,   0.5f};
constexpr float kAreaSweep[] = {-0.75f, -0.5f, -0.25f, -0.1f, 0.1f, 0.25f, 0.5f, 0.75f, 1.0f, 2.0f, 5.0f, 10.0f};

constexpr int kMaxSearchDistances = 50;
constexpr double kMinDistance = 1;  // m, point-type sources
constexpr double kNoValue = -999;   // start of every maximum over the meteorology

// The first step of the refinement by the size of the distance, m.
double firstStep(double x)
{
    if (x <= 1000) return 100;
    if (x <= 10000) return 1000;
    return 10000;
}

struct Candidate {
    double concentration;
    double distance;
    int stability;
};

}  // namespace

MeteorologyLoop::MeteorologyLoop(const ScreeningCase& c)
    : classes_(examinedClasses(c)), skipping_(c.kind == SourceKind::Area || c.kind == SourceKind::Volume),
      pointType_(c.pointType())
{
    if (c.kind == SourceKind::Area) area_.emplace(c);
    else plume_.emplace(c);
    // Area and volume sources examine one wind speed in every mode: 1 m/s or the given one.
    oneWind_ = c.met == MetMode::ClassAndWind || skipping_;
    wind_ = c.met == MetMode::ClassAndWind ? c.windSpeed : 1.0;
}

std::span<const double> MeteorologyLoop::winds(int k) const
{
    return oneWind_ ? std::span<const double>(&wind_, 1) : windSpeeds(k);
}

ScreeningRow MeteorologyLoop::at(double x, double terrain, bool mayskip)
{
    ScreeningRow best;
    best.distance = x;
    best.concentration = kNoValue;
    const bool skip = skipping_ && mayskip && direction_ >= 0;
    for (int i = 0; i < classes_.count; ++i) {
        const int k = classes_.classes[i];
        if (skip && k < previousClass_) continue;
        for (double u10 : winds(k)) {
            const ScreeningRow row = area_ ? area_->at(x, k, u10) : plume_->at(x, terrain, k, u10);
            if (row.concentration > best.concentration) best = row;
        }
    }
    best.distance = x;
    previousClass_ = best.stability;
    return best;
}

std::span<const float> sweepFactors(bool area) { return area ? std::span<const float>(kAreaSweep) : kPointSweep; }

std::vector<double> automatedDistances(double xMin, double xMax)
{
    static const std::vector<double> list = fixedDistances();
    std::vector<double> out{std::max(kMinDistance, xMin)};
    for (double v : list)
        if (xMin < v && v <= xMax) out.push_back(v);
    return out;
}

std::optional<RangeOutcome> automatedRange(MeteorologyLoop& loop, const AutomatedRange& range, double terrain,
                                           const std::function<bool()>& cancelled)
{
    auto stop = [&] { return cancelled && cancelled(); };
    RangeOutcome out;
    out.section.terrainHeight = terrain;
    const double xMin = range.xMin;

    // The array: every listed distance; its maximum is the first row with the largest value.
    loop.forgetClass();
    ScreeningRow arrayMax;
    arrayMax.distance = kMinDistance;
    for (double x : automatedDistances(range.xMin, range.xMax)) {
        if (stop()) return std::nullopt;
        out.section.rows.push_back(loop.at(x, terrain, true));
        if (out.section.rows.back().concentration > arrayMax.concentration) arrayMax = out.section.rows.back();
    }
    out.section.maximum = arrayMax;
    if (arrayMax.concentration == 0) return out;

    // Sweep around the array maximum x_c.
    const bool point = loop.pointType();
    const double xc = arrayMax.distance;
    Candidate best{arrayMax.concentration, xc, arrayMax.stability};
    ScreeningRow last;
    bool firstSweep = true;
    for (float f : sweepFactors(!point)) {
        if (stop()) return std::nullopt;
        loop.setDirection(firstSweep ? -1 : 0);
        firstSweep = false;
        const float offset = static_cast<float>(xc) * f;
        double x = static_cast<float>(static_cast<float>(xc) + offset);
        if (point) x = std::max(x, kMinDistance);
        last = loop.at(x, terrain, true);
        if (last.concentration > best.concentration && x >= xMin) best = {last.concentration, x, last.stability};
    }

    // Refinement: steps of a tenth of the last, reversing whenever the value falls.
    double step = firstStep(best.distance);
    // The first step goes outward: always for area sources, from x_min for the others.
    if (!point || best.distance == xMin) step = -step;
    double x = best.distance;
    Candidate previous = best;
    std::optional<Candidate> result;
    int evaluations = 1;
    loop.forgetClass();
    bool done = false;
    bool far = false;  // stepped beyond 50 km: the result stands as it is
    while (!done) {
        step = -step / 10;
        loop.setDirection(step);
        if (std::fabs(step) < 1) break;
        for (;;) {
            if (stop()) return std::nullopt;
            x = static_cast<float>(x + step);
            if (point) x = std::max(x, kMinDistance);
            last = loop.at(x, terrain, true);
            if (++evaluations > kMaxSearchDistances) {
                if (result) {
                    result->stability = last.stability;
                    out.iterationStopped = result->distance >= xMin;
                }
                done = true;
                break;
            }
            if (last.concentration < previous.concentration) {
                result = previous;
                previous = {last.concentration, x, previous.stability};
                break;  // reverse with a finer step
            }
            result = previous = Candidate{last.concentration, x, last.stability};
            far = x > kFarFieldDistance;
            if (far || x == kMinDistance) {
                done = true;
                break;
            }
        }
    }
    if (!result || (!far && result->distance < xMin)) return out;
    if (arrayMax.concentration >= result->concentration) return out;
    ScreeningRow found = last;  // the fields of the last distance evaluated
    found.distance = result->distance;
    found.concentration = result->concentration;
    found.stability = result->stability;
    out.section.maximum = found;
    return out;
}

}  // namespace qelvo::air::screening
