#include "air/screening/area_source.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "air/screening/area_direction_tables.h"
#include "air/screening/area_integration.h"
#include "air/screening/dispersion.h"
#include "air/screening/meteorology.h"
#include "air/screening/plume_model.h"
#include "air/screening/screening_constants.h"

namespace qelvo::air::screening {
namespace {

// SCREEN3's normal CDF at n = (i − 40)/10, i = 1 … 79.
constexpr double kNormalTable[79] = {
    0.0000, 0.0001, 0.0001, 0.0002, 0.0002, 0.0003, 0.0005, 0.0007, 0.0010, 0.0013,  //
    0.0019, 0.0026, 0.0035, 0.0047, 0.0062, 0.0082, 0.0107, 0.0139, 0.0179, 0.0227,  //
    0.0287, 0.0359, 0.0446, 0.0548, 0.0668, 0.0808, 0.0968, 0.1151, 0.1357, 0.1587,  //
    0.1841, 0.2119, 0.2420, 0.2742, 0.3085, 0.3445, 0.3821, 0.4207, 0.4602, 0.5000,  //
    0.5398, 0.5793, 0.6179, 0.6555, 0.6915, 0.7258, 0.7580, 0.7881, 0.8159, 0.8413,  //
    0.8643, 0.8849, 0.9032, 0.9192, 0.9332, 0.9452, 0.9554, 0.9641, 0.9713, 0.9773,  //
    0.9821, 0.9861, 0.9893, 0.9918, 0.9938, 0.9953, 0.9965, 0.9974, 0.9981, 0.9987,  //
    0.9990, 0.9993, 0.9995, 0.9997, 0.9998, 0.9998, 0.9999, 0.9999, 1.0000};

constexpr double kPlumeEdge = 4;           // |v|/σy beyond which Φ̂ is 0 or 1
constexpr float kNearestUpwind = 0.00101f;  // km: elements closer than 1.01 m upwind count nothing
constexpr float kShortEdge = 1e-4f;         // km: edges shorter along the wind are left out
constexpr double kMinSigma = 1e-4;          // m
constexpr double kMicrograms = 1e6;
constexpr float kMetresPerKm = 1000;

struct Point {
    float u;  // upwind distance, km
    float v;  // crosswind offset, km
};

// The integrand pieces for one class and wind: f(u) = 1000·V(u)/(√(2π)·σz(u)) and σy(u).
class Kernel {
public:
    Kernel(double height, double receptor, double zi, int k, bool urban)
        : height_(height), receptor_(receptor), zi_(zi), k_(k), urban_(urban) {}

