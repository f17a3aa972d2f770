// Helpers the risk model tests share: running a calculator as the command line does, and
// throwing hostile inputs at it.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "common/calculator.h"
#include "risk/risk_calculators.h"

namespace qelvo::risk::testing {

// A run through the risk list, as `qelvo-calc run ID key=value …` does it.
inline RunOutcome runById(const std::string& id, const Assignments& values = {})
{
    for (const auto& entry : riskCalculators())
        if (entry.calculator && entry.calculator->id == id) return entry.calculator->run(values);
    ADD_FAILURE() << "no calculator " << id;
    return {};
}

// The result text a page shows for an input.
template <class In, class Out>
std::string shownText(const CalculatorDef<In, Out>& def, const In& in)
{
    return makeReport(def, def.compute(in)).text;
}

inline bool showsNoNumberOrInfinity(const std::string& text)
{
    return text.find("nan") == std::string::npos && text.find("inf") == std::string::npos;
}

// Every text a report shows: fields, text, table cells, messages.
inline void expectShowsOnlyNumbers(const Report& report, const std::string& context)
{
    for (const auto& [key, value] : report.fields) EXPECT_TRUE(showsNoNumberOrInfinity(value)) << context << " " << key;
    EXPECT_TRUE(showsNoNumberOrInfinity(report.text)) << context << "\n" << report.text;
    for (const auto& t : report.tables)
        for (const auto& row : t.rows)
            for (const auto& cell : row) EXPECT_TRUE(showsNoNumberOrInfinity(cell)) << context << " " << cell;
}

// Each input alone, then random mixtures, set to zero, −1, the float extremes and tiny
// values: the calculator answers with a result that shows only numbers, or a refusal.
// `extra` checks what the report does not carry (curves).
template <class In, class Out, class Extra>
void expectSurvivesHostileInputs(const CalculatorDef<In, Out>& def, Extra extra)
{
    static const char* hostile[] = {"0", "-1", "1e-38", "-1e-38", "1.2e-38", "3e38", "-3e38", "1e-30", "1e30", "1"};
    const auto attempt = [&](const In& in, const std::string& context) {
        const Out out = def.compute(in);
        if (const Refusal* r = refusalOf(out)) {
            EXPECT_FALSE(r->message.empty()) << context;
            return;
        }
        expectShowsOnlyNumbers(makeReport(def, out), context);
        extra(out, context);
    };
    const auto assign = [&](In& in, const Field<In>& f, std::mt19937& rng) {
        if (f.desc.kind == FieldKind::Choice) {
            std::uniform_int_distribution<int> pick(0, static_cast<int>(f.desc.choices.size()) - 1);
            return assignText(in, f, std::to_string(pick(rng)));
        }
        std::uniform_int_distribution<int> pick(0, std::size(hostile) - 1);
        return assignText(in, f, hostile[pick(rng)]);
    };
    for (const auto& f : def.inputs) {
        if (f.desc.kind == FieldKind::Choice) continue;
        for (const char* v : hostile) {
            In in{};
            if (assignText(in, f, v)) attempt(in, def.id + " " + f.desc.key + "=" + v);
        }
    }
    std::mt19937 rng(20240611);
    std::bernoulli_distribution touch(0.5);
    for (int i = 0; i < 400; ++i) {
        In in{};
        std::string context = def.id;
        for (const auto& f : def.inputs)
            if (touch(rng) && assign(in, f, rng)) context += " " + f.desc.key + "=" + displayText(in, f);
        attempt(in, context);
    }
}

template <class In, class Out>
void expectSurvivesHostileInputs(const CalculatorDef<In, Out>& def)
{
    expectSurvivesHostileInputs(def, [](const Out&, const std::string&) {});
}

// A refusal with an input it refuses and a nearby input it accepts.
template <class In>
struct RefusalCase {
    In refused, accepted;
    const char* message;
    const char* key;
};

template <class In, std::size_t N, class Compute>
void expectRefusals(const RefusalCase<In> (&cases)[N], Compute compute)
{
    for (const auto& c : cases) {
        const Refusal r = compute(c.refused).refusal;
        EXPECT_EQ(r.message, c.message) << c.key;
        EXPECT_EQ(r.focusKey, c.key) << c.message;
        const Refusal accepted = compute(c.accepted).refusal;
        EXPECT_FALSE(accepted.refused()) << c.key << " refused " << accepted.message;
    }
}

// A curve the window can draw: as many distances as values, all finite, distances rising.
inline void expectDrawable(const std::vector<double>& xs, const std::vector<double>& ys, const std::string& context)
{
    ASSERT_EQ(xs.size(), ys.size()) << context;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_TRUE(std::isfinite(xs[i]) && std::isfinite(ys[i])) << context;
        if (i > 0) {
            EXPECT_GT(xs[i], xs[i - 1]) << context;
        }
    }
}

}  // namespace qelvo::risk::testing
