// A calculator as the rest of the system sees it.
//
// Each model declares itself once as a CalculatorDef: its id, label, input and result
// fields (bound to the members of its input and result structs), its compute function
// (numbers in, numbers out) and its present function (the texts, tables and curves it shows,
// built from the numbers). Pages use the typed definition directly; the domain's list
// (src/<domain>/<domain>_calculators.cpp) keeps a type-erased Calculator for the command
// line, which reads key=value texts with the same rules as the page fields.
#pragma once

#include <cfloat>
#include <cmath>
#include <functional>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/fields.h"
#include "common/number_format.h"

namespace qelvo {

// A failed input check: the message the page shows, and where the focus goes.
struct Refusal {
    std::string message;
    std::string focusKey;  // the offending field, or empty
    std::string caption;   // empty: the program's title

    bool refused() const { return !message.empty(); }
};

// A table as the page shows it: column titles, then rows of display texts.
struct Table {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// Every series a calculator builds row by row (a table along a distance) is refused beyond
// this many rows, before any memory is spent, with this message.
constexpr double kMaxTableRows = 100'000;
inline const char* kTooManyRows = "计算点数过多，请增大距离间隔后重新输入！";

// How many points k·step, k = 1 … trunc(max/step), a distance series has (step > 0): none
// when max < step, and no value (refuse with kTooManyRows) beyond kMaxTableRows. Both ends
// are checked in double before anything is converted to an integer.
inline std::optional<int> seriesCount(double max, double step)
{
    const double q = max / step;
    if (!(q <= kMaxTableRows)) return std::nullopt;  // NaN and +inf included
    return q < 1 ? 0 : static_cast<int>(std::trunc(q));
}

// Whether a value computed in double can be stored in a single-precision result.
inline bool fitsSingle(double v) { return std::isfinite(v) && std::fabs(v) <= FLT_MAX; }

// The framework's own refusals, under every calculator: a result that would show a number
// that is not finite (and the calculator does not show such numbers on purpose), and a
// computation that ran out of memory.
inline const char* kNotFinite = "计算结果超出数值范围（不是有限的数），请检查输入后重新输入！";
inline const char* kOutOfMemory = "内存不足，请缩小计算范围后重新输入！";
inline const char* kComputationFailed = "计算出错，请检查输入后重新输入！";

// Grids of receptors (the river mixing grids, the point-source grid) are refused beyond this
// many cells, counted before any memory is spent.
constexpr double kMaxGridCells = 4'000'000;

// A curve as a chart draws it: ys over xs (numbers, not texts), with its title and the
// axis labels. The command line prints it as a two-column table; pages draw it with the
// chart widget (presentation/curve_chart.h).
struct Curve {
    std::string title;
    std::string xLabel;
    std::string yLabel;
    std::vector<double> xs;
    std::vector<double> ys;  // as many as xs
};

// Everything a computation shows: fields and tables in display form, curves as numbers.
struct Report {
    std::vector<std::pair<std::string, std::string>> fields;  // key, display text
    std::string text;
    std::vector<Table> tables;
    std::vector<Curve> curves;
    std::vector<std::string> messages;
};

template <class In, class Out>
struct CalculatorDef {
    std::string id;
    std::string label;
    Fields<In> inputs;
    Fields<Out> outputs;
    Out (*compute)(const In&) = nullptr;
    // Adds the result text and tables, where the calculator has them.
    void (*present)(const Out&, Report&) = nullptr;
    // Numbers that are not finite which this calculator shows on purpose, because its
    // guideline's formula gives them and the page has always shown them (the decibel
    // calculator's subtraction, the pH logarithm of a non-positive value): true when the
    // non-finite numbers of this result are such. Null (most calculators): none; a result
    // that would show one is refused with kNotFinite. They are spelled as nonFiniteText says.
    bool (*showsNonFinite)(const In&, const Out&) = nullptr;
    // What a choice (radio buttons or a check box) does to other inputs when it is made
    // (choosing "废水呈碱性" sets Cw to 0.5): called with the inputs after the choice field
    // `key` took its new value. The page runs it when the user makes the choice; qelvo-calc
    // assigns the choice and check keys first, in the order given, running it after each,
    // then the other keys, so both end with the same inputs.
    void (*choiceRule)(In&, std::string_view key) = nullptr;
};

template <class Out>
concept CanRefuse = requires(const Out& out) { { out.refusal } -> std::convertible_to<Refusal>; };

template <class Out>
const Refusal* refusalOf(const Out& out)
{
    if constexpr (CanRefuse<Out>) return out.refusal.refused() ? &out.refusal : nullptr;
    else return nullptr;
}

// The report of a finished computation: every result field, then the text and tables.
template <class In, class Out>
Report makeReport(const CalculatorDef<In, Out>& def, const Out& out)
{
    Report report;
    for (const auto& f : def.outputs) report.fields.emplace_back(f.desc.key, displayText(out, f));
    if (def.present) def.present(out, report);
    return report;
}

inline bool curvesFinite(const Report& report)
{
    for (const auto& c : report.curves)
        for (const auto* values : {&c.xs, &c.ys})
            for (double v : *values)
                if (!std::isfinite(v)) return false;
    return true;
}

template <class Out>
struct Evaluation {
    Out out{};
    Report report;    // when not refused
    Refusal refusal;  // the model's check, or the framework's
};

// One computation as the page's compute button and qelvo-calc run it: compute, the model's
// refusal, the report; then the framework's nets: a result that shows a number that is not
// finite (unless the calculator declares it) and a computation that runs out of memory or
// throws are refused, never shown and never a crash.
template <class In, class Out>
Evaluation<Out> evaluate(const CalculatorDef<In, Out>& def, const In& in)
{
    Evaluation<Out> e;
    try {
        e.out = def.compute(in);
        if (const Refusal* r = refusalOf(e.out)) {
            e.refusal = *r;
            return e;
        }
        const NonFiniteWatch watch;
        e.report = makeReport(def, e.out);
        if ((watch.seen() || !curvesFinite(e.report)) && !(def.showsNonFinite && def.showsNonFinite(in, e.out))) {
            e.refusal = {kNotFinite, {}};
            e.report = {};
        }
    } catch (const std::bad_alloc&) {
        e = {};
        e.refusal = {kOutOfMemory, {}};
    } catch (const std::exception&) {
        e = {};
        e.refusal = {kComputationFailed, {}};
    }
    return e;
}

struct RunOutcome {
    enum class Status { Ok, Refused, BadInput };
    Status status = Status::Ok;
    Report report;
    Refusal refusal;      // when Refused
    std::string problem;  // when BadInput: which key or value was wrong
};

using Assignments = std::vector<std::pair<std::string, std::string>>;

struct InputInfo {
    FieldSpec desc;
    std::string defaultText;
};

// A calculator with its types erased, as the domain lists and the command line hold it.
struct Calculator {
    std::string id;
    std::string label;
    std::vector<InputInfo> inputs;
    std::vector<FieldSpec> outputs;
    std::function<RunOutcome(const Assignments&)> run;
    bool showsNonFinite = false;  // the definition declares non-finite numbers it shows
};

template <class In, class Out>
Calculator eraseTypes(const CalculatorDef<In, Out>& def)
{
    Calculator calc;
    calc.id = def.id;
    calc.label = def.label;
    const In defaults{};
    for (const auto& f : def.inputs) calc.inputs.push_back({f.desc, displayText(defaults, f)});
    for (const auto& f : def.outputs) calc.outputs.push_back(f.desc);
    calc.showsNonFinite = def.showsNonFinite != nullptr;
    calc.run = [def](const Assignments& values) {
        RunOutcome outcome;
        In in{};
        const auto isChoice = [](const Field<In>& f) {
            return f.desc.kind == FieldKind::Choice || f.desc.kind == FieldKind::Check;
        };
        // Choices and checks first, each with its rule, as the page makes them; then the rest.
        for (const bool choices : {true, false}) {
            for (const auto& [key, text] : values) {
                const Field<In>* target = nullptr;
                for (const auto& f : def.inputs)
                    if (f.desc.key == key) target = &f;
                if (!target) {
                    outcome.status = RunOutcome::Status::BadInput;
                    outcome.problem = "未知的输入项 " + validUtf8(key);
                    return outcome;
                }
                if (isChoice(*target) != choices) continue;
                if (!assignText(in, *target, text)) {
                    outcome.status = RunOutcome::Status::BadInput;
                    outcome.problem =
                        key + "=" + validUtf8(text) + " 不是" + kindNoun(target->desc.kind) + "，请重新输入！";
                    return outcome;
                }
                if (choices && def.choiceRule) def.choiceRule(in, key);
            }
        }
        Evaluation<Out> e = evaluate(def, in);
        if (e.refusal.refused()) {
            outcome.status = RunOutcome::Status::Refused;
            outcome.refusal = std::move(e.refusal);
            return outcome;
        }
        outcome.report = std::move(e.report);
        return outcome;
    };
    return calc;
}

}  // namespace qelvo
