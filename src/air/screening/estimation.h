// The screening estimate of the atmospheric guideline for one source and its pollutants.
//
// Per pollutant a screening run gives the maximum ground concentration Cmax, its ratio P to the
// standard, its distance and terrain height, and the concentration profile; the farthest table
// row where P still reaches 10 % gives D10. The pollutant with the largest P decides the
// assessment grade, by HJ2.2-2008 or HJ2.2-2018. The result table, its cell colours, the
// report and the detail lines are data here; the page only shows them.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "air/screening/screening_engine.h"
#include "air/screening/screening_result.h"
#include "air/screening/screening_source.h"
#include "common/calculator.h"

namespace qelvo::air {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The maximum row of the result table.
inline constexpr Rgb kMaximumRowColour{255, 0, 0};

// The background of a pollutant's two columns: a fixed cycle of light blues and greens, so
// that neighbouring pollutants differ and a result looks the same every time.
Rgb pollutantColour(std::size_t index);

struct PollutantEstimate {
    std::string name;
    double q = 0;         // g/s, the table text as a number
    double standard = 0;  // mg/m³, the table text as a number
    bool computed = false;  // the engine gave a result
    std::string failure;    // why not, when the engine failed
    float cmax = 0;  // mg/m³
    float p = 0;     // %
    float dmax = 0;  // m
    float hmax = 0;  // m
    float d10 = 0;   // m
    std::string d10Text;  // "%g" of d10, "大于" + distance when the last table row reaches 10 %, or empty
    std::string listing;  // the engine's listing, for the "文字报告" view
    std::string engine;
};

struct Estimation {
    // "序号", "地形", "距离m", "源高m", then two columns per pollutant.
    Table table;
    // Background of each cell of table.rows; none for the default background.
    std::vector<std::vector<std::optional<Rgb>>> colours;
    // The pollutants processed, in table order (all of them unless a check stopped the computation).
    std::vector<PollutantEstimate> pollutants;
    int dominant = -1;  // index into pollutants of the largest P; -1 when no P exceeds 0
    std::string grade;
    std::string details;  // one line per computed pollutant
    std::string report;
    std::vector<std::string> failures;  // name + "：" + the engine's failure text, per failed run
    Refusal refusal;  // the check that stopped the computation
    bool cancelled = false;
};

// The summary row a pollutant's values come from: the complex-terrain row when its value is
// greater than the simple-terrain row's, otherwise the simple-terrain row; null when neither is
// listed.
const SummaryRow* chosenSummaryRow(const ScreeningResult& result);

struct D10 {
    float distance = 0;
    std::string text;
};

// D10 of the pollutant whose percent cells are in `column`: the last row whose percent is at
// least 10 gives its distance.
D10 findD10(const Table& table, std::size_t column);

// "一级", "二级…" or "三级" from the dominant pollutant's P [%] and D10 [m].
std::string gradeText(float pmax, float d10, GradeCriterion criterion);

// The pollutant with the largest P above 0 (a tie keeps the earlier one), or -1.
int dominantPollutant(const std::vector<PollutantEstimate>& pollutants);

// One pollutant's run: a refusal of its deck, which stops the computation, or the engine's outcome.
struct PollutantRun {
    Refusal refusal;
    ScreeningOutcome outcome;
};
using RunPollutant = std::function<PollutantRun(std::string_view name, double q)>;

struct EstimationCallbacks {
    std::function<void(int index, int count, const std::string& name)> progress;  // before each run
    std::function<bool()> cancelled;  // asked before and after each run
};

// The estimate from the pollutant table, whatever produces the runs. engineName is named in the
// report ("估算模型：…"); empty leaves that line out.
//
// The first pollutant whose run gives rows lays out the table: its automated rows, the maximum
// row after the last of them at or before Dmax (first when none is), its discrete rows, its
// complex-terrain rows. Every later pollutant fills its two columns in the same rows, kind by
// kind in order: the n-th automated row of its result fills the n-th automated row of the
// table, and so on. One source gives the same rows for every pollutant; a result with other
// rows leaves the table rows it lacks empty, and its rows the table lacks are not shown.
Estimation estimate(const std::vector<PollutantEntry>& pollutants, GradeCriterion criterion,
                    const std::string& engineName, const RunPollutant& run, const EstimationCallbacks& callbacks = {});

// Writes each pollutant's deck for the source and runs it on the engine.
Estimation runEstimation(const ScreeningSource& source, const std::vector<PollutantEntry>& pollutants,
                         GradeCriterion criterion, ScreeningEngine& engine, const EstimationCallbacks& callbacks = {});

}  // namespace qelvo::air
