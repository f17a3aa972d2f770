// A calculator as the rest of the system sees it.
//
// Each model declares itself once as a CalculatorDef: its id, label, input and result
// fields (bound to the members of its input and result structs), its compute function
// (numbers in, numbers out) and its present function (the texts, tables and curves it shows,
// built from the numbers). Pages use the typed definition directly; the domain's list
// (src/<domain>/<domain>_calculators.cpp) keeps a type-erased Calculator for the command
// line, which reads key=value texts with the same rules as the page fields.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/fields.h"

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
    calc.run = [def](const Assignments& values) {
        RunOutcome outcome;
        In in{};
        for (const auto& [key, text] : values) {
            const Field<In>* target = nullptr;
            for (const auto& f : def.inputs)
                if (f.desc.key == key) target = &f;
            if (!target) {
                outcome.status = RunOutcome::Status::BadInput;
                outcome.problem = "未知的输入项 " + key;
                return outcome;
            }
            if (!assignText(in, *target, text)) {
                outcome.status = RunOutcome::Status::BadInput;
                outcome.problem = key + "=" + text + " 不是" + kindNoun(target->desc.kind) + "，请重新输入！";
                return outcome;
            }
        }
        const Out out = def.compute(in);
        if (const Refusal* r = refusalOf(out)) {
            outcome.status = RunOutcome::Status::Refused;
            outcome.refusal = *r;
            return outcome;
        }
        outcome.report = makeReport(def, out);
        return outcome;
    };
    return calc;
}

}  // namespace qelvo
