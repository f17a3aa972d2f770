#include "noise/industrial_noise.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "noise/decibel.h"
#include "noise/propagation.h"

namespace qelvo::noise {


AirAbsorptionResult computeAirAbsorption(const AirAbsorptionInput& in)
{
    if (!(in.T > -273.15f)) return {.refusal = {"大气温度T必须高于-273.15℃，请重新输入！", "T"}};
    if (!(in.hr >= 0)) return {.refusal = {"空气相对湿度h不能为负数，请重新输入！", "hr"}};
    if (!(in.pa > 0)) return {.refusal = {"环境大气压pa必须大于0，请重新输入！", "pa"}};
    const double T = in.T + 273.15;
    const double TT0 = T * 0.003411223;  // T/293.15
    const double T01 = 273.16, pr = 101.325, pa = in.pa, f = in.f;
    const double C = 4.6151 - 6.8346 * std::pow(T01 / T, 1.261);
    const double h = in.hr * std::pow(10.0, C) * (pr / pa);  // molar concentration of water vapour
    const double frO = (pa / pr) * (24 + 40400 * h * (0.02 + h) / (0.391 + h));
    const double frN = (pa / pr) * std::pow(TT0, -0.5) * (9 + 280 * h * std::exp(-4.17 * (std::pow(TT0, -1.0 / 3) - 1)));
    const double a = 8686 * f * f *
                     (1.84e-11 * (pr / pa) * std::sqrt(TT0) +
                      std::pow(TT0, -2.5) * (0.01275 * std::exp(-2239.1 / T) / (frO + f * f / frO) +
                                             0.1068 * std::exp(-3352 / T) / (frN + f * f / frN)));
    return {static_cast<float>(a), {}};
}

AWeightingResult computeAWeighting(const AWeightingInput& in)
{
    if (!(in.f > 0)) return {.refusal = {"倍频带中心频率f必须大于0，请重新输入！", "f"}};
    const double f2 = double(in.f) * in.f;
    const double dA =
        20 * lg(148840000 * f2 * f2 / ((f2 + 424.36) * (f2 + 148840000) * std::sqrt((f2 + 11599.29) * (f2 + 544496.41)))) +
        2.0;
    return {static_cast<float>(dA), {}};
}

namespace {

// Checks that keep the formulas defined (the guideline's page checks nothing): no logarithm
// of zero or of a negative number, no division by zero.
Refusal industrialChecks(const IndustrialInput& in)
{
    const bool indoor = in.sourceType == 0;
    if (indoor && !(in.R > 0)) return {"房间常数R必须大于0，请重新输入！", "R"};
    if (indoor && !(in.r1 > 0)) return {"声源到隔墙距离r必须大于0，请重新输入！", "r1"};
    if (indoor && !(in.S > 0)) return {"隔墙面积S必须大于0，请重新输入！", "S"};
    if (!indoor && in.known == 1 && !(in.r0 > 0)) return {"参照点离声源距离r0必须大于0，请重新输入！", "r0"};
    if (in.reflection) {
        if (in.h0 < 0) return {"声源距地面距离h0不能为负数，请重新输入！", "h0"};
        if (in.h1 < 0) return {"预测点距地面距离h1不能为负数，请重新输入！", "h1"};
        if (in.h0 + in.h1 == 0) return {"声源和预测点距地面距离不能都为0，请重新输入！", "h0"};
    }
    if (in.barrier) {
        if (!(1 + in.T * kOneOver273 > 0)) return {"大气温度T必须高于-273℃，请重新输入！", "T"};
        if (!(in.f > 0)) return {"倍频带中心频率f必须大于0，请重新输入！", "f"};
        if (in.d1 < 0) return {"声程差δ不能为负数，请重新输入！", "d1"};
        if (in.d2 < 0) return {"声程差δ不能为负数，请重新输入！", "d2"};
        if (in.d3 < 0) return {"声程差δ不能为负数，请重新输入！", "d3"};
    }
    return {};
}

}  // namespace

IndustrialResult computeIndustrial(const IndustrialInput& in)
{
    IndustrialResult res;
    if (in.step <= 0) {
        res.refusal = {"间距必须大于0，请重新输入！", "step"};
        return res;
    }
    const long n = in.rmax / in.step;
    if (n > kMaxTableRows) {
        res.refusal = {kTooManyRows, "step"};
        return res;
    }
    if (Refusal r = industrialChecks(in); r.refused()) {
        res.refusal = std::move(r);
        return res;
    }

    // The source's power level, an indoor one as its equivalent outdoor source.
    double Lw = in.Lw;
    const bool indoor = in.sourceType == 0;
    if (indoor) {
        static const double directivity[] = {1, 2, 4, 8};
        const double Q = directivity[std::clamp(in.position, 0, 3)];
        const double Lp1 = in.Lw + 10 * lg(Q / (kFourPi * double(in.r1) * in.r1) + 4 / double(in.R));
        const double Lp2 = Lp1 - (in.TL + 6.0);
        Lw = Lp2 + 10 * lg(in.S);
    }
    res.indoor = indoor;
    res.LwOutdoor = Lw;
    const bool powerKnown = indoor || in.known == 0;
    const bool infinite = in.d1 != 0 && in.d2 == 0 && in.d3 == 0;
    using Barrier = IndustrialResult::Barrier;
    res.barrier = !in.barrier ? Barrier::None : infinite ? Barrier::Infinite : Barrier::Finite;
    res.air = in.air != 0;
    res.ground = in.ground && !in.barrier;

    // A barrier computes the farthest point only; with no point at all (rmax < step) the
    // table keeps its titles and the text stays empty.
    for (long i = in.barrier ? std::max(n - 1, 0L) : 0; i < n; ++i) {
        const double r = double(i + 1) * in.step;
        double Abar = 0;
        if (in.barrier) {
            const double lambda = soundSpeed(in.T) / in.f;
            const auto term = [&](float delta) { return barrierPathTerm(2 * double(delta) / lambda); };
            Abar = infinite ? -10 * lg(term(in.d1)) : -10 * lg(term(in.d1) + term(in.d2) + term(in.d3));
            if (Abar > 20) Abar = 20;
        }
        double Lpr = powerKnown ? Lw - 20 * lg(r) - (in.soundField == 0 ? 11 : 8) : in.Lp0 - 20 * lg(r / in.r0);
        if (in.reflection) {
            const double h0 = in.h0, h1 = in.h1;
            const double rd = std::sqrt(r * r + (h1 - h0) * (h1 - h0));
            const double rr = std::sqrt(std::pow(r * h0 / (h0 + h1), 2) + h0 * h0) +
                              std::sqrt(std::pow(r * h1 / (h0 + h1), 2) + h1 * h1);
            const double ratio = rr / rd;
            Lpr += ratio <= 1.2 ? 3 : ratio <= 1.6 ? 2 : ratio <= 2.5 ? 1 : 0;
        }
        const double Agr = res.ground ? groundAttenuation(in.hm, r) : 0;
        const double Aatm = in.air ? in.a * r / 1000 : 0;
        const double Lp = Lpr - Abar - Aatm - Agr;
        const double LA = Lp + in.dA;
        const double Ltot = addLevels(in.Lbg, LA);
        res.points.push_back({r, Lpr, Abar, Aatm, Agr, Lp, LA, Ltot});
    }
    return res;
}

std::string industrialText(const IndustrialResult& res)
{
    using Barrier = IndustrialResult::Barrier;
    const std::string indoorLine = res.indoor ? cformat("室内声源等效室外声源声功率级Lw=%.2f[dB]\r\n", res.LwOutdoor) : "";
    std::string text;
    for (const auto& p : res.points) {
        const std::string barrierLine =
            res.barrier == Barrier::None
                ? ""
                : cformat("%sAbar=%.2f[dB]\r\n", res.barrier == Barrier::Infinite ? "屏障无限长，屏障衰减" : "屏障有限长，屏障衰减",
                          p.Abar);
        const std::string airLine = res.air ? cformat("空气吸收衰减Aatm=%.2f[dB]\r\n", p.Aatm) : "";
        const std::string groundLine = res.ground ? cformat("地面效应衰减Agr=%.2f[dB]\r\n", p.Agr) : "";
        text += cformat("距声源%g[m]预测点计算结果：\r\n%s几何发散衰减后Lpr=%.2f[dB]\r\n%s%s%s"
                        "--------------------------------------------------\r\n",
                        p.r, indoorLine.c_str(), p.Lpr, barrierLine.c_str(), airLine.c_str(), groundLine.c_str());
    }
    return text;
}

Table industrialTable(const IndustrialResult& r)
{
    Table t;
    t.name = "工业噪声预测计算结果";
    t.rows = {{"距离m"}, {"贡献值倍频带声压级dB"}, {"贡献值A声级dBA"}, {"叠加背景值A声级dBA"}};
    for (const auto& p : r.points) {
        t.rows[0].push_back(formatG(p.r, 6));
        t.rows[1].push_back(cformat("%.2f", p.Lp));
        t.rows[2].push_back(cformat("%.2f", p.LA));
        t.rows[3].push_back(cformat("%.2f", p.Ltot));
    }
    return t;
}

namespace {
void presentIndustrial(const IndustrialResult& r, Report& report)
{
    report.text = industrialText(r);
    report.tables.push_back(industrialTable(r));
}
}  // namespace

const CalculatorDef<IndustrialInput, IndustrialResult>& industrialCalculator()
{
    using In = IndustrialInput;
    const std::string delta = "声程差δ[m]";
    static const CalculatorDef<In, IndustrialResult> def{
        "noise.industrial",
        "工业噪声预测模式[09新导则]",
        {choiceField("sourceType", "声源类型", &In::sourceType, {"室内点声源", "室外点声源"}),
         choiceField("soundField", "声源处于", &In::soundField, {"自由声场", "半自由声场"}),
         field("Lbg", "背景A声级[dBA]", &In::Lbg),
         field("rmax", "预测点距声源水平距离r[m]最大值", &In::rmax),
         field("step", "间距", &In::step),
         choiceField("known", "已知量", &In::known, {"已知声源倍频带声功率级Lw", "已知参照点倍频带声压级Lp"}),
         field("Lw", "声源倍频带声功率级Lw[dB]", &In::Lw),
         field("Lp0", "参照点倍频带声压级Lp0[dB]", &In::Lp0),
         field("r0", "参照点离声源距离r0[m]", &In::r0),
         field("f", "倍频带中心频率f[Hz]", &In::f),
         field("T", "大气温度T[℃] ", &In::T),
         field("dA", "A计权网络修正值", &In::dA),
         checkField("reflection", "考虑反射体引起的声级增高", &In::reflection),
         field("h0", "声源距地面距离h0[m]", &In::h0),
         field("h1", "预测点距地面距离h1[m]", &In::h1),
         choiceField("position", "声源在房间内位置", &In::position, {"房间中心", "一面墙的中心", "两面墙夹角处", "三面墙夹角处"}),
         field("R", "房间常数R", &In::R),
         field("TL", "隔墙隔声量TL[dB]", &In::TL),
         field("r1", "声源到隔墙距离r[m]", &In::r1),
         field("S", "隔墙面积S[m^2]", &In::S),
         checkField("barrier", "考虑薄声屏障衰减Abar", &In::barrier),
         field("d1", "δ1", &In::d1, delta),
         field("d2", "δ2", &In::d2, delta),
         field("d3", "δ3", &In::d3, delta),
         checkField("air", "考虑空气吸收衰减Aatm", &In::air),
         field("a", "大气吸收衰减系数a[dB/km]", &In::a),
         field("hr", "空气相对湿度h[%]", &In::hr),
         field("pa", "环境大气压pa[kPa]", &In::pa),
         checkField("ground", "考虑地面衰减Agr", &In::ground),
         field("hm", "声源到预测点平均离地高度hm[m]", &In::hm)},
        {},
        &computeIndustrial,
        &presentIndustrial,
        nullptr,
        &barrierRule<In>,
    };
    return def;
}

const CalculatorDef<AirAbsorptionInput, AirAbsorptionResult>& airAbsorptionCalculator()
{
    using In = AirAbsorptionInput;
    static const CalculatorDef<In, AirAbsorptionResult> def{
        "noise.air_absorption",
        "大气吸收衰减系数（ISO 9613-1）",
        {field("T", "大气温度T[℃] ", &In::T), field("hr", "空气相对湿度h[%]", &In::hr),
         field("pa", "环境大气压pa[kPa]", &In::pa), field("f", "倍频带中心频率f[Hz]", &In::f)},
        {field("a", "大气吸收衰减系数a[dB/km]", &AirAbsorptionResult::a)},
        &computeAirAbsorption,
    };
    return def;
}

const CalculatorDef<AWeightingInput, AWeightingResult>& aWeightingCalculator()
{
    static const CalculatorDef<AWeightingInput, AWeightingResult> def{
        "noise.a_weighting",
        "A计权网络修正值",
        {field("f", "倍频带中心频率f[Hz]", &AWeightingInput::f)},
        {field("dA", "A计权网络修正值", &AWeightingResult::dA)},
        &computeAWeighting,
    };
    return def;
}

}  // namespace qelvo::noise
