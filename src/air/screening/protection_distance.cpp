#include "air/screening/protection_distance.h"

#include "air/screening/deck_writer.h"
#include "common/number_format.h"

namespace qelvo::air {
namespace {

// The standard is in mg/m³, the listing in µg/m³.
constexpr float kMicrogramsPerMilligram = 1000;

// Beyond this distance the recommended distance comes with a warning, m.
constexpr double kWarningDistance = 2000;

}  // namespace

Refusal checkProtection(const ProtectionInput& in)
{
    if (auto r = checkAreaSides(in.W, in.L, "W"); r.refused()) return r;
    if (in.He < 0) return {"不能是负数，请重新输入", "He", "错误"};
    if (!(in.Q > 0)) return {"污染源强必须大于0，请重新输入！", "Q"};
    if (!(in.S > 0)) return {"环境标准浓度限值必须大于0，请重新输入！", "S"};
    return {};
}

std::map<double, double> joinByDistance(const std::vector<ScreeningResult>& runs)
{
    std::map<double, double> rows;
    for (const auto& run : runs) {
        for (const auto& section : run.discrete)
            for (const auto& row : section.rows) rows.emplace(row.distance, row.concentration);
        for (const auto& section : run.automated)
            for (const auto& row : section.rows) rows.emplace(row.distance, row.concentration);
    }
    return rows;
}

ProtectionDecision decideProtection(const std::map<double, double>& rows, float S)
{
    using Kind = ProtectionDecision::Kind;
    const auto distances = protectionDistances();
    std::vector<double> values;
    for (const double d : distances) {
        const auto at = rows.find(d);
        if (at == rows.end()) return {Kind::Incomplete, d, cformat("估算结果中没有%g m处的浓度，无法确定大气环境防护距离。", d)};
        values.push_back(at->second);
    }
    const float limit = S * kMicrogramsPerMilligram;
    if (values.back() > limit)
        return {Kind::Beyond5000, distances.back(), "最大超标距离大于5000米，污染源强可能超标，建议削减源强后，再计算。"};
    for (std::size_t k = values.size() - 1; k-- > 0;) {
        if (values[k] < limit) continue;
        const double D = distances[k + 1];
        if (D > kWarningDistance)
            return {Kind::Beyond2000, D,
                    cformat("最大超标距离 = %g[m]\n最大超标距离大于2000米，污染源强可能超标，建议削减源强后，再计算。", D)};
        return {Kind::Recommended, D, cformat("大气环境防护距离建议值 = %g[m]", D)};
    }
    return {Kind::NoExceedance, 0, "无超标点"};
}

ProtectionOutcome runProtectionDistance(const ProtectionInput& in, ScreeningEngine& engine,
                                        const std::function<bool()>& cancelled)
{
    ProtectionOutcome out;
    out.refusal = checkProtection(in);
    if (out.refusal.refused()) return out;
    std::vector<ScreeningResult> runs;
    for (const auto& deck : writeProtectionDecks(in, engine.distanceLimit())) {
        if (cancelled && cancelled()) {
            out.cancelled = true;
            return out;
        }
        ScreeningOutcome run = engine.run(deck, cancelled);
        if (!run.ok()) {
            out.cancelled = cancelled && cancelled();
            out.failure = run.failure;
            return out;
        }
        runs.push_back(std::move(*run.result));
    }
    out.decision = decideProtection(joinByDistance(runs), in.S);
    if (out.decision.kind == ProtectionDecision::Kind::Incomplete) out.failure = out.decision.text;
    else out.text = out.decision.text;
    return out;
}

}  // namespace qelvo::air
