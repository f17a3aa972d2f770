#include "noise/highway_jtg2006.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "noise/decibel.h"
#include "noise/propagation.h"

namespace qelvo::noise {

namespace {
// 1/(3c) of the shadow correction's t = 40·f·δ/(3c).
constexpr double kOneOverThreeC = 1 / (3 * kSoundSpeed);
// Vd/120 as a single-precision factor.
constexpr double kOneOver120 = 0.008333334;
}  // namespace

Highway2006Result computeHighway2006(const Highway2006Input& in)
{
    Highway2006Result res;
    const float speeds[3] = {in.VL, in.VM, in.VS};
    const float flows[3] = {in.NL, in.NM, in.NS};
    if (in.H2 < in.H3) {
        res.refusal = {"声源位置不合逻辑，请重新输入！", "H2"};
        return res;
    }
    if (in.n > 6) {
        res.refusal = {"该模式只适用于双向六车道及以下的公路，请重新输入！", "n"};
        return res;
    }
    for (float v : speeds)
        if (v > 140 || v < 48) {
            res.refusal = {"该模式只适用于车辆平均行驶速度为48～140km/h的公路，请重新输入或重新计算车速！", "VL"};
            return res;
        }
    // The distance along the ground, √(r² − (H2 − H1)²), needs r ≥ |H2 − H1|.
    if (in.r < std::fabs(double(in.H2) - in.H1)) {
        res.refusal = {"预测点与声源间直线距离r不能小于两者的高差，请重新输入！", "r"};
        return res;
    }
    const char* flowKeys[3] = {"NL", "NM", "NS"};
    for (int i = 0; i < 3; ++i)
        if (flows[i] < 0) {
            res.refusal = {"车辆小时车流量N不能为负数，请重新输入！", flowKeys[i]};
            return res;
        }
    if (in.NL == 0 && in.NM == 0 && in.NS == 0) {
        res.refusal = {"三种车型的小时车流量N不能都为0，请重新输入！", "NL"};
        return res;
    }
    if (!(in.theta > 0)) {
        res.refusal = {"预测点向公路两端视线间的夹角θ必须大于0，请重新输入！", "theta"};
        return res;
    }
    if (!(in.f > 0)) {
        res.refusal = {"声波频率f必须大于0，请重新输入！", "f"};
        return res;
    }

    // Emission at 7.5 m.
    static const double gradientCorrection[] = {0, 1, 3, 5};
    const double dLg = gradientCorrection[std::clamp(in.gradient, 0, 3)];
    const double dLs = in.surface == 1 ? 1.5 : 0;
    res.L0[0] = referenceLevel(0, in.VL) + dLg;
    res.L0[1] = referenceLevel(1, in.VM) + dLg;
    res.L0[2] = referenceLevel(2, in.VS) + dLs;

    // Geometry: receiver to road edge, and to the near and far lane centre lines.
    const double x0 = std::sqrt(double(in.r) * in.r - std::pow(double(in.H2) - in.H1, 2)) - in.A;
    const double z = (double(in.H2) - in.H3) - in.H1;
    res.r1 = std::sqrt(std::pow(x0 + in.W / 2.0, 2) + z * z);
    res.r2 = std::sqrt(std::pow(x0 + double(in.n) * in.W - in.W / 2.0, 2) + z * z);
    const double req = std::sqrt(res.r1 * res.r2);
    if (!(req >= 7.5)) {
        res.refusal = {"该模式只适用于预测点在距噪声等效行车线7.5m以远处，请重新输入预测点离声源距离r！", "r"};
        return res;
    }
    for (int i = 0; i < 3; ++i) res.dLd[i] = (flows[i] <= 300 ? 15 : 10) * lg(7.5 / req);

    if (in.H1 < in.H2) {
        const double delta = std::sqrt(x0 * x0 + z * z) + std::sqrt(double(in.A) * in.A + double(in.H3) * in.H3) - in.r;
        const double t = 40 * double(in.f) * delta * kOneOverThreeC;
        // δ ≥ 0 (the path over the road edge is never shorter than r) and f > 0: t ≥ 0.
        res.dLsh = shadowCorrection(t);
    }
    res.dLforest = -0.1 * in.b;
    res.dLbld = -double(in.building);
    res.dLgr = -double(in.ground);
    res.dLtheta = 10 * lg(in.theta * kOneOver180);

    double energy = 0;
    for (int i = 0; i < 3; ++i) {
        res.hasTraffic[i] = flows[i] > 0;
        if (!res.hasTraffic[i]) continue;  // a class without vehicles adds nothing
        res.LAeq[i] = res.dLforest + res.dLbld + res.dLgr + 10 * lg(flows[i] / speeds[i]) + res.dLd[i] + res.L0[i] +
                      res.dLsh - 16;
        energy += levelEnergy(res.LAeq[i]);
    }
    res.Ltraffic = 10 * lg(energy) + res.dLtheta;
    res.Ltotal = static_cast<float>(addLevels(res.Ltraffic, in.Lbg));
    return res;
}

std::string highway2006Details(const Highway2006Result& r)
{
    // A class without vehicles has no level of its own.
    std::string levels;
    const char* names[3] = {"大型车：", "；中型车：", "；小型车："};
    for (int i = 0; i < 3; ++i)
        levels += std::string(names[i]) + (r.hasTraffic[i] ? cformat("%.2f[dB]", r.LAeq[i]) : kNoTraffic);
    return cformat(
        "计算结果如下：\r\n交通噪声对环境的噪声小时等效声级贡献值L交=%.2f [dB]\r\n"
        "加上背景噪声值的预测点公路交通噪声值L环=%.2f [dB] \r\n"
        "——————————————————————————————\r\n各参数详细结果如下：\r\n"
        "各车在预测点处小时等效声级LAeq：\r\n%s\r\n"
        "各车在参照点7.5m处平均辐射噪声级L0：\r\n大型车：%.2f [dB]；中型车：%.2f [dB]；小型车：%.2f [dB]\r\n"
        "预测点至近车道行驶中线距离r1=%.2f[m]\r\n预测点至远车道行驶中线距离r2=%.2f[m]\r\n"
        "距离衰减量ΔL：\r\n大型车：%.2f[dB]；中型车：%.2f[dB]；小型车：%.2f[dB]\r\n"
        "预测点在路堤声影区引起的绕射声衰减量ΔL：%.2f[dB]\r\n林带引起的衰减量ΔL：%.2f[dB]\r\n"
        "农村建筑物的衰减量ΔL：%.2f[dB]\r\n公路弯曲或有限长路段引起的交通噪声修正量ΔL：%.2f[dB]\r\n"
        "地面吸收声衰减量ΔL：%.2f[dB]",
        r.Ltraffic, double(r.Ltotal), levels.c_str(), r.L0[0], r.L0[1], r.L0[2], r.r1, r.r2, r.dLd[0],
        r.dLd[1], r.dLd[2], r.dLsh, r.dLforest, r.dLbld, r.dLtheta, r.dLgr);
}

SpeedResult computeSpeeds(const SpeedInput& in)
{
    if (std::fabs(double(in.eta1) + double(in.eta2) + double(in.eta3) - 1) >= 1e-8)
        return {.refusal = {"各车车型比总数不是1,请重新输入！", "eta1"}};
    const double uL = in.vol * (in.eta1 + 0.70957 * (1 - in.eta1));
    const double uM = in.vol * (in.eta2 + 0.8044 * (1 - in.eta2));
    const double uS = in.vol * (in.eta3 + 1.2102 * (1 - in.eta3));
    double V1 = 149.39 - 0.0519 * uL - 1 / (1.4202e-5 * uL + 0.01254);
    double V2 = 149.38 - 0.057537 * uM - 1 / (1.639e-5 * uM + 0.01245);
    double V3 = 149.65 - 0.061748 * uS - 1 / (2.3696e-5 * uS + 0.02099);
    if (in.Vd < 120) {
        const double scale = in.Vd * kOneOver120;
        V1 *= scale;
        V2 *= scale;
        V3 *= scale;
    }
    return {static_cast<float>(V1), static_cast<float>(V2), static_cast<float>(V3), {}};
}

namespace {
void presentHighway(const Highway2006Result& r, Report& report) { report.text = highway2006Details(r); }
}  // namespace

const CalculatorDef<Highway2006Input, Highway2006Result>& highway2006Calculator()
{
    using In = Highway2006Input;
    const std::string speed = "车辆车速v[km/h]：", flow = "车辆小时车流量N[辆/h]：";
    static const CalculatorDef<In, Highway2006Result> def{
        "noise.highway2006",
        "交通部公路交通噪声预测模式",
        {field("VL", "大型车", &In::VL, speed),
         field("VM", "中型车", &In::VM, speed),
         field("VS", "小型车", &In::VS, speed),
         field("NL", "大型车", &In::NL, flow),
         field("NM", "中型车", &In::NM, flow),
         field("NS", "小型车", &In::NS, flow),
         field("n", "路段车道数n", &In::n),
         field("W", "单车道宽度W[m]", &In::W),
         choiceField("gradient", "公路纵坡ΔL[%]", &In::gradient, {"≤3", "4～5", "6～7", "＞7"}),
         choiceField("surface", "公路路面ΔL ", &In::surface, {"沥青混凝土路面", "水泥混凝土路面"}),
         field("A", "声源离预测点一侧路基边缘水平距离A[m]", &In::A),
         field("H2", "声源离地面高度H2[m]", &In::H2),
         field("H3", "声源离路面高度H3[m]", &In::H3),
         field("H1", "预测点离地面高度H1[m]", &In::H1),
         field("r", "预测点与声源间直线距离r[m]", &In::r),
         field("theta", "预测点向公路两端视线间的夹角θ [度]", &In::theta),
         field("f", "声波频率f[Hz]", &In::f),
         field("ground", "地面吸收声衰减量ΔL 地面[dB]", &In::ground),
         field("building", "建筑物障碍衰减量ΔL[dB]", &In::building),
         field("b", "噪声通过林带的宽度b[m]", &In::b),
         field("Lbg", "背景噪声值L[dB]", &In::Lbg)},
        {field("L", "预测点噪声值L[dB]", &Highway2006Result::Ltotal)},
        &computeHighway2006,
        &presentHighway,
    };
    return def;
}

const CalculatorDef<SpeedInput, SpeedResult>& speedCalculator()
{
    using In = SpeedInput;
    using Out = SpeedResult;
    static const CalculatorDef<In, Out> def{
        "noise.speed",
        "车速计算",
        {field("eta1", "大型车车型比η1", &In::eta1),
         field("eta2", "中型车车型比η2", &In::eta2),
         field("eta3", "小型车车型比η3", &In::eta3),
         field("Vd", "设计车速[km/h]", &In::Vd),
         field("vol", "单车道总车流量vol[辆/h]", &In::vol)},
        {field("V1", "大型车车速 v1    [km/h]", &Out::V1),
         field("V2", "中型车车速 v2    [km/h]", &Out::V2),
         field("V3", "小型车车速 v3    [km/h]", &Out::V3)},
        &computeSpeeds,
    };
    return def;
}

}  // namespace qelvo::noise
