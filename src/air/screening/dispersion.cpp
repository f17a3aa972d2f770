#include "air/screening/dispersion.h"

#include <algorithm>
#include <cmath>

#include "air/screening/meteorology.h"
#include "air/screening/screening_constants.h"

namespace qelvo::air::screening {
namespace {

constexpr double kMetresPerKm = 1000;

// Rural σy (ISC3 §1.1.5, Pasquill–Gifford): θ = c − d·ln x_km degrees,
// σy = 465.11628·x_km·tan θ (465.11628 = 1000/2.15).
constexpr double kRuralYc[kClassCount] = {24.1667, 18.333, 12.5, 8.3330, 6.25, 4.1667};
constexpr double kRuralYd[kClassCount] = {2.5334, 1.8096, 1.0857, 0.72382, 0.54287, 0.36191};
constexpr double kHalfWidthToSigma = 465.11628;

// Rural σz = a·x_km^b by segment (ISC3 §1.1.5, Table 1-2). The upper bound is inclusive and
// compared in single precision, as SCREEN3 compares it; the last segment runs to 100 km for
// the virtual-distance iteration.
struct Segment {
    float upper;  // km
    double a, b;
};
constexpr float kLastUpper = 100;
constexpr Segment kSegA[] = {{0.10f, 122.8, 0.94470},   {0.15f, 158.080, 1.05420}, {0.20f, 170.22, 1.09320},
                             {0.25f, 179.52, 1.12620},  {0.30f, 217.41, 1.2644},   {0.40f, 258.89, 1.4094},
                             {0.50f, 346.75, 1.72830},  {kLastUpper, 453.85, 2.11660}};
constexpr Segment kSegB[] = {{0.20f, 90.673, 0.93198}, {0.40f, 98.483, 0.98332}, {kLastUpper, 109.3, 1.0971}};
constexpr Segment kSegC[] = {{kLastUpper, 61.141, 0.91465}};
constexpr Segment kSegD[] = {{0.30f, 34.459, 0.86974}, {1.0f, 32.093, 0.81066},  {3.0f, 32.093, 0.64403},
                             {10.0f, 33.504, 0.60486}, {30.0f, 36.650, 0.56589}, {kLastUpper, 44.053, 0.51179}};
constexpr Segment kSegE[] = {{0.10f, 24.26, 0.83660}, {0.30f, 23.331, 0.81956}, {1.0f, 21.628, 0.75660},
                             {2.0f, 21.628, 0.63077}, {4.0f, 22.534, 0.57154},  {10.0f, 24.703, 0.50527},
                             {20.0f, 26.97, 0.46713}, {40.0f, 35.42, 0.37615},  {kLastUpper, 47.618, 0.29592}};
constexpr Segment kSegF[] = {{0.20f, 15.209, 0.81558}, {0.70f, 14.457, 0.78407}, {1.0f, 13.953, 0.68465},
                             {2.0f, 13.953, 0.63227},  {3.0f, 14.823, 0.54503},  {7.0f, 16.187, 0.46490},
                             {15.0f, 17.836, 0.41507}, {30.0f, 22.651, 0.32681}, {60.0f, 27.074, 0.27436},
                             {kLastUpper, 34.219, 0.21716}};

struct SegmentTable {
    const Segment* segments;
    int count;
};
template <int N>
constexpr SegmentTable table(const Segment (&s)[N])
{
    return {s, N};
}
constexpr SegmentTable kRuralZ[kClassCount] = {table(kSegA), table(kSegB), table(kSegC),
                                               table(kSegD), table(kSegE), table(kSegF)};

// The segment holding xKm (single precision, upper bound inclusive); the last beyond all.
int segmentIndex(const SegmentTable& t, float xKm)
{
    int i = 0;
    while (i < t.count - 1 && xKm > t.segments[i].upper) ++i;
    return i;
}

// x in km as SCREEN3 forms it: fl(fl(x)·fl(0.001)).
float singleKm(double x) { return static_cast<float>(x) * 0.001f; }

// Urban Briggs/McElroy–Pooler curves (ISC3 §1.1.5, Table 1-3), x in m:
// σy = a·x/√(1 + 0.0004·x); σz by class as below.
constexpr double kUrbanYa[kClassCount] = {0.32, 0.32, 0.22, 0.16, 0.11, 0.11};
constexpr double kUrbanYb = 0.0004;
constexpr double kUrbanZa[kClassCount] = {0.24, 0.24, 0.20, 0.14, 0.08, 0.08};
constexpr double kUrbanZb[kClassCount] = {0.001, 0.001, 0, 0.0003, 0.0015, 0.0015};

// Rural virtual distance for σy0: x_y = 1000·(σy0·p)^q (ISC3 §1.1.5).
constexpr double kVirtualYp[kClassCount] = {0.004781486, 0.006474168, 0.009684292,
                                            0.014649868, 0.019584802, 0.029481132};
constexpr double kVirtualYq[kClassCount] = {1.1235955, 1.1086475, 1.0905125, 1.0881393, 1.0857763, 1.0881393};

constexpr double kNoInitialSigmaZ = 0.01;  // m
constexpr double kVirtualStartKm = 0.01;
constexpr int kVirtualZSteps = 5;

// x with a·x/√(1 + b·x) = σ: the positive root of a²x² − σ²b·x − σ² = 0.
double urbanInverse(double sigma, double a, double b)
{
    const double s2 = sigma * sigma;
    return (b * s2 + std::sqrt(b * b * s2 * s2 + 4 * a * a * s2)) / (2 * a * a);
}

}  // namespace

double cubicRoot(double a, double b, double c, double start)
{
    constexpr double kTolerance = 1e-4;
    constexpr int kSteps = 24;
    auto step = [&](double z) { return z - (((z + a) * z + b) * z + c) / ((3 * z + 2 * a) * z + b); };
    double z = start;
    for (int i = 0; i < kSteps; ++i) {
        const double next = step(z);
        if (std::fabs(next - z) <= kTolerance) return next;
        z = next;
    }
    return 0.5 * (z + step(z));  // not converged: the mean of the last two iterates
}

double sigmaY(double x, int k, bool urban)
{
    if (urban) return kUrbanYa[k - 1] * x / std::sqrt(1 + kUrbanYb * x);
    const double xKm = x / kMetresPerKm;
    const double theta = (kRuralYc[k - 1] - kRuralYd[k - 1] * std::log(xKm)) * kDegreesToRadians;
    return kHalfWidthToSigma * xKm * std::tan(theta);
}

double sigmaZ(double x, int k, bool urban)
{
    if (urban) {
        const double a = kUrbanZa[k - 1];
        switch (k) {
        case 1:
        case 2: return a * x * std::sqrt(1 + kUrbanZb[k - 1] * x);
        case 3: return a * x;
        default: return a * x / std::sqrt(1 + kUrbanZb[k - 1] * x);
        }
    }
    const SegmentTable& t = kRuralZ[k - 1];
    const Segment& s = t.segments[segmentIndex(t, singleKm(x))];
    return s.a * std::pow(x / kMetresPerKm, s.b);
}

double virtualDistanceY(double sigmaY0, int k, bool urban)
{
    if (urban) return urbanInverse(sigmaY0, kUrbanYa[k - 1], kUrbanYb);
    return kMetresPerKm * std::pow(sigmaY0 * kVirtualYp[k - 1], kVirtualYq[k - 1]);
}

double virtualDistanceZ(double sigmaZ0, double referenceKm, int k, bool urban)
{
    if (sigmaZ0 <= kNoInitialSigmaZ) return 0;
    if (urban) {
        const double a = kUrbanZa[k - 1];
        if (k <= 2) {
            // a·x·√(1 + b·x) = σz0: z³ + z²/b − σz0²/(a²b) = 0, from 4·σz0.
            const double b = kUrbanZb[k - 1];
            return cubicRoot(1 / b, 0, -sigmaZ0 * sigmaZ0 / (a * a * b), 4 * sigmaZ0);
        }
        if (k == 3) return sigmaZ0 / a;
        return urbanInverse(sigmaZ0, a, kUrbanZb[k - 1]);
    }
    // Rural: the segment depends on the answer, so iterate (ISC3 §1.1.5): take the segment of
    // ξ + X, invert it, accept when ξ + X lies in that segment.
    const SegmentTable& t = kRuralZ[k - 1];
    double xi = kVirtualStartKm;
    double steps[kVirtualZSteps + 1] = {xi};
    for (int n = 1; n <= kVirtualZSteps; ++n) {
        const int i = segmentIndex(t, static_cast<float>(xi + referenceKm));
        const Segment& s = t.segments[i];
        xi = std::pow(sigmaZ0 / s.a, 1 / s.b);
        steps[n] = xi;
        const float lower = i == 0 ? 0.0f : t.segments[i - 1].upper;
        const float at = static_cast<float>(xi + referenceKm);
        if (lower <= at && at <= s.upper) return kMetresPerKm * xi;
    }
    return kMetresPerKm * std::min(steps[kVirtualZSteps - 1], steps[kVirtualZSteps]);
}

double verticalTerm(double z, double h, double sz, double zi, int k)
{
    constexpr double kWellMixed = 1.6;  // σz/z_i from which the plume counts as uniform
    constexpr int kMaxReflections = 100;
    constexpr double kGroundTolerance = 5e-9;
    constexpr double kFlagpoleTolerance = 1e-8;
    auto g = [&](double d) { return cutExp(-d * d / (2 * sz * sz)); };
    const bool unlimited = stableClass(k) || zi >= kUnlimitedMixing;
    if (!unlimited && sz / zi >= kWellMixed) return kSqrt2Pi * sz / zi;
    if (z == 0) {
        if (unlimited) return 2 * g(h);
        double sum = g(h);
        for (int i = 1; i <= kMaxReflections; ++i) {
            const double term = g(2 * i * zi - h) + g(2 * i * zi + h);
            sum += term;
            if (term <= kGroundTolerance) break;
        }
        return 2 * sum;
    }
    double sum = g(z - h) + g(z + h);
    if (unlimited) return sum;
    for (int i = 1; i <= kMaxReflections; ++i) {
        const double h1 = 2 * i * zi - h;
        const double h2 = 2 * i * zi + h;
        const double term = g(z - h1) + g(z + h1) + g(z - h2) + g(z + h2);
        sum += term;
        if (term <= kFlagpoleTolerance) break;
    }
    return sum;
}

double plumeConcentration(double q, double us, double sy, double sz, double vertical)
{
    constexpr double kMicrograms = 1e6;
    const double t = vertical / (2 * kPi * us * sy * sz);
    if (!(t > 0) || std::log(t) <= kExpCutoff) return 0;
    return q * kMicrograms * t;
}

}  // namespace qelvo::air::screening
