#include "air/screening/screening_source.h"

#include <algorithm>
#include <array>

#include "common/number_format.h"
#include "common/number_parse.h"

namespace qelvo::air {
namespace {

// Initial dimensions of a volume source (SCREEN3 user's guide, table of initial dimensions;
// HJ2.2-2008 appendix): σy0 = side / 4.3 for a single volume source; σz0 = vertical
// extent / 2.15 for a surface-based source or one on a building (extent = building height),
// vertical extent / 4.3 for an elevated source not on a building.
constexpr double kLateralDivisor = 4.3;
constexpr double kSurfaceVerticalDivisor = 2.15;
constexpr double kElevatedVerticalDivisor = 4.3;

// The step between the distances of rows that "增加" appends to a terrain table, m.
constexpr double kTerrainRowStep = 100;

constexpr std::array<std::string_view, 10> kEstimationNames{
    "SO2", "TSP", "PM10", "NO2", "氟化物", "HCl", "H2S", "苯", "二甲苯", "甲苯"};

// Hourly standards (mg/m³) that choosing a name writes; 甲苯 has none.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kEstimationStandards{{
    {"SO2", "0.5"}, {"TSP", "0.9"}, {"PM10", "0.45"}, {"NO2", "0.24"}, {"氟化物", "0.02"},
    {"HCl", "0.05"}, {"H2S", "0.01"}, {"苯", "2.4"}, {"二甲苯", "0.3"},
}};

}  // namespace

std::vector<PollutantEntry> defaultPollutants() { return {{"SO2", "1", "0.5"}}; }

PollutantEntry newPollutantRow() { return {"SO2", "", ""}; }

TerrainRow nextTerrainRow(const std::vector<TerrainRow>& table)
{
    const double last = table.empty() ? 0.0 : leadingNumber(table.back().distance);
    return {formatG(last + kTerrainRowStep, 6), "0"};
}

std::span<const std::string_view> estimationPollutantNames() { return kEstimationNames; }

std::string_view estimationStandard(std::string_view name)
{
    for (const auto& [known, standard] : kEstimationStandards)
        if (known == name) return standard;
    return {};
}

float sigmaY0ForSides(float length, float width)
{
    return static_cast<float>(std::max(length, width) / kLateralDivisor);
}

float sigmaY0AfterLengthChange(float length, float width, float sigmaY0)
{
    return length > width ? sigmaY0ForSides(length, width) : sigmaY0;
}

float sigmaY0AfterWidthChange(float length, float width, float sigmaY0)
{
    return width > length ? sigmaY0ForSides(length, width) : sigmaY0;
}

float sigmaZ0ForSite(int site, float releaseHeight, float buildingHeight)
{
    switch (site) {
    case kOnHighGround: return static_cast<float>(releaseHeight / kElevatedVerticalDivisor);
    case kOnBuilding: return static_cast<float>(buildingHeight / kSurfaceVerticalDivisor);
    default: return static_cast<float>(releaseHeight / kSurfaceVerticalDivisor);
    }
}

}  // namespace qelvo::air
