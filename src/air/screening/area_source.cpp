#include "air/screening/area_source.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "air/screening/area_direction_tables.h"
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

// Wind-direction rotation of the geometry by 270° in single precision (sin = −1 exactly,
// cos = 1.1924881e−8, the single-precision cosine of 270·0.017453293).
constexpr float kWindCos = 1.1924881e-8f;

// Romberg (NR §4.3, as SCREEN3 uses it): extrapolation from the second level through up to
// five points, tested from the fourth level, at most ten levels.
constexpr int kRombergLevels = 10;
constexpr int kRombergPoints = 5;
constexpr int kRombergFirstTest = 4;
constexpr double kRombergTolerance = 1e-4;
constexpr double kRombergFloor = 1e-10;

// Brent (NR §9.3) with SCREEN3's tolerances, in km.
constexpr double kBrentTolerance = 1e-4;
constexpr double kBrentPrecision = 1e-4;
constexpr int kBrentSteps = 100;

// Value at η = 0 of the polynomial through (eta[i], t[i]), i = 0 … n−1 (Neville).
double extrapolateToZero(const double* eta, const double* t, int n)
{
    double p[kRombergPoints];
    for (int i = 0; i < n; ++i) p[i] = t[i];
    for (int m = 1; m < n; ++m)
        for (int i = 0; i < n - m; ++i) p[i] = (eta[i] * p[i + 1] - eta[i + m] * p[i]) / (eta[i] - eta[i + m]);
    return p[0];
}

template <class F>
double romberg(const F& g, float a, float b)
{
    double t[kRombergLevels + 1], eta[kRombergLevels + 1];
    const float width = b - a;
    t[1] = 0.5 * width * (g(a) + g(b));
    eta[1] = 1;
    double estimate = t[1];
    for (int j = 2; j <= kRombergLevels; ++j) {
        const int points = 1 << (j - 2);
        const float step = width / static_cast<float>(points);
        float x = a + 0.5f * step;
        double sum = 0;
        for (int i = 0; i < points; ++i, x += step) sum += g(x);
        t[j] = 0.5 * (t[j - 1] + static_cast<double>(step) * sum);
        eta[j] = eta[j - 1] / 4;
        const int m = std::min(j, kRombergPoints);
        estimate = extrapolateToZero(eta + j - m + 1, t + j - m + 1, m);
        const double lower = extrapolateToZero(eta + j - m + 2, t + j - m + 2, m - 1);
        const double error = estimate - lower;
        if (j >= kRombergFirstTest && (std::fabs(error) <= kRombergTolerance * std::fabs(estimate)
                                       || std::fabs(estimate) <= kRombergFloor))
            return estimate;
    }
    return estimate;
}

// Root of f in the bracket [x1, x2] (NR zbrent).
template <class F>
double brent(const F& f, double x1, double x2)
{
    double a = x1, b = x2, c = x2, d = 0, e = 0;
    double fa = f(a), fb = f(b), fc = fb;
    for (int i = 0; i < kBrentSteps; ++i) {
        if ((fb > 0 && fc > 0) || (fb < 0 && fc < 0)) {
            c = a;
            fc = fa;
            e = d = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol1 = 2 * kBrentPrecision * std::fabs(b) + 0.5 * kBrentTolerance;
        const double xm = 0.5 * (c - b);
        if (std::fabs(xm) <= tol1 || fb == 0) return b;
        if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2 * xm * s;
                q = 1 - s;
            } else {
                const double qq = fa / fc, r = fb / fc;
                p = s * (2 * xm * qq * (qq - r) - (b - a) * (r - 1));
                q = (qq - 1) * (r - 1) * (s - 1);
            }
            if (p > 0) q = -q;
            p = std::fabs(p);
            const double min1 = 3 * xm * q - std::fabs(tol1 * q);
            const double min2 = std::fabs(e * q);
            if (2 * p < std::min(min1, min2)) {
                e = d;
                d = p / q;
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol1 ? d : (xm >= 0 ? tol1 : -tol1);
        fb = f(b);
    }
    return b;
}

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

// A stretch of an edge where the whole crosswind profile lies on the receptor's side (Φ̂ = 1),
// in the edge's direction.
struct Saturated {
    double from, to;
};

// Σ sign·∫ f over the stretches where Φ̂ = 1, combining overlapping stretches by their
// directions the way SCREEN3 does.
double saturatedPart(const std::vector<Saturated>& list, const Kernel& kernel)
{
    if (list.empty()) return 0;
    struct Entry {
        double low, high;
        int sign;
    };
    std::vector<Entry> entries;
    std::vector<double> ends;
    for (const auto& s : list) {
        const int sign = s.from < s.to ? 1 : s.from > s.to ? -1 : 0;
        entries.push_back({std::min(s.from, s.to), std::max(s.from, s.to), sign});
        ends.push_back(s.from);
        ends.push_back(s.to);
    }
    std::sort(ends.begin(), ends.end());
    struct Piece {
        double low, high;
        int sum;
    };
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
        const double lo = ends[i], hi = ends[i + 1];
        if (!(lo < hi)) continue;
        int sum = 0;
        for (const auto& e : entries)
            if (e.low <= lo && hi <= e.high) sum += e.sign;
        if (sum == 0) continue;
        // Touching pieces of the same sign become one, with the later piece's sum.
        if (!pieces.empty() && pieces.back().high == lo && (pieces.back().sum > 0) == (sum > 0)) {
            pieces.back().high = hi;
            pieces.back().sum = sum;
        } else {
            pieces.push_back({lo, hi, sum});
        }
    }
    double total = 0;
    for (const auto& p : pieces)
        total += p.sum * romberg([&](float u) { return kernel.f(u); }, static_cast<float>(p.low), static_cast<float>(p.high));
    return total;
}

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
    const float xr = static_cast<float>(x) / kMetresPerKm;
    const float yr = (kWindCos * static_cast<float>(x)) / kMetresPerKm;
    std::array<Point, 4> p;
    for (int j = 0; j < 4; ++j) {
        const float X = corners[j][0] / kMetresPerKm, Y = corners[j][1] / kMetresPerKm;
        const float xw = X - kWindCos * Y, yw = Y + kWindCos * X;
        p[j] = {xr - xw, yr - yw};
    }

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
    std::vector<Saturated> saturated;
    for (std::size_t j = 0; j < poly.size(); ++j) {
        const Edge e{poly[j], poly[(j + 1) % poly.size()]};
        if (std::fabs(e.a.u - e.b.u) <= kShortEdge) continue;
        auto n = [&](double u) { return kMetresPerKm * e.vAt(u) / kernel.sigmaYAt(static_cast<float>(u)); };
        auto g = [&](float u) { return kernel.f(u) * tabulatedNormal(n(u)); };
        const double na = normalised(e.a), nb = normalised(e.b);
        if (std::fabs(na) <= kPlumeEdge && std::fabs(nb) <= kPlumeEdge) {
            sum += romberg(g, e.a.u, e.b.u);
            continue;
        }
        if (na < -kPlumeEdge && nb < -kPlumeEdge) continue;
        if (na > kPlumeEdge && nb > kPlumeEdge) {
            saturated.push_back({e.a.u, e.b.u});
            continue;
        }
        auto crossing = [&](double edge) {
            return static_cast<float>(brent([&](double u) { return n(u) - edge; }, e.a.u, e.b.u));
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
        sum += romberg(g, from, to);
    }
    sum += saturatedPart(saturated, kernel);
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
