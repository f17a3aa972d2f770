#include "air/dust.h"

#include <cmath>

#include "air/air_checks.h"

namespace qelvo::air {
namespace {

// Coal pile: Q = 11.7·U^2.45·S^0.345·e^(−0.5·W).
constexpr double kPileFactor = 11.7, kPileWindExponent = 2.45, kPileAreaExponent = 0.345, kPileMoisture = 0.5;

// Transport: Qt = 0.123·(V/5)·(M/6.8)^0.85·(P/0.5)^0.72·L·Q/M, referred to 5 km/h, a 6.8 t
// vehicle and 0.5 kg/m^2 of dust.
constexpr double kRoadFactor = 0.123, kRoadSpeed = 5, kRoadLoad = 6.8, kRoadLoadExponent = 0.85, kRoadDust = 0.5,
                 kRoadDustExponent = 0.72;

}  // namespace

CoalPileResult computeCoalPile(const CoalPileInput& in)
{
    CoalPileResult r;
    r.refusal = firstRefusal({mustNotBeNegative(in.U, "地面平均风速U", "U"), mustNotBeNegative(in.S, "煤堆表面积S", "S")});
    if (r.refusal.refused()) return r;
    r.Q = static_cast<float>(kPileFactor * std::pow(double(in.U), kPileWindExponent) * std::pow(double(in.S), kPileAreaExponent) *
                             std::exp(-kPileMoisture * in.W));
    r.refusal = outOfRangeUnlessFinite({r.Q});
    return r;
}

TransportResult computeTransport(const TransportInput& in)
{
    TransportResult r;
    r.refusal = firstRefusal({mustBePositive(in.M, "车辆载重M", "M"), mustNotBeNegative(in.P, "路面状况P", "P")});
    if (r.refusal.refused()) return r;
    r.Qt = static_cast<float>(kRoadFactor * (in.V / kRoadSpeed) * std::pow(in.M / kRoadLoad, kRoadLoadExponent) *
                              std::pow(in.P / kRoadDust, kRoadDustExponent) * in.L * in.Q / in.M);
    r.refusal = outOfRangeUnlessFinite({r.Qt});
    return r;
}

const CalculatorDef<CoalPileInput, CoalPileResult>& coalPileCalculator()
{
    using In = CoalPileInput;
    static const CalculatorDef<In, CoalPileResult> def{
        "air.dust_coal",
        "扬尘计算（煤堆起尘量）",
        {field("U", "地面平均风速 U [m/s]", &In::U), field("S", "煤堆表面积 S  [m^2]", &In::S),
         field("W", "储煤含水量 W [%]", &In::W)},
        {field("Q", "煤堆起尘强度 Q [mg/s]", &CoalPileResult::Q)},
        &computeCoalPile,
    };
    return def;
}

const CalculatorDef<TransportInput, TransportResult>& transportCalculator()
{
    using In = TransportInput;
    static const CalculatorDef<In, TransportResult> def{
        "air.dust_transport",
        "扬尘计算",
        {field("V", "车辆行驶速度 V [Km/h]", &In::V), field("M", "车辆载重 M  [t/辆]", &In::M),
         field("L", "运输距离 L [Km]", &In::L), field("Q", "运输量 Q [t/a]", &In::Q),
         field("P", "路面状况 P [Kg/m^2]", &In::P).withUnit(kRoadDustNote)},
        {field("Qt", "运输起尘量 Qt [Kg/a]", &TransportResult::Qt)},
        &computeTransport,
    };
    return def;
}

}  // namespace qelvo::air
