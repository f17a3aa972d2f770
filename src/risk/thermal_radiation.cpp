#include "risk/thermal_radiation.h"

#include <cmath>

namespace qelvo::risk {

ThermalProbabilities thermalProbabilities(double t, double q)
{
    if (!(q > 0 && t > 0)) return {};
    // Exposure dose X = ln(t·(0.4·q)^(4/3)) and the handbook's three probit lines.
    const double X = std::log(t * std::pow(0.4 * q, 4.0 / 3.0));
    ThermalProbabilities p{(2.56 * X - 36.38) * 0.1, (3.0188 * X - 43.14) * 0.1, (3.0186 * X - 39.83) * 0.1};
    if (p.death < 0 || p.secondDegree < 0 || p.firstDegree < 0) return {0, 0, 0};
    if (p.death > 1 || p.secondDegree > 1 || p.firstDegree > 1) return {1, 1, 1};
    return p;
}

const std::vector<Threshold>& thermalThresholds()
{
    // Damage by incident thermal radiation, as the risk assessment handbooks tabulate it.
    static const std::vector<Threshold> thresholds = {
        {37.5, "37.5", "操作设备全部损坏；1%死亡/10s，100%死亡/1min"},
        {25, "25", "无火焰长时间辐射下木材燃烧的最小能量；重大烧伤/10s，100%死亡/1min"},
        {12.5, "12.5", "有火焰时木材燃烧、塑料熔化的最低能量；1度烧伤/10s，1%死亡/1min"},
        {4, "4", "20s以上感觉疼痛，未必起泡"},
        {1.6, "1.6", "长期辐射无不舒服感"},
    };
    return thresholds;
}

RadiationDistances radiationDistances(const std::function<double(double)>& qKw, double near, double far,
                                      const std::string& title, const std::string& xLabel)
{
    RadiationDistances r;
    r.distances = thresholdDistances(qKw, thermalThresholds(), near, far);
    r.curve = distanceCurve(qKw, near, far, r.distances);
    r.curve.title = title;
    r.curve.xLabel = xLabel;
    r.curve.yLabel = "热辐射强度 [kW/m^2]";
    return r;
}

Table radiationTable(const RadiationDistances& r)
{
    return thresholdTable("热辐射伤害距离", "热辐射强度 [kW/m^2]", r.curve.xLabel, r.distances);
}

void presentRadiation(const RadiationDistances& r, Report& report)
{
    report.tables.push_back(radiationTable(r));
    report.curves.push_back(r.curve);
}

}  // namespace qelvo::risk