    double sigmaYAt(float u) const { return std::max(sigmaY(metres(u), k_, urban_), kMinSigma); }
    double f(float u) const
    {
        const double sz = std::max(sigmaZ(metres(u), k_, urban_), kMinSigma);
        return kMetresPerKm * verticalTerm(receptor_, height_, sz, zi_, k_) / (kSqrt2Pi * sz);
    }

private:
    static double metres(float u) { return static_cast<float>(kMetresPerKm * u); }
    double height_, receptor_, zi_;
    int k_;
    bool urban_;
};

// One edge of the clipped polygon, with v linear in u.
struct Edge {
    Point a, b;
    double vAt(double u) const { return a.v + (b.v - a.v) * (u - a.u) / (b.u - a.u); }
};

// Which direction-search table a class uses: rural one per class, urban A+B, C, D, E+F.
int directionTable(int k, bool urban)
{
    if (!urban) return k - 1;
    constexpr int kUrbanTable[kClassCount] = {6, 6, 7, 8, 9, 9};
    return kUrbanTable[k - 1];
}

}  // namespace

double tabulatedNormal(double n)
{
    const double index = 10 * n + 40;
    if (index < 1) return 0;
    if (index >= 79) return 1;
    const int i = static_cast<int>(index);
    return kNormalTable[i - 1] + (index - i) * (kNormalTable[i] - kNormalTable[i - 1]);
}

AngleRange searchedAngles(double sideLong, double sideShort, double x, int k, bool urban)
{
    // Column: aspect values ≤ L/W; row: normalised distances ≤ x/(L/2); single precision.
    const float aspect = static_cast<float>(sideLong) / static_cast<float>(sideShort);
    const float xn = static_cast<float>(x) / (0.5f * static_cast<float>(sideLong));
    int c = 0, r = 0;
    while (c < kDirectionColumns && kDirectionAspects[c] <= aspect) ++c;
    while (r < kDirectionRows && kDirectionDistances[r] <= xn) ++r;
    c = std::max(c, 1);
    r = std::max(r, 1);
    const bool cInside = c < kDirectionColumns, rInside = r < kDirectionRows;
    const auto& t = kDirectionTables[directionTable(k, urban)];
    int lo = t[r - 1][c - 1], hi = lo;
    auto take = [&](int rr, int cc) {
        lo = std::min<int>(lo, t[rr - 1][cc - 1]);
        hi = std::max<int>(hi, t[rr - 1][cc - 1]);
    };
    if (cInside) take(r, c + 1);
    if (rInside) take(r + 1, c);
    if (cInside && rInside) take(r + 1, c + 1);
    return {lo, hi};
}

AreaModel::AreaModel(const ScreeningCase& c)
    : emission_(c.emission), height_(c.height), receptor_(c.receptorHeight), sideLong_(c.sideLong),
      sideShort_(c.sideShort), urban_(c.urban), search_(c.directionSearch), angle_(c.angle)
{
}

double AreaModel::concentration(double x, int k, double u10, double theta) const
{
    u10 = examinedWind(x, u10);
    const double us = stackWind(u10, height_, k, urban_);
    const double zi = mixingHeight(u10, height_, k);
    const Kernel kernel(height_, receptor_, zi, k, urban_);

    // Corners in metres, then km, in single precision; the long side at −θ to the x axis.
    const float phi = -static_cast<float>(theta) * static_cast<float>(kDegreesToRadians);
    const float sn = std::sin(phi), cs = std::cos(phi);
    const float l = 0.5f * static_cast<float>(sideLong_), w = 0.5f * static_cast<float>(sideShort_);
    const float corners[4][2] = {{w * sn - l * cs, -w * cs - l * sn},
                                 {-w * sn - l * cs, w * cs - l * sn},
                                 {-w * sn + l * cs, w * cs + l * sn},
                                 {w * sn + l * cs, -w * cs + l * sn}};
    // SCREEN3 also turns corners and receptor by the wind direction (270°, cosine 1.19e−8 in
    // single precision); that moves them by less than their single-precision spacing and is
    // left out.
    const float xr = static_cast<float>(x) / kMetresPerKm;
    std::array<Point, 4> p;
    std::transform(std::begin(corners), std::end(corners), p.begin(), [&](const float(&c)[2]) {
        return Point{xr - c[0] / kMetresPerKm, -(c[1] / kMetresPerKm)};
    });

    // Clip at 1.01 m upwind.
    std::vector<Point> poly;
    for (int j = 0; j < 4; ++j) {
        const Point& a = p[j];
        const Point& b = p[(j + 1) % 4];
        const bool inA = a.u >= kNearestUpwind, inB = b.u >= kNearestUpwind;
        if (inA) poly.push_back(a);
        if (inA != inB) poly.push_back({kNearestUpwind, a.v + (b.v - a.v) * (kNearestUpwind - a.u) / (b.u - a.u)});
    }
    if (poly.size() < 2) return 0;

    auto normalised = [&](const Point& q) { return kMetresPerKm * q.v / kernel.sigmaYAt(q.u); };
    bool allAbove = true, allBelow = true;
    for (const auto& q : poly) {
        const double n = normalised(q);
        allAbove = allAbove && n >= kPlumeEdge;
        allBelow = allBelow && n <= -kPlumeEdge;
    }
    if (allAbove || allBelow) return 0;

    double sum = 0;
    std::vector<SaturatedStretch> saturated;
    for (std::size_t j = 0; j < poly.size(); ++j) {
        const Edge e{poly[j], poly[(j + 1) % poly.size()]};
        if (std::fabs(e.a.u - e.b.u) <= kShortEdge) continue;
        auto n = [&](double u) { return kMetresPerKm * e.vAt(u) / kernel.sigmaYAt(static_cast<float>(u)); };
        auto g = [&](float u) { return kernel.f(u) * tabulatedNormal(n(u)); };
        const double na = normalised(e.a), nb = normalised(e.b);
        if (std::fabs(na) <= kPlumeEdge && std::fabs(nb) <= kPlumeEdge) {
            sum += rombergIntegral(g, e.a.u, e.b.u);
            continue;
        }
        if (na < -kPlumeEdge && nb < -kPlumeEdge) continue;
        if (na > kPlumeEdge && nb > kPlumeEdge) {
            saturated.push_back({e.a.u, e.b.u});
            continue;
        }
        auto crossing = [&](double edge) {
            return static_cast<float>(brentRoot([&](double u) { return n(u) - edge; }, e.a.u, e.b.u));
        };
        float from = e.a.u, to = e.b.u;
        if (na < -kPlumeEdge) from = crossing(-kPlumeEdge);
        if (na > kPlumeEdge) {
            from = crossing(kPlumeEdge);
            saturated.push_back({e.a.u, from});
        }
        if (nb < -kPlumeEdge) to = crossing(-kPlumeEdge);
        if (nb > kPlumeEdge) {
            to = crossing(kPlumeEdge);
            saturated.push_back({to, e.b.u});
        }
        sum += rombergIntegral(g, from, to);
    }
    sum += saturatedIntegral(saturated, [&](float u) { return kernel.f(u); });
    return std::fabs(sum) * emission_ * kMicrograms / us;
}

ScreeningRow AreaModel::at(double x, int k, double u10) const
{
    ScreeningRow best;
    best.distance = x;
    best.concentration = -999;
    // A fixed angle beyond 50 km computes nothing (SCREEN3's quirk): the row keeps −999 and zeros.
    if (!search_ && x > kFarFieldDistance) return best;
    auto consider = [&](double theta) {
        const double c = concentration(x, k, u10, theta);
        if (c > best.concentration) {
            best.concentration = c;
            best.maxDirection = theta;
        }
    };
    if (search_) {
        const AngleRange angles = searchedAngles(sideLong_, sideShort_, x, k, urban_);
        for (int a = angles.first; a <= angles.last; ++a) consider(a);
    } else {
        consider(angle_);
    }
    const double u = examinedWind(x, u10);
    best.stability = k;
    best.u10 = u;
    best.ustk = stackWind(u, height_, k, urban_);
    best.mixingHeight = mixingHeight(u, height_, k);
    best.plumeHeight = height_;
    return best;
}

}  // namespace qelvo::air::screening
