#include "tools/subsidence.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <type_traits>

#include "common/number_format.h"

// The probability-integral method (《建筑物、水体、铁路及主要井巷煤柱留设与压煤开采规范》,
// appendix on the prediction of surface movement and deformation; 何国清等《矿山开采沉陷学》
// ch. 5). A mined element of the seam lets the surface above it sink by the influence
// function f(u) = (1/r)·exp(−π·u²/r²), u the horizontal distance from the element's
// projection; the panel's subsidence is the integral of f over the panel, scaled by the
// maximum subsidence of full extraction
//
//     W0 = m·q·cosα                                    (m 采厚, q 下沉系数, α 煤层倾角)
//
// and it factorises into a strike and a dip coefficient: W(x, y) = W0·C(x)·C(y).
//
// Coordinates on the surface: x along strike from the panel's start edge, y along dip
// from its up-dip edge towards the down-dip side, both in the horizontal projection.
//
// Strike main section, r = H0/tgβ, inflection lines x1 = s3 and x2 = p − s4 (the panel's
// edges moved inwards by the inflection-point offsets):
//     C(x)  = ½·[erf(√π·(x − x1)/r) − erf(√π·(x − x2)/r)]
//     C'(x) = [e(x − x1) − e(x − x2)]/r,                 e(u) = exp(−π·u²/r²)
//     C''(x)= −2π·[(x − x1)·e(x − x1) − (x − x2)·e(x − x2)]/r³
//
// Dip main section: the seam dips at α, so the depth, and with it the influence radius
// ρ = H/tgβ, grows across the panel from H0 − (a/2)·tgα at the up-dip edge to
// H0 + (a/2)·tgα at the down-dip edge, and an element's influence reaches the surface not
// straight above it but shifted down-dip along the propagation angle θ by H·cotθ. The
// inflection lines on the surface are
//     y1 = s2 + H_up·cotθ,     y2 = a − s1 + H_down·cotθ
// (their distance is the computed width L = (a − s1 − s2) + a·tgα·cotθ, the 规范's
// (D1 − s1 − s2)·sin(θ + α)/sinθ with the offsets taken horizontally). The dip coefficient
// is the integral of f over the panel's width, η from 0 to a, each element mapped to its
// place t(η) = y1 + (y2 − y1)·η/a on the surface with its own radius ρ(η):
//     C(y)  = ∫₀ᵃ f(y − t; ρ)·J dη,   J = (y2 − y1)/a
// and C'(y), C''(y) likewise with ∂f/∂y and ∂²f/∂y². For a flat seam (α = 0, θ = 90°)
// this is the error-function form of the strike section. The integral is taken by adaptive
// Simpson to an absolute tolerance of 1e-7 on the dimensionless coefficients.
//
// From W(x, y) (mm, with x, y in m):
//     tilt         i = ∂W/∂x, ∂W/∂y                      mm/m
//     curvature    K = ∂²W/∂x², ∂²W/∂y²                  mm/m² (1e-3/m)
//     horizontal movement along strike U = b·r·∂W/∂x     mm
//                 along dip   U = b·ρ·∂W/∂y + W·cotθ      mm   (b 水平移动系数)
//     horizontal strain ε = ∂U/∂x, ∂U/∂y                  mm/m
// the dip terms taken element by element (b·ρ(η)·∂f/∂y under the integral).

