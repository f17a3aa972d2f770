// The framework's part of every computation: the row count of a series, evaluate's nets
// (numbers that are not finite, memory, exceptions) and the choice rules of qelvo-calc.
#include "common/calculator.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace qelvo {
namespace {

TEST(Calculator, SeriesCountChecksBothEndsBeforeConverting)
{
    const struct {
        double max, step;
        std::optional<int> count;
    } cases[] = {
        {3000, 100, 30},          {500, 30, 16},          {99, 100, 0},         {-1, 10, 0},
        {-3e38, 1e-30, 0},        // −3e68 points: none, and no undefined conversion
        {3e38, 1e-30, std::nullopt}, {1e5, 1, 100'000},  {100'001, 1, std::nullopt},
        {std::nan(""), 1, std::nullopt}, {1, 0, std::nullopt},  // 1/0 = +inf
        {-1, 0, 0},               // −inf: none
    };
    for (const auto& c : cases) EXPECT_EQ(seriesCount(c.max, c.step), c.count) << c.max << " / " << c.step;
}

TEST(Calculator, FitsSingle)
{
    EXPECT_TRUE(fitsSingle(FLT_MAX));
    EXPECT_TRUE(fitsSingle(-FLT_MAX));
    EXPECT_TRUE(fitsSingle(0));
    EXPECT_FALSE(fitsSingle(3.5e38));
    EXPECT_FALSE(fitsSingle(-3.5e38));
    EXPECT_FALSE(fitsSingle(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(fitsSingle(std::nan("")));
}

// A small calculator: y = a / b, with a choice that sets b, a curve and a text.
struct In {
    float a = 1, b = 2;
    int mode = 0;  // 0: b as typed, 1: b = 4 when chosen
    int curve = 0;
};
struct Out {
    double y = 0;
    int curve = 0;
    Refusal refusal;
};

Out divide(const In& in)
{
    if (in.a < 0) return {0, 0, {"a不能为负数，请重新输入！", "a"}};
    if (in.a == 13) throw std::bad_alloc();
    if (in.a == 14) throw std::runtime_error("boom");
    return {double(in.a) / in.b, in.curve, {}};
}

void presentDivision(const Out& out, Report& report)
{
    report.text = cformat("y=%.2f", out.y);
    if (out.curve) report.curves.push_back({"c", "x", "y", {0, 1}, {out.y, 1}});
}

CalculatorDef<In, Out> divisionDef()
{
    return {"test.divide",
            "除法",
            {field("a", "a", &In::a), field("b", "b", &In::b), choiceField("mode", "模式", &In::mode, {"输入", "四"}),
             checkField("curve", "曲线", &In::curve)},
            {field("y", "y", &Out::y)},
            &divide,
            &presentDivision,
            nullptr,
            [](In& in, std::string_view key) {
                if (key == "mode" && in.mode == 1) in.b = 4;
            }};
}

TEST(Calculator, EvaluateRefusesNumbersThatAreNotFiniteUnlessDeclared)
{
    CalculatorDef<In, Out> def = divisionDef();
    In in;
    Evaluation<Out> e = evaluate(def, in);
    ASSERT_FALSE(e.refusal.refused());
    EXPECT_EQ(e.report.text, "y=0.50");
    EXPECT_EQ(e.report.fields, (std::vector<std::pair<std::string, std::string>>{{"y", "0.5"}}));

    in.b = 0;  // 1/0: the field and the text would show inf
    e = evaluate(def, in);
    EXPECT_EQ(e.refusal.message, kNotFinite);
    EXPECT_TRUE(e.report.text.empty());
    in.a = 0;  // 0/0
    EXPECT_EQ(evaluate(def, in).refusal.message, kNotFinite);

    // Declared: shown, in the one spelling.
    def.showsNonFinite = [](const In& i, const Out&) { return i.b == 0; };
    e = evaluate(def, in);
    ASSERT_FALSE(e.refusal.refused());
    EXPECT_EQ(e.report.text, "y=nan");
    EXPECT_EQ(e.report.fields[0].second, "nan");

    // The model's own refusal comes first and unchanged.
    in.a = -1;
    e = evaluate(def, in);
    EXPECT_EQ(e.refusal.message, "a不能为负数，请重新输入！");
    EXPECT_EQ(e.refusal.focusKey, "a");
}

TEST(Calculator, EvaluateRefusesCurvesWithPointsThatAreNotFinite)
{
    const CalculatorDef<In, Out> def = divisionDef();
    In in;
    in.curve = 1;
    EXPECT_FALSE(evaluate(def, in).refusal.refused());
    EXPECT_EQ(evaluate(def, in).report.curves.size(), 1u);
    Report report;
    report.curves.push_back({"c", "x", "y", {0, 1}, {1, std::numeric_limits<double>::infinity()}});
    EXPECT_FALSE(curvesFinite(report));
    report.curves[0].ys[1] = 2;
    report.curves[0].xs[0] = std::nan("");
    EXPECT_FALSE(curvesFinite(report));
}

TEST(Calculator, EvaluateTurnsExceptionsIntoRefusals)
{
    const CalculatorDef<In, Out> def = divisionDef();
    In in;
    in.a = 13;
    EXPECT_EQ(evaluate(def, in).refusal.message, kOutOfMemory);
    in.a = 14;
    EXPECT_EQ(evaluate(def, in).refusal.message, kComputationFailed);
}

TEST(Calculator, CommandLineRunsChoicesFirstWithTheirRules)
{
    const Calculator calc = eraseTypes(divisionDef());
    const auto y = [&](const Assignments& values) {
        const RunOutcome o = calc.run(values);
        return o.status == RunOutcome::Status::Ok ? o.report.fields.at(0).second : o.problem + o.refusal.message;
    };
    EXPECT_EQ(y({}), "0.5");
    EXPECT_EQ(y({{"mode", "1"}}), "0.25");            // the rule sets b = 4
    EXPECT_EQ(y({{"b", "8"}, {"mode", "1"}}), "0.125");  // a typed b wins, whatever the order
    EXPECT_EQ(y({{"mode", "1"}, {"b", "8"}}), "0.125");
    EXPECT_EQ(y({{"mode", "四"}}), "0.25");           // a choice by its text
    EXPECT_EQ(y({{"b", "0"}}), kNotFinite);
    EXPECT_EQ(calc.run({{"b", "0"}}).status, RunOutcome::Status::Refused);
    EXPECT_FALSE(calc.showsNonFinite);
    EXPECT_EQ(calc.run({{"zz", "1"}}).problem, "未知的输入项 zz");
    EXPECT_EQ(calc.run({{"mode", "2"}}).problem, "mode=2 不是可选的一项，请重新输入！");
}

}  // namespace
}  // namespace qelvo
