// What one screening run gives, whichever engine produced it.
//
// The external engine reads SCREEN3's listing into it; the built-in engine fills it from its
// own computation. The estimation and protection-distance logic works on these values only,
// never on line numbers or character positions of a listing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qelvo::air {

// Labels of the summary rows, as the listing prints them.
inline constexpr std::string_view kSimpleTerrainLabel = "SIMPLE TERRAIN";
inline constexpr std::string_view kComplexTerrainLabel = "COMPLEX TERRAIN";
inline constexpr std::string_view kCavity1Label = "BLDG. CAVITY-1";
inline constexpr std::string_view kCavity2Label = "BLDG. CAVITY-2";
inline constexpr std::string_view kInversionFumigationLabel = "INV BREAKUP FUMI";
inline constexpr std::string_view kShorelineFumigationLabel = "SHORELINE FUMI";

// One row of a distance table.
struct ScreeningRow {
    double distance = 0;       // m
    double concentration = 0;  // µg/m³, 1-hour average
    int stability = 0;         // 1 … 6 for A … F; 0 when no calculation was made
    double u10 = 0;            // wind speed at 10 m, m/s
    double ustk = 0;           // wind speed at stack height, m/s
    double mixingHeight = 0;   // m
    double plumeHeight = 0;    // m
    double sigmaY = 0;         // m
    double sigmaZ = 0;         // m
    std::string dwash;         // "NO", "HS", "SS", "NA", or empty when no calculation was made
    double maxDirection = 0;   // area sources: the direction to the long side that gives the maximum, degrees ("MAX DIR")
};

// A block of distances at one terrain height: "SCREEN AUTOMATED DISTANCES" or
// "SCREEN DISCRETE DISTANCES".
struct ScreeningSection {
    double terrainHeight = 0;  // m above stack base
    std::vector<ScreeningRow> rows;
    // Automated blocks: "MAXIMUM 1-HR CONCENTRATION AT OR BEYOND …" (not a data row).
    std::optional<ScreeningRow> maximum;
};

// A complex-terrain row of the 24-hour VALLEY screen.
struct ValleyRow {
    double terrainHeight = 0;      // m above stack base
    double distance = 0;           // m
    double max24h = 0;             // µg/m³, the larger of the two 24-hour values
    double valley24h = 0;          // µg/m³
    double valleyPlumeHeight = 0;  // m above stack base
    double simple24h = 0;          // µg/m³, 0 when not computed
    double simplePlumeHeight = 0;  // m above stack height
    int stability = 0;
    double u10 = 0;
    double ustk = 0;
};

// One row of "SUMMARY OF SCREEN MODEL RESULTS"; only rows with a value above 0 are listed.
struct SummaryRow {
    std::string label;                    // one of the labels above
    double concentration = 0;             // µg/m³ (24-hour for complex terrain)
    double distance = 0;                  // m
    std::optional<double> terrainHeight;  // m; none where the listing prints "--"
};

struct ScreeningResult {
    std::vector<ScreeningSection> automated;
    std::vector<ScreeningSection> discrete;
    std::vector<ValleyRow> valley;
    std::vector<SummaryRow> summary;
    std::string listing;  // the whole listing, lines ended by "\n"
    std::string engine;   // the engine that produced it, named in the report

    // The summary row with this label, or null.
    const SummaryRow* summaryRow(std::string_view label) const
    {
        for (const auto& row : summary)
            if (row.label == label) return &row;
        return nullptr;
    }
};

}  // namespace qelvo::air
