#include "risk/distance_solver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::risk {
namespace {

using Reach = DistanceSolution::Reach;

double inverseSquare(double x) { return 1 / (x * x); }

TEST(DistanceSolver, FoundNeverAndBeyond)
{
    struct Case {
        const char* name;
        double level, near, far;
        Reach reach;
        double x;
        const char* text;
    };
    const Case cases[] = {
        {"1/x² = 0.25 at x = 2", 0.25, 0.1, 100, Reach::Found, 2, "2"},
        {"at the far end itself", 1e-4, 0.1, 100, Reach::Found, 100, "100"},
        {"at the near end itself", 4, 0.5, 100, Reach::Found, 0.5, "0.5"},
        {"over nineteen decades", 1e-20, 1e-9, 1e12, Reach::Found, 1e10, "1e+010"},
        {"above the whole range", 1e-6, 0.1, 100, Reach::Beyond, 100, "大于100"},
        {"below the whole range", 200, 0.1, 100, Reach::Never, 0, "无"},
        {"no range", 0.25, 100, 0.1, Reach::Never, 0, "无"},
        {"no range at zero", 0.25, 0, 100, Reach::Never, 0, "无"},
        {"an empty range, 1/2² = 0.25 at both ends", 0.25, 2, 2, Reach::Never, 0, "无"},
    };
    for (const auto& c : cases) {
        const DistanceSolution s = distanceWhereFallsTo(inverseSquare, c.level, c.near, c.far);
        EXPECT_EQ(s.reach, c.reach) << c.name;
        EXPECT_NEAR(s.x, c.x, c.x * 1e-11) << c.name;
        EXPECT_EQ(distanceText(s), c.text) << c.name;
    }
}

TEST(DistanceSolver, CurveSpan)
{
    const std::vector<Threshold> thresholds = {{1, "1", "近"}, {0.01, "0.01", "远"}, {1e-9, "1e-9", "很远"}};
    const auto rows = thresholdDistances(inverseSquare, thresholds, 0.5, 1000);  // 1, 10, beyond
    const Table t = thresholdTable("伤害距离", "强度", "距离 [m]", rows);
    EXPECT_EQ(t.rows[2], (std::vector<std::string>{"1e-9", "大于1000", "很远"}));

    // From 0.5 to 1.5 times the farthest distance found (10), evenly.
    const Curve c = distanceCurve(inverseSquare, 0.5, 1000, rows);
    ASSERT_EQ(c.xs.size(), std::size_t(kCurvePoints));
    EXPECT_NEAR(c.xs.back(), 15, 1e-9);
    EXPECT_NEAR(c.xs[100], 0.5 + 14.5 / 2, 1e-9);
    EXPECT_DOUBLE_EQ(c.ys.front(), 4);
    // Nothing found: to twice the start; never past the far end; no span, no curve.
    EXPECT_DOUBLE_EQ(distanceCurve(inverseSquare, 0.5, 1000, {}).xs.back(), 1);
    EXPECT_DOUBLE_EQ(distanceCurve(inverseSquare, 0.5, 0.8, rows).xs.back(), 0.8);
    EXPECT_TRUE(distanceCurve(inverseSquare, 0.5, 0.5, rows).xs.empty());
    EXPECT_TRUE(distanceCurve(inverseSquare, 0, 1000, rows).xs.empty());
    // Points no axis can hold are left out.
    const Curve holes = distanceCurve([](double x) { return x < 0.75 ? NAN : x; }, 0.5, 1000, {});
    EXPECT_EQ(holes.xs.size(), std::size_t(kCurvePoints / 2 + 1));
}

}  // namespace
}  // namespace qelvo::risk
