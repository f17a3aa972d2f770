// The air list: every line fits the catalogue layout, and the command line's ids reach the
// models with the worked examples of their pages.
#include "air/air_calculators.h"

#include <gtest/gtest.h>

#include "support/list_checks.h"

namespace qelvo::air {
namespace {

TEST(AirCalculators, EveryLineServesItsMenus)
{
    testing::expectListServesItsMenus(airCalculators(), {1001}, "air.");
}

const Calculator& byId(const std::string& id)
{
    for (const auto& e : airCalculators())
        if (e.calculator && e.calculator->id == id) return *e.calculator;
    ADD_FAILURE() << id << " is not listed";
    static const Calculator none{};
    return none;
}

// One worked example per id, as `qelvo-calc run ID key=value…` runs it; the numbers are
// those of the model tests (hand-worked or from an independent python recomputation).
TEST(AirCalculators, WorkedExamplesByTheirIds)
{
    struct Case {
        const char* id;
        Assignments values;
        const char* key;  // a result field, or empty for the text
        const char* expected;
    } cases[] = {
        {"air.combustion", {{"W", "1000"}}, "CS0", "429"},
        {"air.oil_tank", {{"f1Q", "7200"}}, "", "结果：拱顶罐大呼吸蒸发损耗量LDw：0.035700 [m^3/a]"},
        {"air.open_storage", {}, "G", "10350.5431844045"},
        {"air.open_storage_pv", {{"substance", "苯"}}, "Pv", "93.9131"},
        {"air.equipment_leak", {{"C", "0.3"}}, "Gc", "0.460449"},
        {"air.odour", {{"u", "0"}, {"F", "1"}}, "E", "0"},
        {"air.dust_transport", {}, "Qt", "2.59589"},
        {"air.dust_coal", {}, "Q", "0.76006"},
        {"air.sanitary", {{"S", "1000"}, {"Qc", "400"}}, "graded", "1600"},
        {"air.point_source", {{"U10", "1.5"}, {"grade", "一级"}}, "cm", "0.0114386"},
    };
    for (const auto& c : cases) {
        const Calculator& calc = byId(c.id);
        ASSERT_TRUE(calc.run) << c.id;
        const RunOutcome out = calc.run(c.values);
        ASSERT_EQ(out.status, RunOutcome::Status::Ok) << c.id << " " << out.refusal.message;
        if (!*c.key) {
            EXPECT_EQ(out.report.text, c.expected) << c.id;
            continue;
        }
        std::string shown = "?";
        for (const auto& [key, value] : out.report.fields)
            if (key == c.key) shown = value;
        EXPECT_EQ(shown, c.expected) << c.id;
    }
    const RunOutcome liquid = byId("air.liquid_evaporation").run({{"capture", "0"}});
    EXPECT_NE(liquid.report.text.find("有组织排放量0.00000000 [kg/h]"), std::string::npos);
}

}  // namespace
}  // namespace qelvo::air
