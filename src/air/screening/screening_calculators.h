// The two screening computations as calculators, as `qelvo-calc run` and the air list hold
// them: the estimation (air.screen3) and the atmospheric protection distance
// (air.protection_distance). Both run on screeningEngine() (screening_engine.h): the built-in
// engine unless the caller installed another (qelvo-calc's --engine screen3).
//
// The estimation's source fields go by their member names; its three tables are texts, one
// row after another separated by commas: the pollutants "SO2:1:0.5,NO2:0.5:0.24" (name, source
// strength g/s, standard mg/m³), the terrain tables "5000:0,10000:20" (distance m, height m;
// "300" alone has height 0).
#pragma once

#include <string>
#include <vector>

#include "air/screening/estimation.h"
#include "air/screening/protection_distance.h"
#include "air/screening/screening_source.h"
#include "common/calculator.h"

namespace qelvo::air {

// Rows a text table may hold; longer ones are refused before they are split.
inline constexpr std::size_t kMaxPollutantRows = 100;
inline constexpr std::size_t kMaxTerrainRows = 1000;

struct ScreeningInput : ScreeningSource {
    std::string pollutantsText = "SO2:1:0.5";
    std::string simpleTerrainText = "5000:0";
    std::string arbitraryPointsText;
    int criterion = static_cast<int>(GradeCriterion::Hj2008);
    int listing = 0;  // append each pollutant's listing to the report text
};

struct ScreeningEstimate {
    Refusal refusal;
    Estimation estimation;
    int listing = 0;
    // The pollutant with the largest P, and its values.
    std::string dominant;
    float cmax = 0;  // mg/m³
    float pmax = 0;  // %
    float dmax = 0;  // m
    float hmax = 0;  // m
    std::string d10;  // m, as the detail line shows it
};

// The tables of the input read into the source and the pollutant rows; a refusal names the
// table's key ("pollutants", "simpleTerrain", "arbitraryPoints").
struct ScreeningRequest {
    ScreeningSource source;
    std::vector<PollutantEntry> pollutants;
    Refusal refusal;
};
ScreeningRequest readScreeningInput(const ScreeningInput& in);

// A table's rows as the text readScreeningInput reads back into the same rows, and the
// refusal of rows that would not come back so: a cell holding a comma or a colon (the table
// named by its key).
std::string tableText(const std::vector<std::vector<std::string>>& rows);
Refusal checkTableCells(const std::vector<std::vector<std::string>>& rows, const std::string& key);

ScreeningEstimate computeScreening(const ScreeningInput& in);
void presentScreening(const ScreeningEstimate& out, Report& report);
const CalculatorDef<ScreeningInput, ScreeningEstimate>& screen3Calculator();

ProtectionOutcome computeProtection(const ProtectionInput& in);
const CalculatorDef<ProtectionInput, ProtectionOutcome>& protectionDistanceCalculator();

}  // namespace qelvo::air
