#include "noise/workshop_noise.h"

#include <cmath>

#include "common/number_format.h"
#include "noise/decibel.h"
#include "noise/propagation.h"

namespace qelvo::noise {
namespace {


// The level a source may add to the background to reach the target; false when none.
bool allowedLevel(float target, float background, double& level)
{
    const double room = levelEnergy(target) - levelEnergy(background);
    if (room <= 0) return false;
    level = 10 * std::log10(room);
    return true;
}

// Stueber: the screening of the three path differences and the radiating surface.
double barrier(const StueberInput& in)
{
    double sum = 0;
    for (float d : {in.d1, in.d2, in.d3}) sum += barrierPathTerm(2 * double(d) * in.f / kSoundSpeed);
    return -10 * std::log10(sum);
}

double radiatingSurface(const StueberInput& in)
{
    const double a = in.a, b = in.b;
    return 2 * a * b + 2 * (a + b) * (in.H + 0.0255 * std::sqrt(a * b));
}

// The workshop's size and the screening must leave a positive surface and defined terms.
Refusal stueberChecks(const StueberInput& in)
{
    if (!(in.a > 0)) return {"车间长度必须大于0，请重新输入！", "a"};
    if (!(in.b > 0)) return {"车间宽度必须大于0，请重新输入！", "b"};
    if (in.H < 0) return {"车间声源平均高度H不能为负数，请重新输入！", "H"};
    if (in.f < 0) return {"声波频率f不能为负数，请重新输入！", "f"};
    if (in.d1 < 0) return {"声程差δ不能为负数，请重新输入！", "d1"};
    if (in.d2 < 0) return {"声程差δ不能为负数，请重新输入！", "d2"};
    if (in.d3 < 0) return {"声程差δ不能为负数，请重新输入！", "d3"};
    return {};
}

const Refusal kWallArea = {"外墙面积F必须大于0，请重新输入！", "F"};

}  // namespace

Table greenTable() { return {"", {"距离m", "预测值dB", "叠加后预测值dB"}, {}}; }

GreenTable computeGreen(const GreenInput& in)
{
    GreenTable t;
    std::optional<int> n;
    if (!(in.l > 0)) t.refusal = {"距离间隔l必须大于0，请重新输入！", "l"};
    else if (!(n = seriesCount(in.lmax, in.l))) t.refusal = {kTooManyRows, "l"};
    else if (!(in.F > 0)) t.refusal = kWallArea;
    if (t.refusal.refused()) return t;
    for (int k = 1; k <= *n; ++k) {
        const double r = double(k) * in.l;
        double Lp = (double(in.Lp1) - in.TL - 11) + 10 * std::log10(in.F / (r * r));
        if (Lp < 0) Lp = 0;
        t.rows.push_back({static_cast<float>(r), static_cast<float>(Lp), static_cast<float>(addLevels(in.Lbg, Lp))});
    }
    return t;
}

Distance computeGreenDistance(const GreenInput& in)
{
    if (!(in.F > 0)) return {.refusal = kWallArea};
    double need = 0;
    if (!allowedLevel(in.Ltarget, in.Lbg, need)) return {.refusal = {kTargetNotAboveBackground, "Ltarget"}};
    return {static_cast<float>(std::sqrt(in.F / levelEnergy(need + in.TL + 11 - in.Lp1))), {}};
}

StueberLevel computeStueber(const StueberInput& in)
{
    if (!(in.r > 0)) return {.refusal = {"到受声点的距离r必须大于0，请重新输入！", "r"}};
    if (Refusal r = stueberChecks(in); r.refused()) return {.refusal = r};
    const double G = 10 * std::log10(kTwoPi * double(in.r) * in.r);
    double Lp = double(in.LR) - in.dLR - G - barrier(in) + 10 * std::log10(radiatingSurface(in));
    if (Lp < 0) Lp = 0;
    return {static_cast<float>(addLevels(in.Lbg, Lp)), {}};
}

Distance computeStueberDistance(const StueberInput& in)
{
    if (Refusal r = stueberChecks(in); r.refused()) return {.refusal = r};
    double need = 0;
    if (!allowedLevel(in.Ltarget, in.Lbg, need)) return {.refusal = {kTargetNotAboveBackground, "Ltarget"}};
    const double X = double(in.LR) - in.dLR - need - barrier(in) + 10 * std::log10(radiatingSurface(in));
    return {static_cast<float>(std::sqrt(levelEnergy(X) * (1 / kTwoPi))), {}};
}

Lp1Result computeLp1(const Lp1Input& in)
{
    if (!(in.alpha > 0 && in.alpha < 1)) return {.refusal = {"壁面吸声系数a必须大于0且小于1，请重新输入！", "alpha"}};
    if (!(in.r > 0)) return {.refusal = {"Lp1预测点离声源距离r必须大于0，请重新输入！", "r"}};
    if (!(in.S > 0)) return {.refusal = {"房间内壁面积S必须大于0，请重新输入！", "S"}};
    if (in.Q < 0) return {.refusal = {"室内空间指向因子Q不能为负数，请重新输入！", "Q"}};
    const double R = double(in.S) * in.alpha / (1 - in.alpha);  // room constant
    return {static_cast<float>(in.Lw + 10 * std::log10(in.Q / (kFourPi * double(in.r) * in.r) + 4 / R)), {}};
}

namespace {

const Fields<GreenInput>& greenFields()
{
    using In = GreenInput;
    static const Fields<In> fields = {
        field("Lp1", "距墙内侧1米处受声点的声级Lp1", &In::Lp1).withUnit("dB"),
        field("TL", "墙壁隔声量TL", &In::TL).withUnit("dB"),
        field("F", "靠预测厂界一侧外墙面积F", &In::F).withUnit("m^2"),
        field("lmax", "最远受声点的距离lmax", &In::lmax).withUnit("m"),
        field("l", "距离间隔l", &In::l).withUnit("m"),
        field("Lbg", "背景噪声值", &In::Lbg).withUnit("dB"),
        field("Ltarget", "达标噪声值", &In::Ltarget).withUnit("dB")};
    return fields;
}

const Fields<StueberInput>& stueberFields()
{
    using In = StueberInput;
    static const Fields<In> fields = {
        field("LR", "车间平均噪声级LR[dB]", &In::LR),
        field("H", "车间声源平均高度H[m]", &In::H),
        field("a", "车间长度[m]", &In::a),
        field("b", "车间宽度[m]", &In::b),
        field("dLR", "车间平均屏蔽衰减△LR[dB]", &In::dLR),
        field("f", "声波频率f[Hz]", &In::f),
        field("d1", "δ1", &In::d1, "声程差δ[m]"),
        field("d2", "δ2", &In::d2, "声程差δ[m]"),
        field("d3", "δ3", &In::d3, "声程差δ[m]"),
        field("r", "到受声点的最远距离r[m]", &In::r),
        field("Lbg", "背景噪声值[dB]", &In::Lbg),
        field("Ltarget", "达标噪声值[dB]", &In::Ltarget)};
    return fields;
}

void presentGreen(const GreenTable& t, Report& report)
{
    Table table = greenTable();
    for (const auto& row : t.rows)
        table.rows.push_back({formatSingle(row.r), cformat("%.1f", double(row.Lp)), cformat("%.1f", double(row.Ltot))});
    report.tables.push_back(std::move(table));
}

}  // namespace

const CalculatorDef<GreenInput, GreenTable>& greenCalculator()
{
    static const CalculatorDef<GreenInput, GreenTable> def{
        "noise.green", "格林公式", greenFields(), {}, &computeGreen, &presentGreen};
    return def;
}

const CalculatorDef<GreenInput, Distance>& greenDistanceCalculator()
{
    static const CalculatorDef<GreenInput, Distance> def{"noise.green_distance", greenCalculator().label + "（噪声达标距离）",
                                                         greenFields(), {field("L", "噪声达标距离L", &Distance::L)},
                                                         &computeGreenDistance};
    return def;
}

const CalculatorDef<StueberInput, StueberLevel>& stueberCalculator()
{
    static const CalculatorDef<StueberInput, StueberLevel> def{
        "noise.stueber", "Stueber公式", stueberFields(),
        {field("level", "叠加背景噪声后预测点噪声值[dB]", &StueberLevel::level)}, &computeStueber};
    return def;
}

const CalculatorDef<StueberInput, Distance>& stueberDistanceCalculator()
{
    static const CalculatorDef<StueberInput, Distance> def{"noise.stueber_distance",
                                                           stueberCalculator().label + "（噪声达标距离）", stueberFields(),
                                                           {field("L", "噪声达标距离L[m]", &Distance::L)}, &computeStueberDistance};
    return def;
}

const CalculatorDef<Lp1Input, Lp1Result>& lp1Calculator()
{
    using In = Lp1Input;
    static const CalculatorDef<In, Lp1Result> def{
        "noise.lp1",
        "LP1计算",
        {field("Lw", "声源声功率级Lw", &In::Lw).withUnit("dB"),
         field("Q", "室内空间指向因子Q", &In::Q),
         field("S", "房间内壁面积S(包括屋顶和地面)", &In::S).withUnit("m^2"),
         field("alpha", "壁面吸声系数ａ", &In::alpha),
         field("r", "Lp1预测点离声源距离r", &In::r).withUnit("m")},
        {field("Lp1", "Lp1:", &Lp1Result::Lp1).withUnit("dB")},
        &computeLp1,
    };
    return def;
}

}  // namespace qelvo::noise