namespace qelvo::tools {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = std::numbers::pi / 180;

// The integration across the dip width: from 0 to a, to this absolute tolerance.
constexpr double kIntegrationTolerance = 1e-7;
// Bisection of an adaptive Simpson panel stops here whatever its error (2^-40 of a panel).
constexpr int kMaxSimpsonDepth = 40;
// Beyond this many radii an element's influence is below 1e-49 of its peak: the integral
// leaves it out, and the damage radius is not looked for there.
constexpr double kReach = 6;
// The dip width is cut into panels of at most half an influence radius, so that no narrow
// peak of f falls between Simpson's first nodes; panels that would need more are refused.
constexpr double kMaxSimpsonPanels = 1024;

// Damage thresholds of the 规范 (boundary of the moving basin, and of dangerous movement,
// the limits of damage grade I for brick buildings): subsidence 10 mm, tilt 3 mm/m,
// curvature 0.2 mm/m², horizontal strain 2 mm/m.
constexpr double kSubsidenceLimit = 10;
constexpr double kTiltLimit = 3;
constexpr double kCurvatureLimit = 0.2;
constexpr double kStrainLimit = 2;

// The damage radius is searched on this many nodes each way over the panel and kReach radii
// around it, then refined near the outermost node: along a ray from samples a quarter node
// spacing apart, then by bisection; over the ray's direction by golden-section search. Each
// refinement takes the same number of steps (bisection: 2^-40 of a sample).
constexpr int kSearchNodes = 401;
constexpr int kRefinements = 40;

// The basin grid: one and a half influence radii around the inflection lines, where the
// subsidence has fallen below 1e-4 of W0; grids beyond this many nodes are refused before any
// memory is spent.
constexpr double kBasinReach = 1.5;
constexpr double kMaxBasinNodes = 4'000'000;

// The panel as the formulas use it.
struct Panel {
    double W0 = 0;          // mm
    double r = 0;           // strike radius, m
    double x1 = 0, x2 = 0;  // strike inflection lines
    double a = 0;           // the dip width the integral runs over
    double y1 = 0, y2 = 0;  // dip inflection lines on the surface
    double rUp = 0, rDown = 0;
    double cotTheta = 0;
    double b = 0;
};

// A coefficient and what the formulas need of it: C, C', C'' and, for the horizontal
// movement, D = ∫ρ·∂f/∂y (dimensionless) and E = ∫ρ·∂²f/∂y² (1/m); along strike D = r·C'
// and E = r·C''.
struct Profile {
    double C = 0, d1 = 0, d2 = 0, D = 0, E = 0;
};

Profile strikeProfile(const Panel& pn, double x)
{
    const double r = pn.r;
    const double u1 = (x - pn.x1) / r, u2 = (x - pn.x2) / r;  // in radii
    const double e1 = std::exp(-kPi * u1 * u1), e2 = std::exp(-kPi * u2 * u2);
    Profile p;
    p.C = 0.5 * (std::erf(std::sqrt(kPi) * u1) - std::erf(std::sqrt(kPi) * u2));
    p.d1 = (e1 - e2) / r;
    p.d2 = -2 * kPi * (u1 * e1 - u2 * e2) / (r * r);
    p.D = r * p.d1;
    p.E = r * p.d2;
    return p;
}

Profile operator+(const Profile& a, const Profile& b)
{
    return {a.C + b.C, a.d1 + b.d1, a.d2 + b.d2, a.D + b.D, a.E + b.E};
}
Profile operator-(const Profile& a, const Profile& b)
{
    return {a.C - b.C, a.d1 - b.d1, a.d2 - b.d2, a.D - b.D, a.E - b.E};
}
Profile operator*(double k, const Profile& a) { return {k * a.C, k * a.d1, k * a.d2, k * a.D, k * a.E}; }

class DipIntegral {
public:
    DipIntegral(const Panel& pn, double y) : pn_(pn), y_(y), J_((pn.y2 - pn.y1) / pn.a) {}

    // f and its y-derivatives at the element η, times J.
    Profile operator()(double eta) const
    {
        const double k = eta / pn_.a;
        const double t = pn_.y1 + (pn_.y2 - pn_.y1) * k;
        const double rho = pn_.rUp + (pn_.rDown - pn_.rUp) * k;
        const double u = (y_ - t) / rho;  // in radii
        const double f = std::exp(-kPi * u * u) / rho * J_;
        const double slope = -2 * kPi * u * f / rho;                      // ∂f/∂y
        const double bend = 2 * kPi * (2 * kPi * u * u - 1) * f / (rho * rho);  // ∂²f/∂y²
        return {f, slope, bend, rho * slope, rho * bend};
    }

