#include "risk/thermal_radiation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::risk {
namespace {

TEST(ThermalRadiation, ProbitsAndTheGroupClamp)
{
    struct Case {
        const char* name;
        double t, q;
        ThermalProbabilities p;
    };
    const Case cases[] = {
        // X = ln(40·(0.4·20000)^(4/3)) = ln(40·20^4) = ln(6.4e6) = 15.67181;
        // (2.56X − 36.38)/10 = 0.37398, (3.0188X − 43.14)/10 = 0.41701, (3.0186X − 39.83)/10 = 0.74769.
        {"all within [0, 1]", 40, 20000, {0.3739829883724539, 0.41700556456982985, 0.7476921283988638}},
        // X = ln(5·160000) = 13.59237: death −0.158, second −0.211, first +0.120: all 0.
        {"one negative zeroes all", 5, 20000, {0, 0, 0}},
        // X = 17.52020: death 0.847, second 0.975, first 1.306: all 1.
        {"one above 1 makes all 1", 40, 80000, {1, 1, 1}},
        // Half a second of 1 MW/m²: X = ln(0.5·(4e5)^(4/3)) = 16.50581, first degree 0.99944.
        {"half a second", 0.5, 1e6, {0.587488022415414, 0.6687747039326766, 0.9994445876809259}},
        {"no radiation", 40, 0, {0, 0, 0}},
        {"no exposure", 0, 20000, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        const ThermalProbabilities p = thermalProbabilities(c.t, c.q);
        EXPECT_NEAR(p.death, c.p.death, 1e-12) << c.name;
        EXPECT_NEAR(p.secondDegree, c.p.secondDegree, 1e-12) << c.name;
        EXPECT_NEAR(p.firstDegree, c.p.firstDegree, 1e-12) << c.name;
    }
}

TEST(ThermalRadiation, ThresholdDistancesTableAndCurve)
{
    // 100/x² kW/m² falls to L at sqrt(100/L): 1.63299, 2, 2.82843, 5, 7.90569.
    const RadiationDistances r = radiationDistances([](double x) { return 100 / (x * x); }, 1, 1e6, "曲线", "距离 [m]");
    Report report;
    presentRadiation(r, report);
    const Table& t = report.tables.at(0);
    EXPECT_EQ(t.name, "热辐射伤害距离");
    EXPECT_EQ(t.columns, (std::vector<std::string>{"热辐射强度 [kW/m^2]", "距离 [m]", "伤害程度"}));
    const std::vector<std::string> levels = {"37.5", "25", "12.5", "4", "1.6"};
    const std::vector<std::string> distances = {"1.63299", "2", "2.82843", "5", "7.90569"};
    ASSERT_EQ(t.rows.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(t.rows[i][0], levels[i]);
        EXPECT_EQ(t.rows[i][1], distances[i]);
    }
    const Curve& c = report.curves.at(0);
    EXPECT_EQ(c.title, "曲线");
    EXPECT_EQ(c.yLabel, "热辐射强度 [kW/m^2]");
    EXPECT_EQ(c.xs.front(), 1);
    EXPECT_NEAR(c.xs.back(), 1.5 * std::sqrt(100 / 1.6), 1e-9);
    EXPECT_DOUBLE_EQ(c.ys.front(), 100);
}

}  // namespace
}  // namespace qelvo::risk
