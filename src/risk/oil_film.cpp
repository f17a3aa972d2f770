#include "risk/oil_film.h"

#include <cmath>

#include "common/guideline_constants.h"
#include "common/number_format.h"
#include "risk/risk_checks.h"

namespace qelvo::risk {

OilFilmResult computeOilFilm(const OilFilmInput& in)
{
    OilFilmResult res;
    Refusal& refusal = res.refusal;
    if (in.V0 < 0) refusal = mustNotBeNegative("溢油量V0", "V0");
    else if (in.D0 < 0) refusal = mustNotBeNegative("油膜初始时刻直径D0", "D0");
    else if (!(in.gamma > 0)) refusal = mustBePositive("水比重γ", "gamma");
    else if (in.gamma0 < 0) refusal = mustNotBeNegative("石油比重γ0", "gamma0");
    else if (in.K < 0) refusal = mustNotBeNegative("常数K", "K");
    else if (in.t < 0) refusal = mustNotBeNegative("扩展时间t", "t");
    if (refusal.refused()) return res;

    // Blokker: Dt³ = D0³ + 24/π·(γ − γ0)·γ0/γ·V0·K·t.
    const double D0 = in.D0;
    const double cube = D0 * D0 * D0 + 24 * (double(in.gamma) - in.gamma0) * in.V0 * in.K * in.t * in.gamma0 / (kGuidelinePi * in.gamma);
    if (cube < 0) {
        refusal = {"石油比重γ0大于水比重γ，油膜直径无实数解，请重新输入！", "gamma0"};
        return res;
    }
    res.t = in.t;
    res.Dt = std::pow(cube, 1.0 / 3.0);
    if (!allFinite({res.Dt})) refusal = {kOutOfRange, ""};
    return res;
}

namespace {

void presentOilFilm(const OilFilmResult& r, Report& report)
{
    report.text = cformat("%g分钟后油膜直径为%f[m]", double(r.t), r.Dt);
}

}  // namespace

const CalculatorDef<OilFilmInput, OilFilmResult>& oilFilmCalculator()
{
    using In = OilFilmInput;
    static const CalculatorDef<In, OilFilmResult> def{
        "risk.oil_film",
        "油膜扩展直径计算",
        {field("V0", "溢油量V0 [m^3]", &In::V0),
         field("D0", "油膜初始时刻直径D0 [m]", &In::D0),
         field("gamma", "水比重γ [kg/m^3]", &In::gamma),
         field("gamma0", "石油比重γ0 [kg/m^3]", &In::gamma0),
         field("K", "常数K [min^-1]", &In::K),
         field("t", "扩展时间t [min]", &In::t)},
        {},
        &computeOilFilm,
        &presentOilFilm,
    };
    return def;
}

}  // namespace qelvo::risk