    // Over the part of the width where an element reaches y at all (t within kReach radii),
    // in first panels of at most half the smallest radius, each refined to its share of the
    // tolerance.
    Profile integrate() const
    {
        const double reach = kReach * std::max(pn_.rUp, pn_.rDown);
        const double span = pn_.y2 - pn_.y1;
        const double lo = std::clamp((y_ - reach - pn_.y1) / span, 0.0, 1.0) * pn_.a;
        const double hi = std::clamp((y_ + reach - pn_.y1) / span, 0.0, 1.0) * pn_.a;
        Profile sum;
        if (!(hi > lo)) return sum;
        const double panelWidth = 0.5 * std::min(pn_.rUp, pn_.rDown) / (span / pn_.a);
        const int n = std::max(1, static_cast<int>(std::ceil((hi - lo) / panelWidth)));
        for (int k = 0; k < n; ++k) {
            const double a = lo + (hi - lo) * k / n, b = lo + (hi - lo) * (k + 1) / n;
            const Profile fa = (*this)(a), fm = (*this)(0.5 * (a + b)), fb = (*this)(b);
            sum = sum + adaptive(a, b, fa, fm, fb, simpson(a, b, fa, fm, fb), kIntegrationTolerance / n, kMaxSimpsonDepth);
        }
        return sum;
    }

private:
    static Profile simpson(double a, double b, const Profile& fa, const Profile& fm, const Profile& fb)
    {
        return ((b - a) / 6) * (fa + 4 * fm + fb);
    }

    // The error measure of a difference: each coefficient made dimensionless with the strike
    // radius (C and D are already), the largest of them.
    double size(const Profile& p) const
    {
        const double r = pn_.r;
        return std::max({std::fabs(p.C), std::fabs(p.d1 * r), std::fabs(p.d2 * r * r), std::fabs(p.D), std::fabs(p.E * r)});
    }

    Profile adaptive(double a, double b, const Profile& fa, const Profile& fm, const Profile& fb, const Profile& whole,
                     double tolerance, int depth) const
    {
        const double m = 0.5 * (a + b);
        const Profile flm = (*this)(0.5 * (a + m)), frm = (*this)(0.5 * (m + b));
        const Profile left = simpson(a, m, fa, flm, fm), right = simpson(m, b, fm, frm, fb);
        const Profile delta = left + right - whole;
        if (depth == 0 || size(delta) <= 15 * tolerance) return left + right + (1.0 / 15) * delta;
        return adaptive(a, m, fa, flm, fm, left, tolerance / 2, depth - 1)
               + adaptive(m, b, fm, frm, fb, right, tolerance / 2, depth - 1);
    }

