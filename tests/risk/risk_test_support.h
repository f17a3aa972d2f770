// Helpers the risk model tests share: running a calculator as the command line does, the
// text a page shows, refusal tables, and hostile inputs.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

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

// A refusal: an input it refuses and a nearby input it accepts.
template <class In>
struct RefusalCase {
    In refused, accepted;
    const char* message;
    const char* key;
};

template <class In, class Out, std::size_t N>
void expectRefusals(const CalculatorDef<In, Out>& def, const RefusalCase<In> (&cases)[N])
{
    for (const auto& c : cases) {
        const Refusal r = def.compute(c.refused).refusal;
        EXPECT_EQ(r.message, c.message) << c.key;
        EXPECT_EQ(r.focusKey, c.key) << c.message;
        EXPECT_FALSE(def.compute(c.accepted).refusal.refused()) << c.key << " refuses its nearby input";
    }
}

// What a report shows holds no nan or inf, and every curve can be drawn: finite points at
// rising distances.
inline void expectShowsOnlyNumbers(const Report& report, const std::string& context)
{
    const auto clean = [](const std::string& s) { return s.find("nan") == s.npos && s.find("inf") == s.npos; };
    for (const auto& [key, value] : report.fields) EXPECT_TRUE(clean(value)) << context << " " << key;
    EXPECT_TRUE(clean(report.text)) << context << "\n" << report.text;
    for (const auto& t : report.tables)
        for (const auto& row : t.rows)
            for (const auto& cell : row) EXPECT_TRUE(clean(cell)) << context << " " << cell;
    for (const auto& c : report.curves) {
        ASSERT_EQ(c.xs.size(), c.ys.size()) << context;
        for (std::size_t i = 0; i < c.xs.size(); ++i) {
            EXPECT_TRUE(std::isfinite(c.xs[i]) && std::isfinite(c.ys[i])) << context;
            if (i > 0) {
                EXPECT_GT(c.xs[i], c.xs[i - 1]) << context;
            }
        }
    }
}

// Each input alone, then random mixtures, set to 0, −1, the float extremes and tiny values:
// the calculator answers with a refusal or a report that shows only numbers.
template <class In, class Out>
void expectSurvivesHostileInputs(const CalculatorDef<In, Out>& def)
{
    static const char* hostile[] = {"0", "-1", "1e-38", "-1e-38", "1.2e-38", "3e38", "-3e38", "1e-30", "1e30", "1"};
    const auto attempt = [&](const In& in, const std::string& context) {
        const Out out = def.compute(in);
        if (const Refusal* r = refusalOf(out)) {
            EXPECT_FALSE(r->message.empty()) << context;
        } else {
            expectShowsOnlyNumbers(makeReport(def, out), context);
        }
    };
    std::mt19937 rng(20240611);
    const auto pick = [&rng](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    for (const auto& f : def.inputs)
        for (const char* v : hostile) {
            In in{};
            if (f.desc.kind != FieldKind::Choice && assignText(in, f, v)) attempt(in, def.id + " " + f.desc.key + "=" + v);
        }
    for (int i = 0; i < 400; ++i) {
        In in{};
        std::string context = def.id;
        for (const auto& f : def.inputs) {
            if (pick(2) == 0) continue;
            const std::string v = f.desc.kind == FieldKind::Choice ? std::to_string(pick(f.desc.choices.size()))
                                                                   : hostile[pick(std::size(hostile))];
            if (assignText(in, f, v)) context += " " + f.desc.key + "=" + v;
        }
        attempt(in, context);
    }
}

}  // namespace qelvo::risk::testing
