#include "air/screening/area_integration.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::air::screening {
namespace {

TEST(AreaIntegration, RombergWithScreen3sSchedule)
{
    // Values of an independent implementation of the same schedule (single-precision
    // abscissae, extrapolation through up to five levels, tested from the fourth).
    struct Case {
        const char* name;
        std::function<double(float)> g;
        float a, b;
        double value;
    } const cases[] = {
        {"exp on [0, 1], stops at level 4", [](float u) { return std::exp(double(u)); }, 0, 1, 1.71828182879453},
        {"1/(u + 0.01), stops at level 8", [](float u) { return 1 / (double(u) + 0.01); }, 0, 1, 4.6181603303108},
        {"u³ backwards", [](float u) { return double(u) * u * u; }, 0.5f, 0.2f, -0.0152250005930189},
        {"1/(u + 1e-4), the tenth level", [](float u) { return 1 / (double(u) + 1e-4); }, 0, 1, 12.9645731237757},
    };
    for (const auto& c : cases) EXPECT_NEAR(rombergIntegral(c.g, c.a, c.b), c.value, 1e-12 * std::fabs(c.value)) << c.name;
    // Tiny values stop at the fourth level whatever their relative error.
    int calls = 0;
    rombergIntegral([&](float u) { return ++calls, 1e-12 * std::sin(50 * u); }, 0, 1);
    EXPECT_EQ(calls, 2 + 1 + 2 + 4);
}

TEST(AreaIntegration, BrentWithScreen3sTolerances)
{
    // NR's zbrent with tolerance and machine precision 1e-4, recomputed independently.
    struct Case {
        const char* name;
        std::function<double(double)> f;
        double x1, x2, root;
    } const cases[] = {
        {"u² − 2", [](double u) { return u * u - 2; }, 0, 2, 1.4140715109573241},
        {"cos u − u", [](double u) { return std::cos(u) - u; }, 0, 1, 0.73909105828536981},
        {"u³ − 0.001, bracket reversed", [](double u) { return u * u * u - 0.001; }, 1, -1, 0.099989879057295561},
        {"tan u − 40", [](double u) { return std::tan(u) - 40; }, 0, 1.57, 1.545794031453009},
    };
    for (const auto& c : cases) EXPECT_NEAR(brentRoot(c.f, c.x1, c.x2), c.root, 1e-15) << c.name;
}

TEST(AreaIntegration, SaturatedStretches)
{
    const auto one = [](float) { return 1.0; };
    struct Case {
        const char* name;
        std::vector<SaturatedStretch> list;
        double value;
    } const cases[] = {
        {"none", {}, 0},
        {"touching, same direction: joined", {{0, 1}, {1, 2}}, 2},
        {"overlapping: sums 1, 2, 1 joined with the last sum", {{0, 2}, {1, 3}}, 3},
        {"against u", {{2, 0}}, -2},
        {"apart, opposite directions", {{0, 1}, {4, 2}}, -1},
        {"touching, opposite directions: kept apart", {{0, 1}, {3, 1}}, -1},
        {"cancelling where they overlap", {{0, 2}, {2, 1}}, 1},
    };
    for (const auto& c : cases) EXPECT_NEAR(saturatedIntegral(c.list, one), c.value, 1e-12) << c.name;
    // With f(u) = u: the joined piece [0, 3] with sum 1 gives 4.5.
    EXPECT_NEAR(saturatedIntegral({{0, 2}, {1, 3}}, [](float u) { return double(u); }), 4.5, 1e-9);
}

}  // namespace
}  // namespace qelvo::air::screening