    const Panel& pn_;
    double y_;
    double J_;
};

Profile dipProfile(const Panel& pn, double y) { return DipIntegral(pn, y).integrate(); }

// Movement and deformation at a point from its two coefficients.
struct Movement {
    double W, ix, iy, Kx, Ky, Ux, Uy, ex, ey;
};

Movement movement(const Panel& pn, const Profile& px, const Profile& py)
{
    const double W0 = pn.W0;
    return {W0 * px.C * py.C,
            W0 * px.d1 * py.C,
            W0 * px.C * py.d1,
            W0 * px.d2 * py.C,
            W0 * px.C * py.d2,
            W0 * pn.b * px.D * py.C,
            W0 * px.C * (pn.b * py.D + py.C * pn.cotTheta),
            W0 * pn.b * px.E * py.C,
            W0 * px.C * (pn.b * py.E + py.d1 * pn.cotTheta)};
}

// The four damage measures at a point: subsidence, and the larger of the strike and dip
// values of tilt, curvature and strain; and their limits.
constexpr std::array kLimits = {kSubsidenceLimit, kTiltLimit, kCurvatureLimit, kStrainLimit};
using Damage = std::remove_const_t<decltype(kLimits)>;

Damage damage(const Movement& m)
{
    return {m.W, std::max(std::fabs(m.ix), std::fabs(m.iy)), std::max(std::fabs(m.Kx), std::fabs(m.Ky)),
            std::max(std::fabs(m.ex), std::fabs(m.ey))};
}

Refusal check(const SubsidenceInput& in)
{
    const auto no = [](const char* message, const char* key) { return Refusal{message, key}; };
    if (!(in.H0 > 0)) return no("平均采深H0必须大于0，请重新输入！", "H0");
    if (!(in.tanBeta > 0)) return no("影响角正切tgβ必须大于0，请重新输入！", "tanBeta");
    if (!(in.theta > 0 && in.theta <= 90)) return no("最大下沉角θ必须大于0且不大于90度，请重新输入！", "theta");
    if (!(in.p > 0)) return no("工作面走向长p必须大于0，请重新输入！", "p");
    if (!(in.a > 0)) return no("工作面沿倾斜方向的水平距离a必须大于0，请重新输入！", "a");
    if (!(in.m > 0)) return no("采厚m必须大于0，请重新输入！", "m");
    if (!(in.q > 0)) return no("下沉系数q必须大于0，请重新输入！", "q");
    if (!(in.b >= 0)) return no("水平移动系数b不能小于0，请重新输入！", "b");
    if (!(in.alpha >= 0 && in.alpha < 90)) return no("煤层倾角α必须大于等于0且小于90度，请重新输入！", "alpha");
    if (!(double(in.H0) - 0.5 * in.a * std::tan(in.alpha * kDegree) > 0))
        return no("工作面上山边界的采深H0-a·tgα/2必须大于0，请重新输入！", "alpha");
    if (!(double(in.s3) + in.s4 < in.p)) return no("拐点偏移距s3+s4必须小于工作面走向长p，请重新输入！", "s3");
    if (!(double(in.s1) + in.s2 < in.a)) return no("拐点偏移距s1+s2必须小于工作面倾斜方向的水平距离a，请重新输入！", "s1");
    return {};
}

Panel makePanel(const SubsidenceInput& in)
{
    Panel pn;
    const double alpha = in.alpha * kDegree, theta = in.theta * kDegree;
    pn.W0 = double(in.m) * 1000 * in.q * std::cos(alpha);  // mm
    pn.r = double(in.H0) / in.tanBeta;
    pn.x1 = in.s3;
    pn.x2 = double(in.p) - in.s4;
    pn.a = in.a;
    const double Hup = double(in.H0) - 0.5 * in.a * std::tan(alpha);
    const double Hdown = double(in.H0) + 0.5 * in.a * std::tan(alpha);
    pn.rUp = Hup / in.tanBeta;
    pn.rDown = Hdown / in.tanBeta;
    pn.cotTheta = in.theta == 90 ? 0 : std::cos(theta) / std::sin(theta);
    pn.y1 = in.s2 + Hup * pn.cotTheta;
    pn.y2 = double(in.a) - in.s1 + Hdown * pn.cotTheta;
    pn.b = in.b;
    return pn;
}

// Simpson's first panels are half the smallest radius wide over the reach of the largest: a
// panel whose up-dip edge lies far shallower than its down-dip edge would need too many.
Refusal checkPanel(const Panel& pn)
{
    const double span = std::min(pn.y2 - pn.y1, 2 * kReach * std::max(pn.rUp, pn.rDown));
    if (!(span / (0.5 * std::min(pn.rUp, pn.rDown)) <= kMaxSimpsonPanels))
        return {"工作面上山边界与下山边界的采深相差过大，无法计算，请重新输入！", "a"};
    return {};
}

// The largest value of f on [lo, hi] and where it lies, by golden-section search: exact for
// an f with one maximum there, and never below the best value it has seen otherwise.
struct Peak {
    double at = 0, value = 0;
};

template <class F>
Peak largestOn(F f, double lo, double hi)
{
    const double phi = (std::sqrt(5.0) - 1) / 2;
    double c = hi - phi * (hi - lo), d = lo + phi * (hi - lo);
    double fc = f(c), fd = f(d);
    Peak best{c, fc};
    for (int k = 0; k < kRefinements; ++k) {
        if (fc >= fd) {
            hi = d, d = c, fd = fc;
            c = hi - phi * (hi - lo), fc = f(c);
        } else {
            lo = c, c = d, fc = fd;
            d = lo + phi * (hi - lo), fd = f(d);
        }
        for (const Peak& p : {Peak{c, fc}, Peak{d, fd}})
            if (p.value > best.value) best = p;
    }
    return best;
}

// The y of the deepest point: C(y) has one maximum, near the middle of the inflection lines.
double deepestY(const Panel& pn)
{
    return largestOn([&](double y) { return dipProfile(pn, y).C; }, pn.y1 - pn.rDown, pn.y2 + pn.rDown).at;
}

// For each damage measure, the farthest distance from (xc, yc) at which it exceeds its
// limit (0 where it nowhere does).
Damage damageRadii(const Panel& pn, double xc, double yc)
{
    const double xlo = pn.x1 - kReach * pn.r, xhi = pn.x2 + kReach * pn.r;
    const double ylo = pn.y1 - kReach * pn.rUp, yhi = pn.y2 + kReach * pn.rDown;
    const double hx = (xhi - xlo) / (kSearchNodes - 1), hy = (yhi - ylo) / (kSearchNodes - 1);
    std::vector<Profile> px(kSearchNodes), py(kSearchNodes);
    for (int j = 0; j < kSearchNodes; ++j) px[j] = strikeProfile(pn, xlo + j * hx);
    for (int i = 0; i < kSearchNodes; ++i) py[i] = dipProfile(pn, ylo + i * hy);

    Damage farthest{}, direction{};
    for (int i = 0; i < kSearchNodes; ++i)
        for (int j = 0; j < kSearchNodes; ++j) {
            const Damage d = damage(movement(pn, px[j], py[i]));
            const double ex = xlo + j * hx - xc, ey = ylo + i * hy - yc;
            const double dist = std::hypot(ex, ey);
            for (std::size_t k = 0; k < d.size(); ++k)
                if (d[k] > kLimits[k] && dist > farthest[k]) farthest[k] = dist, direction[k] = std::atan2(ey, ex);
        }

    const double h = std::hypot(hx, hy), sample = h / 4;
    Damage radii{};
    for (std::size_t k = 0; k < radii.size(); ++k) {
        if (farthest[k] == 0) continue;
        // Along the ray at angle phi: the last sample within two node spacings of the node's
        // distance that exceeds the limit, out while the next one still does, then bisection.
        const auto along = [&](double phi) {
            const auto exceeds = [&](double s) {
                const double x = xc + s * std::cos(phi), y = yc + s * std::sin(phi);
                return damage(movement(pn, strikeProfile(pn, x), dipProfile(pn, y)))[k] > kLimits[k];
            };
            double in = -1;
            for (double s = farthest[k] - 2 * h; s <= farthest[k] + 2 * h; s += sample)
                if (s >= 0 && exceeds(s)) in = s;
            if (in < 0) return 0.0;
            double out = in + sample;
            while (exceeds(out) && out < farthest[k] + kSearchNodes * h) in = out, out += sample;
            for (int n = 0; n < kRefinements; ++n) {
                const double mid = 0.5 * (in + out);
                (exceeds(mid) ? in : out) = mid;
            }
            return in;
        };
        const double phi = direction[k], spread = std::min(kPi, 3 * h / farthest[k]);
        radii[k] = std::max(along(phi), largestOn(along, phi - spread, phi + spread).value);
    }
    return radii;
}

bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

}  // namespace

