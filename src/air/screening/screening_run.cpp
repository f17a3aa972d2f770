#include "air/screening/screening_run.h"

#include <algorithm>

#include "air/screening/distance_search.h"

namespace qelvo::air::screening {
namespace {

void addSummary(ScreeningResult& r, std::string_view label, double concentration, double distance,
                std::optional<double> terrain)
{
    r.summary.push_back({std::string(label), concentration, distance, terrain});
}

}  // namespace

std::optional<ScreeningRun> runScreening(const ScreeningCase& c, const std::function<bool()>& cancelled)
{
    auto stop = [&] { return cancelled && cancelled(); };
    ScreeningRun run;
    run.input = c;
    run.stack = sourceStack(c);
    ScreeningResult& r = run.result;
    const double release = run.stack.height;

    // Complex terrain (VALLEY 24-hour screen) comes first.
    ValleyRow complexMax;
    if (c.complexTerrain) {
        run.valley = valleyReference(c);
        for (const auto& entry : c.complexEntries) {
            if (stop()) return std::nullopt;
            r.valley.push_back(valleyRow(c, entry));
            if (r.valley.back().max24h > complexMax.max24h) complexMax = r.valley.back();
        }
    }

    // Simple terrain: automated ranges, then discrete distances; terrain above the release
    // height counts as the release height.
    struct {
        ScreeningRow row;
        double terrain;
    } simpleMax{};
    auto consider = [&](const ScreeningRow& row, double terrain) {
        if (row.concentration > simpleMax.row.concentration) simpleMax = {row, terrain};
    };
    if (c.simpleTerrain) {
        MeteorologyLoop loop(c);
        for (const auto& range : c.automated) {
            const double terrain = std::min(range.terrain, release);
            auto outcome = automatedRange(loop, range, terrain, cancelled);
            if (!outcome) return std::nullopt;
            consider(*outcome->section.maximum, terrain);
            r.automated.push_back(std::move(outcome->section));
            run.iterationStopped.push_back(outcome->iterationStopped);
        }
        for (const auto& group : c.discrete) {
            ScreeningSection section;
            section.terrainHeight = std::min(group.terrain, release);
            for (double x : group.distances) {
                if (stop()) return std::nullopt;
                section.rows.push_back(loop.at(x, section.terrainHeight, false));
                consider(section.rows.back(), section.terrainHeight);
            }
            r.discrete.push_back(std::move(section));
        }
        if (c.building && c.buildingHeight > 0 && c.buildingMin > 0 && c.buildingMax > 0)
            run.cavity = cavityConcentrations(run.stack, c.emission, c.buildingHeight, c.buildingMin, c.buildingMax);
        if (c.fumigation) {
            run.breakup = inversionBreakup(c);
            if (c.shoreline) run.shoreline = shorelineFumigation(c);
        }
    }

    if (simpleMax.row.concentration > 0)
        addSummary(r, kSimpleTerrainLabel, simpleMax.row.concentration, simpleMax.row.distance, simpleMax.terrain);
    if (complexMax.max24h > 0)
        addSummary(r, kComplexTerrainLabel, complexMax.max24h, complexMax.distance, complexMax.terrainHeight);
    if (run.cavity && ((*run.cavity)[0].concentration > 0 || (*run.cavity)[1].concentration > 0)) {
        addSummary(r, kCavity1Label, (*run.cavity)[0].concentration, (*run.cavity)[0].length, std::nullopt);
        addSummary(r, kCavity2Label, (*run.cavity)[1].concentration, (*run.cavity)[1].length, std::nullopt);
    }
    if (run.breakup && run.breakup->concentration > 0)
        addSummary(r, kInversionFumigationLabel, run.breakup->concentration, run.breakup->distance, std::nullopt);
    if (run.shoreline && run.shoreline->concentration > 0)
        addSummary(r, kShorelineFumigationLabel, run.shoreline->concentration, run.shoreline->distance, std::nullopt);
    return run;
}

}  // namespace qelvo::air::screening
