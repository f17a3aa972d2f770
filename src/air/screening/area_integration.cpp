#include "air/screening/area_integration.h"

#include <algorithm>
#include <cmath>

namespace qelvo::air::screening {
namespace {

constexpr int kRombergLevels = 10;
constexpr int kRombergPoints = 5;
constexpr int kRombergFirstTest = 4;
constexpr double kRombergTolerance = 1e-4;
constexpr double kRombergFloor = 1e-10;

constexpr double kBrentTolerance = 1e-4;  // km
constexpr double kBrentPrecision = 1e-4;  // in place of the machine precision
constexpr int kBrentSteps = 100;

// Value at 0 of the polynomial through (eta[i], t[i]), i = 0 … n−1 (Neville).
double extrapolateToZero(const double* eta, const double* t, int n)
{
    double p[kRombergPoints];
    std::copy(t, t + n, p);
    for (int m = 1; m < n; ++m)
        for (int i = 0; i < n - m; ++i) p[i] = (eta[i] * p[i + 1] - eta[i + m] * p[i]) / (eta[i] - eta[i + m]);
    return p[0];
}

}  // namespace

double rombergIntegral(const std::function<double(float)>& g, float a, float b)
{
    double t[kRombergLevels], eta[kRombergLevels];
    const float width = b - a;
    t[0] = 0.5 * width * (g(a) + g(b));
    eta[0] = 1;
    double estimate = t[0];
    int points = 1;
    for (int j = 1; j < kRombergLevels; ++j, points *= 2) {
        const float step = width / static_cast<float>(points);
        float x = a + 0.5f * step;
        double sum = 0;
        for (int i = 0; i < points; ++i, x += step) sum += g(x);
        t[j] = 0.5 * (t[j - 1] + static_cast<double>(step) * sum);
        eta[j] = eta[j - 1] / 4;
        const int m = std::min(j + 1, kRombergPoints);
        estimate = extrapolateToZero(eta + j + 1 - m, t + j + 1 - m, m);
        const double lower = extrapolateToZero(eta + j + 2 - m, t + j + 2 - m, m - 1);
        if (j + 1 >= kRombergFirstTest && (std::fabs(estimate - lower) <= kRombergTolerance * std::fabs(estimate)
                                          || std::fabs(estimate) <= kRombergFloor))
            return estimate;
    }
    return estimate;
}

double brentRoot(const std::function<double(double)>& f, double x1, double x2)
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
            // Inverse quadratic interpolation, or the secant when only two points differ.
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
            if (2 * p < std::min(3 * xm * q - std::fabs(tol1 * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = xm;  // bisection
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol1 ? d : std::copysign(tol1, xm);
        fb = f(b);
    }
    return b;
}

double saturatedIntegral(const std::vector<SaturatedStretch>& stretches, const std::function<double(float)>& f)
{
    std::vector<double> ends;
    for (const auto& s : stretches) {
        ends.push_back(s.from);
        ends.push_back(s.to);
    }
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
    struct Piece {
        double low, high;
        int sum;
    };
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i + 1 < ends.size(); ++i) {
        const double lo = ends[i], hi = ends[i + 1];
        int sum = 0;
        for (const auto& s : stretches)
            if (std::min(s.from, s.to) <= lo && hi <= std::max(s.from, s.to))
                sum += static_cast<int>(std::copysign(1.0, s.to - s.from));
        if (sum == 0) continue;
        if (!pieces.empty() && pieces.back().high == lo && (pieces.back().sum > 0) == (sum > 0)) {
            pieces.back().high = hi;  // joined, with the later sum
            pieces.back().sum = sum;
        } else {
            pieces.push_back({lo, hi, sum});
        }
    }
    double total = 0;
    for (const auto& p : pieces)
        total += p.sum * rombergIntegral(f, static_cast<float>(p.low), static_cast<float>(p.high));
    return total;
}

}  // namespace qelvo::air::screening