SubsidenceResult computeSubsidence(const SubsidenceInput& in)
{
    SubsidenceResult r;
    r.refusal = check(in);
    if (r.refusal.refused()) return r;
    const Panel pn = makePanel(in);
    r.refusal = checkPanel(pn);
    if (r.refusal.refused()) return r;

    r.X = in.X;
    r.Y = in.Y;
    r.lower = 0;
    r.upper = in.a;
    r.tolerance = kIntegrationTolerance;
    r.r = pn.r;
    r.rUp = pn.rUp;
    r.rDown = pn.rDown;
    r.W0 = pn.W0;

    const Movement m = movement(pn, strikeProfile(pn, in.X), dipProfile(pn, in.Y));
    r.W = m.W;
    r.ix = m.ix, r.iy = m.iy;
    r.Kx = m.Kx, r.Ky = m.Ky;
    r.Ux = m.Ux, r.Uy = m.Uy;
    r.ex = m.ex, r.ey = m.ey;

    r.xMax = 0.5 * (pn.x1 + pn.x2);
    r.yMax = deepestY(pn);
    r.Wmax = pn.W0 * strikeProfile(pn, r.xMax).C * dipProfile(pn, r.yMax).C;

    const auto radii = damageRadii(pn, r.xMax, r.yMax);
    r.RW = radii[0], r.Ri = radii[1], r.RK = radii[2], r.Re = radii[3];
    r.R = *std::max_element(radii.begin(), radii.end());

    if (!allFinite({r.W, r.ix, r.iy, r.Kx, r.Ky, r.Ux, r.Uy, r.ex, r.ey, r.Wmax, r.R}))
        r.refusal = {"输入值过大，无法计算，请重新输入！", "m"};
    return r;
}

