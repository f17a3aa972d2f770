#include "noise/highway_2009.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "noise/decibel.h"
#include "noise/propagation.h"

namespace qelvo::noise {

namespace {
// Degrees to radians with π as 3.14159, as the embankment formula was always evaluated.
constexpr double kDegree = 0.01745327777777778;
}  // namespace

namespace {

// The page checks nothing; these keep every level defined. A zero speed or distance is let
// through: its levels are not finite and are shown as they come.
Refusal highway2009Checks(const Highway2009Input& in)
{
    const float speeds[3] = {in.VL, in.VM, in.VS};
    const float flows[3] = {in.NL, in.NM, in.NS};
    const char* keys[3][2] = {{"VL", "NL"}, {"VM", "NM"}, {"VS", "NS"}};
    for (int i = 0; i < 3; ++i) {
        if (speeds[i] < 0) return {"平均车速V不能为负数，请重新输入！", keys[i][0]};
        if (flows[i] < 0) return {"平均小时车流量N不能为负数，请重新输入！", keys[i][1]};
    }
    if (in.NL == 0 && in.NM == 0 && in.NS == 0) return {"三种车型的平均小时车流量N不能都为0，请重新输入！", "NL"};
    if (in.r < 0) return {"预测点距声源距离r不能为负数，请重新输入！", "r"};
    if (!(in.psi > 0)) return {"预测点到有限长路段两端张角Ψ必须大于0，请重新输入！", "psi"};
    return {};
}

}  // namespace

Highway2009Result computeHighway2009(const Highway2009Input& in)
{
    Highway2009Result res;
    if (Refusal r = highway2009Checks(in); r.refused()) {
        res.refusal = std::move(r);
        return res;
    }
    const double V[3] = {in.VL, in.VM, in.VS};
    const double N[3] = {in.NL, in.NM, in.NS};
    const double Lo[3] = {in.LoL, in.LoM, in.LoS};
    const double gradientFactor[3] = {0.98, 0.73, 0.5};
    for (int i = 0; i < 3; ++i) {
        res.gradient[i] = gradientFactor[i] * in.beta;
        if (in.surface == 1) res.surface[i] = V[i] < 50 ? (V[i] - 10) * 0.05 : 2.0;
    }

    if (in.barrier) res.barrier = in.Abar;
    if (in.embankment) res.embankment = in.embankmentA;
    if (in.rural) res.rural = std::min(double(in.ruralA), 10.0);  // at most 10 dB
    if (in.air) res.air = in.a * in.r * 0.001;
    if (in.ground && !in.barrier) res.ground = groundAttenuation(in.hm, in.r);  // see barrierRule
    const double A = res.barrier.value_or(0) + res.embankment.value_or(0) + res.rural.value_or(0) +
                     res.air.value_or(0) + res.ground.value_or(0);
    static const double intersectionAddition[] = {3, 2, 1, 0};
    if (in.intersection) res.intersection = intersectionAddition[std::clamp(in.crossing, 0, 3)];
    const double dL3 = res.intersection.value_or(0);

    double energy = 0;
    for (int i = 0; i < 3; ++i) {
        res.hasTraffic[i] = N[i] > 0;
        if (!res.hasTraffic[i]) continue;  // a class without vehicles adds nothing
        res.Leq[i] = 10 * (lg(N[i] / V[i]) + lg(7.5 / in.r) + lg(in.psi * kOneOver180)) + dL3 + res.surface[i] +
                     res.gradient[i] + Lo[i] - A - 16;
        energy += levelEnergy(res.Leq[i]);
    }
    res.total = 10 * lg(energy);
    res.totalWithBackground = addLevels(res.total, in.Lbg);
    res.withBackground = static_cast<float>(res.totalWithBackground);
    return res;
}

std::string highway2009Text(const Highway2009Result& r)
{
    const auto classes = [](const char* title, const double v[3]) {
        return cformat("%s大型车＝%.2f[dB]，中型车＝%.2f[dB]，小型车＝%.2f[dB]\r\n", title, v[0], v[1], v[2]);
    };
    // A class without vehicles has no level of its own.
    const auto levels = [&r](const char* title) {
        std::string line = title;
        const char* names[3] = {"大型车＝", "，中型车＝", "，小型车＝"};
        for (int i = 0; i < 3; ++i)
            line += std::string(names[i]) + (r.hasTraffic[i] ? cformat("%.2f[dB]", r.Leq[i]) : kNoTraffic);
        return line + "\r\n";
    };
    const auto line = [](const std::optional<double>& v, const char* format) {
        return v ? cformat(format, *v) : std::string();
    };
    return cformat("总车流小时等效声级Leq=%.2f[dB]\r\n总车流小时等效声级＋背景噪声=%.2f[dB]\r\n"
                   "----------------------------------------------------------\r\n详细结果如下：\r\n",
                   r.total, r.totalWithBackground) +
           classes("纵坡修正量△L坡度:\r\n", r.gradient) + classes("路面修正量△L路面:\r\n", r.surface) +
           line(r.barrier, "声屏障衰减量Abar=%.2f[dB]\r\n") +
           line(r.embankment, "高路堤或低路堑两侧声影区衰减量Abar=%.2f[dB]\r\n") +
           line(r.rural, "农村房屋附加衰减量Abar=%.2f[dB]\r\n") + line(r.air, "空气吸收衰减Aatm=%.2f[dB]\r\n") +
           line(r.ground, "地面效应衰减Agr=%.2f[dB]\r\n") +
           line(r.intersection, "城市道路交叉路口噪声修正值Abar=＋%.2f[dB]\r\n") +
           levels("各车型小时等效声级:\r\n");
}

double finiteBarrierAttenuation(double infinite, double ratio)
{
    return -10 * lg(ratio * levelEnergy(-infinite) + (1 - ratio));
}

namespace {
constexpr int kChartSamples = 200;
}  // namespace

std::vector<Curve> finiteBarrierCurves()
{
    std::vector<Curve> curves;
    for (int infinite : {5, 10, 15, 20, 25}) {
        Curve c{cformat("无限长%ddB", infinite), "屏障遮挡角与视角之比 β/θ", "有限长屏障衰减量[dB]", {}, {}};
        for (int k = 0; k <= kChartSamples; ++k) {
            const double ratio = double(k) / kChartSamples;
            c.xs.push_back(ratio);
            c.ys.push_back(finiteBarrierAttenuation(infinite, ratio));
        }
        curves.push_back(std::move(c));
    }
    return curves;
}

Curve barrierAttenuationCurve()
{
    Curve c{"无限长声屏障衰减量", "声程差δ[m]（500Hz）", "衰减量Abar[dB]", {}, {}};
    for (int k = 0; k <= kChartSamples; ++k) {
        const double delta = 5.0 * k / kChartSamples;
        c.xs.push_back(delta);
        c.ys.push_back(computeInfiniteBarrier({static_cast<float>(delta), 500, 20}).Abar);
    }
    return c;
}

BarrierResult computeInfiniteBarrier(const BarrierInput& in)
{
    if (!(in.f > 0)) return {.refusal = {"中心频率f必须大于0，请重新输入！", "f"}};
    if (in.delta < 0) return {.refusal = {"声程差δ不能为负数，请重新输入！", "delta"}};
    if (!(1 + in.T * kOneOver273 > 0)) return {.refusal = {"大气温度T必须高于-273℃，请重新输入！", "T"}};
    const double t = 40 * double(in.f) * in.delta / (3 * soundSpeed(in.T));
    return {static_cast<float>(-shadowCorrection(t)), {}};  // the same diffraction formula
}

EmbankmentResult computeEmbankment(const EmbankmentInput& in)
{
    if (!(in.d1 > 0)) return {.refusal = {"声源距路边d1必须大于0，请重新输入！", "d1"}};
    const double h1 = in.h1, h2 = in.h2, h = in.h, d1 = in.d1, r = in.r;
    const double xe = d1 + h / std::tan(in.a * kDegree);
    if (xe > r) return {.refusal = {"预测点离声源水平距离不符合逻辑，请重输！", "r"}};
    // The sight line from the source over the road edge, at the receiver's distance.
    const double z = h + h1 - h1 * r / d1;
    if (z <= h2) return {.illuminated = true};
    const double delta =
        std::sqrt(d1 * d1 + h1 * h1) + std::sqrt((r - d1) * (r - d1) + (h - h2) * (h - h2)) -
        std::sqrt(r * r + (h + h1 - h2) * (h + h1 - h2));
    return {static_cast<float>(delta), false, {}};
}

namespace {
void presentEmbankment(const EmbankmentResult& r, Report& report)
{
    if (r.illuminated) report.messages.push_back(kIlluminated);
}
}  // namespace

const CalculatorDef<Highway2009Input, Highway2009Result>& highway2009Calculator()
{
    using In = Highway2009Input;
    const std::string speed = "V[km/h]平均车速", flow = "N[辆/h]平均小时车流量", lo = "Lo[dBA]";
    static const CalculatorDef<In, Highway2009Result> def{
        "noise.highway2009",
        "公路交通噪声预测模式[09新导则]",
        {field("VL", "大型车", &In::VL, speed), field("VM", "中型车", &In::VM, speed), field("VS", "小型车", &In::VS, speed),
         field("NL", "大型车", &In::NL, flow), field("NM", "中型车", &In::NM, flow), field("NS", "小型车", &In::NS, flow),
         field("LoL", "大型车", &In::LoL, lo), field("LoM", "中型车", &In::LoM, lo), field("LoS", "小型车", &In::LoS, lo),
         field("r", "预测点距声源距离r[m]", &In::r),
         field("Lbg", "背景A声级[dBA]", &In::Lbg),
         field("f", "中心频率f[Hz]", &In::f),
         field("T", "大气温度T[℃] ", &In::T),
         field("psi", "预测点到有限长路段两端张角Ψ[度]", &In::psi),
         field("beta", "公路纵坡坡度β[%]", &In::beta),
         choiceField("surface", "路面类型", &In::surface, {"沥青混凝土", "水泥混凝土"}),
         checkField("barrier", "考虑屏障衰减Abar", &In::barrier),
         field("Abar", "无限长声屏障衰减量Abar[dB]", &In::Abar),
         checkField("embankment", "考虑高路堤或低路堑衰减Abar", &In::embankment),
         field("embankmentA", "高路堤或低路堑衰减量[dB]", &In::embankmentA),
         checkField("rural", "考虑农村房屋噪声附加衰减Abar", &In::rural),
         field("ruralA", "衰减量[dB]", &In::ruralA),
         checkField("air", "考虑空气吸收衰减Aatm", &In::air),
         field("a", "大气吸收衰减系数a[dB/km]", &In::a),
         field("hr", "空气相对湿度h[%]", &In::hr),
         field("pa", "环境大气压pa[kPa]", &In::pa),
         checkField("ground", "考虑地面衰减Agr", &In::ground),
         field("hm", "声源到预测点平均离地高度hm[m]", &In::hm),
         checkField("intersection", "考虑交叉路口噪声修正△L3", &In::intersection),
         choiceField("crossing", "预测点距最近快车道中轴线交叉点距离[m]", &In::crossing, {"≤40", "40～70", "70～100", ">100"})},
        {field("Leq", "总车流小时等效声级＋背景噪声[dB]", &Highway2009Result::withBackground)},
        &computeHighway2009,
        [](const Highway2009Result& r, Report& report) { report.text = highway2009Text(r); },
        // A zero speed or distance: the levels are not finite and are shown as they come.
        [](const In& in, const Highway2009Result&) { return in.r == 0 || in.VL == 0 || in.VM == 0 || in.VS == 0; },
        &barrierRule<In>,
    };
    return def;
}

const CalculatorDef<BarrierInput, BarrierResult>& infiniteBarrierCalculator()
{
    static const CalculatorDef<BarrierInput, BarrierResult> def{
        "noise.barrier_infinite",
        "无限长声屏障衰减量",
        {field("delta", "声程差δ[m]", &BarrierInput::delta), field("f", "中心频率f[Hz]", &BarrierInput::f),
         field("T", "大气温度T[℃] ", &BarrierInput::T)},
        {field("Abar", "无限长声屏障衰减量Abar[dB]", &BarrierResult::Abar)},
        &computeInfiniteBarrier,
    };
    return def;
}

const CalculatorDef<EmbankmentInput, EmbankmentResult>& embankmentCalculator()
{
    using In = EmbankmentInput;
    static const CalculatorDef<In, EmbankmentResult> def{
        "noise.embankment",
        "高路堤或低路堑衰减量计算",
        {field("h1", "声源高度h1[m]", &In::h1), field("h2", "测点高度h2[m]", &In::h2), field("h", "路基高度h[m]", &In::h),
         field("d1", "声源距路边d1[m]", &In::d1), field("a", "斜坡角度a[度]", &In::a),
         field("r", "预测点距声源距离r[m]", &In::r)},
        {field("delta", "声程差δ[m]", &EmbankmentResult::delta)},
        &computeEmbankment,
        &presentEmbankment,
    };
    return def;
}

}  // namespace qelvo::noise