SubsidenceBasin computeSubsidenceBasin(const SubsidenceInput& in)
{
    SubsidenceBasin basin;
    basin.refusal = check(in);
    if (!basin.refusal.refused() && !(in.step > 0)) basin.refusal = {"网格间距必须大于0，请重新输入！", "step"};
    if (basin.refusal.refused()) return basin;
    const Panel pn = makePanel(in);
    basin.refusal = checkPanel(pn);
    if (basin.refusal.refused()) return basin;

    // Nodes on multiples of the spacing, over the panel and kBasinReach radii around it.
    const double step = in.step;
    const double xlo = std::floor((pn.x1 - kBasinReach * pn.r) / step) * step;
    const double xhi = std::ceil((pn.x2 + kBasinReach * pn.r) / step) * step;
    const double ylo = std::floor((pn.y1 - kBasinReach * pn.rUp) / step) * step;
    const double yhi = std::ceil((pn.y2 + kBasinReach * pn.rDown) / step) * step;
    const double nx = std::round((xhi - xlo) / step) + 1, ny = std::round((yhi - ylo) / step) + 1;
    if (!(nx * ny <= kMaxBasinNodes)) {
        basin.refusal = {"网格点数过多（超过400万），请增大网格间距后重新输入！", "step"};
        return basin;
    }

    for (int j = 0; j < nx; ++j) basin.xs.push_back(xlo + j * step);
    for (int i = 0; i < ny; ++i) basin.ys.push_back(ylo + i * step);
    std::vector<double> cx(basin.xs.size());
    for (std::size_t j = 0; j < cx.size(); ++j) cx[j] = strikeProfile(pn, basin.xs[j]).C;
    basin.W.reserve(basin.xs.size() * basin.ys.size());
    for (double y : basin.ys) {
        const double cy = dipProfile(pn, y).C;
        for (double c : cx) {
            const double w = pn.W0 * c * cy;
            basin.W.push_back(static_cast<float>(w));
            basin.Wmax = std::max(basin.Wmax, w);
        }
    }
    return basin;
}

Table subsidenceBasinTable(const SubsidenceBasin& basin)
{
    Table t;
    t.name = "地表沉陷－下沉盆地计算结果";
    t.columns.reserve(basin.xs.size() + 1);
    t.columns.push_back("Y＼X");
    for (double x : basin.xs) t.columns.push_back(formatG(x, 6));
    t.rows.resize(basin.ys.size());
    for (std::size_t i = 0; i < basin.ys.size(); ++i) {
        auto& row = t.rows[i];
        row.reserve(basin.xs.size() + 1);
        row.push_back(formatG(basin.ys[i], 6));
        for (std::size_t j = 0; j < basin.xs.size(); ++j) row.push_back(formatFixed(basin.W[i * basin.xs.size() + j], 2));
    }
    return t;
}

namespace {

std::string g(double v) { return formatG(v, 6); }

void presentSubsidence(const SubsidenceResult& r, Report& report)
{
    const auto pair = [](const char* what, double strike, double dip, const char* unit) {
        return std::string("  ") + what + "：走向 " + g(strike) + " " + unit + "，倾向 " + g(dip) + " " + unit + "\n";
    };
    std::string t;
    t += "倾斜方向积分：下限 " + g(r.lower) + " m，上限 " + g(r.upper) + " m，精度 " + g(r.tolerance) + "\n";
    t += "主要影响半径 r = " + g(r.r) + " m（上山边界 " + g(r.rUp) + " m，下山边界 " + g(r.rDown) + " m）\n";
    t += "充分采动最大下沉值 W0 = " + g(r.W0) + " mm，本工作面最大下沉值 " + g(r.Wmax) + " mm，位于 (" + g(r.xMax) + "，"
         + g(r.yMax) + ") m\n";
    t += "预测点 (" + g(r.X) + "，" + g(r.Y) + ") m：下沉 W = " + g(r.W) + " mm\n";
    t += pair("倾斜 i", r.ix, r.iy, "mm/m");
    t += pair("曲率 K", r.Kx, r.Ky, "mm/m²");
    t += pair("水平移动 U", r.Ux, r.Uy, "mm");
    t += pair("水平变形 ε", r.ex, r.ey, "mm/m");
    t += "伤害半径（自最大下沉点起，超过下列界限的最远距离）R = " + g(r.R) + " m\n";
    t += "  下沉10 mm：" + g(r.RW) + " m，倾斜3 mm/m：" + g(r.Ri) + " m，曲率0.2 mm/m²：" + g(r.RK)
         + " m，水平变形2 mm/m：" + g(r.Re) + " m\n";
    report.text = t;
}

void presentBasin(const SubsidenceBasin& basin, Report& report)
{
    report.text = "最大下沉值 " + g(basin.Wmax) + " mm\n";
    report.tables.push_back(subsidenceBasinTable(basin));
}

const Fields<SubsidenceInput>& subsidenceFields()
{
    using In = SubsidenceInput;
    static const Fields<In> fields = {
        field("H0", "平均采深H0[m]", &In::H0),
        field("tanBeta", "影响角正切tgβ", &In::tanBeta),
        field("theta", "最大下沉角θ[deg]", &In::theta),
        field("p", "工作面走向长p[m]", &In::p),
        field("a", "工作面沿倾斜方向的水平距离a[m]", &In::a),
        field("m", "采厚m[m]", &In::m),
        field("q", "下沉系数q", &In::q),
        field("b", "水平移动系数b", &In::b),
        field("alpha", "煤层倾角α[deg]", &In::alpha),
        field("s1", "s1下山", &In::s1, "拐点偏移距[m]"),
        field("s2", "s2上山", &In::s2, "拐点偏移距[m]"),
        field("s3", "s3走向起点", &In::s3, "拐点偏移距[m]"),
        field("s4", "s4走向终点", &In::s4, "拐点偏移距[m]"),
        field("X", "预测地表点(X，Y)[m]  X", &In::X),
        field("Y", "Y", &In::Y),
        field("step", "网格间距[m]", &In::step),
    };
    return fields;
}

}  // namespace

const CalculatorDef<SubsidenceInput, SubsidenceResult>& subsidenceCalculator()
{
    using Out = SubsidenceResult;
    static const CalculatorDef<SubsidenceInput, Out> def{
        "tools.subsidence",
        "概率积分模型",
        subsidenceFields(),
        {field("r", "主要影响半径r[m]", &Out::r),
         field("W0", "充分采动最大下沉值W0[mm]", &Out::W0),
         field("Wmax", "本工作面最大下沉值[mm]", &Out::Wmax),
         field("W", "下沉W[mm]", &Out::W),
         field("ix", "走向倾斜[mm/m]", &Out::ix),
         field("iy", "倾向倾斜[mm/m]", &Out::iy),
         field("Kx", "走向曲率[mm/m²]", &Out::Kx),
         field("Ky", "倾向曲率[mm/m²]", &Out::Ky),
         field("Ux", "走向水平移动[mm]", &Out::Ux),
         field("Uy", "倾向水平移动[mm]", &Out::Uy),
         field("ex", "走向水平变形[mm/m]", &Out::ex),
         field("ey", "倾向水平变形[mm/m]", &Out::ey),
         field("R", "伤害半径[m]", &Out::R)},
        &computeSubsidence,
        &presentSubsidence,
    };
    return def;
}

const CalculatorDef<SubsidenceInput, SubsidenceBasin>& subsidenceBasinCalculator()
{
    static const CalculatorDef<SubsidenceInput, SubsidenceBasin> def{
        "tools.subsidence_grid", "概率积分模型（下沉盆地）", subsidenceFields(), {}, &computeSubsidenceBasin, &presentBasin};
    return def;
}

}  // namespace qelvo::tools
