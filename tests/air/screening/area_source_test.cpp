#include "air/screening/area_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace qelvo::air::screening {
namespace {

ScreeningCase area(double longSide, double shortSide, double height, double q, bool urban)
{
    ScreeningCase c;
    c.kind = SourceKind::Area;
    c.sideLong = longSide;
    c.sideShort = shortSide;
    c.height = height;
    c.emission = q;
    c.urban = urban;
    return c;
}

TEST(AreaSource, TabulatedNormal)
{
    EXPECT_EQ(tabulatedNormal(0), 0.5);
    EXPECT_NEAR(tabulatedNormal(0.05), 0.5199, 1e-12);   // halfway to T41 = 0.5398
    EXPECT_NEAR(tabulatedNormal(-1.23), 0.10961, 1e-12);  // T27 + 0.7·(T28 − T27) = 0.0968 + 0.7·0.0183
    EXPECT_EQ(tabulatedNormal(-3.95), 0);
    EXPECT_NEAR(tabulatedNormal(-3.85), 0.00005, 1e-12);
    EXPECT_NEAR(tabulatedNormal(3.85), 0.99995, 1e-12);
    EXPECT_EQ(tabulatedNormal(3.9), 1);
}

TEST(AreaSource, TabulatedNormalAgreesWithTheNormalDistribution)
{
    // At its nodes n = (i − 40)/10 the table holds Φ(n) to 4 decimals, except six entries one
    // unit off the correctly rounded value.
    const std::map<int, double> offByOne = {{20, 0.0227}, {34, 0.2742}, {36, 0.3445},
                                            {44, 0.6555}, {46, 0.7258}, {60, 0.9773}};
    for (int i = 1; i <= 79; ++i) {
        const double n = (i - 40) / 10.0;
        const auto known = offByOne.find(i);
        const double expected =
            known != offByOne.end() ? known->second : std::round(0.5 * std::erfc(-n / std::sqrt(2.0)) * 1e4) / 1e4;
        EXPECT_NEAR(tabulatedNormal(n), expected, 1e-9) << i;
    }
}

TEST(AreaSource, FixedAngle)
{
    // 20 m × 10 m, 10 m high, 0.005 g/(s·m²), rural, θ = 15°, class C, 1 m/s, 97 m: 1343.22.
    const ScreeningCase c = area(20, 10, 10, 0.005, false);
    EXPECT_NEAR(AreaModel(c).concentration(97, 3, 1, 15), 1343.22, 0.01);
    // The whole area lies beyond the receptor: nothing upwind.
    EXPECT_EQ(AreaModel(c).concentration(-20, 3, 1, 0), 0);
    // Every searched angle gives 0: the first (rural F, aspect 2, first rows: 19 … 25) is shown.
    ScreeningCase search = c;
    const ScreeningRow none = AreaModel(search).at(-100, 6, 1);
    EXPECT_EQ(none.concentration, 0);
    EXPECT_EQ(none.maxDirection, 19);
}

TEST(AreaSource, DirectionSearchRangesAndValues)
{
    // q = 0.001 g/(s·m²), ground receptor, one class, 1 m/s: the table cells give the range of
    // whole degrees; the best angle and concentration as SCREEN3 prints them.
    struct Case {
        double longSide, shortSide, height;
        bool urban;
        int k;
        double x;
        int first, last, maxDir;
        double c, tolerance;
    } const cases[] = {
        {20, 20, 10, false, 4, 50, 38, 45, 45, 5.802, 5e-4},
        {30, 20, 0, false, 1, 20, 29, 32, 32, 11600, 5},
        {50, 10, 5, true, 3, 100, 0, 0, 0, 375.1, 0.05},
    };
    for (const auto& t : cases) {
        const AngleRange range = searchedAngles(t.longSide, t.shortSide, t.x, t.k, t.urban);
        EXPECT_EQ(range.first, t.first) << t.x;
        EXPECT_EQ(range.last, t.last) << t.x;
        ScreeningCase c = area(t.longSide, t.shortSide, t.height, 0.001, t.urban);
        const ScreeningRow r = AreaModel(c).at(t.x, t.k, 1);
        EXPECT_EQ(r.maxDirection, t.maxDir) << t.x;
        EXPECT_NEAR(r.concentration, t.c, t.tolerance) << t.x;
        EXPECT_EQ(r.plumeHeight, t.height);
        EXPECT_EQ(r.stability, t.k);
    }
}

TEST(AreaSource, TableRowsAndColumnsInSinglePrecision)
{
    // Aspect 260/200 = 1.3 and x/(L/2) = 19.5/130 = 0.15 land on their own column and row
    // (both compared in single precision): rural A rows 0.15, 0.20 × columns 1.3, 1.4 hold
    // 27, 7 / 25, 7 (the row 0.10 above would have brought 35).
    const AngleRange r = searchedAngles(260, 200, 19.5, 1, false);
    EXPECT_EQ(r.first, 7);
    EXPECT_EQ(r.last, 27);
    // First row and column: rural A 45, 39 / 45, 39.
    const AngleRange near = searchedAngles(10, 10, 0, 1, false);
    EXPECT_EQ(near.first, 39);
    EXPECT_EQ(near.last, 45);
    // Beyond the last row only the columns vary: urban E and F, row 20, columns 1.0, 1.1: 45, 1.
    const AngleRange far = searchedAngles(10, 10, 1000, 6, true);
    EXPECT_EQ(far.first, 1);
    EXPECT_EQ(far.last, 45);
    // Last row and last column: the single cell (rural F, 20, 10.0): 0.
    const AngleRange corner = searchedAngles(100, 10, 5000, 6, false);
    EXPECT_EQ(corner.first, 0);
    EXPECT_EQ(corner.last, 0);
    // Last column, interior row: rural F rows 15, 20 of column 10.0: 0, 0; column 9.0 not used.
    EXPECT_EQ(searchedAngles(100, 10, 700, 6, false).last, 0);
}

TEST(AreaSource, EveryTableByClass)
{
    // Aspect 13/10 = 1.3, x = 0: rows 0 and 0.01 of columns 1.3 and 1.4 in each class's table.
    struct Case {
        int k;
        bool urban;
        int first, last;
    } const cases[] = {
        {1, false, 24, 28}, {2, false, 29, 33}, {3, false, 32, 35}, {4, false, 33, 36}, {5, false, 34, 36},
        {6, false, 35, 37}, {1, true, 6, 32},   {2, true, 6, 32},   {3, true, 28, 32},  {4, true, 31, 34},
        {5, true, 33, 35},  {6, true, 33, 35},
    };
    for (const auto& c : cases) {
        const AngleRange r = searchedAngles(13, 10, 0, c.k, c.urban);
        EXPECT_EQ(r.first, c.first) << c.k << c.urban;
        EXPECT_EQ(r.last, c.last) << c.k << c.urban;
    }
}

TEST(AreaSource, FixedAngleBeyondFiftyKilometresComputesNothing)
{
    ScreeningCase c = area(20, 10, 10, 0.005, false);
    c.directionSearch = false;
    c.angle = 15;
    EXPECT_GT(AreaModel(c).at(50000, 6, 1).concentration, 0);  // 50 km itself is computed
    const ScreeningRow r = AreaModel(c).at(60000, 6, 1);
    EXPECT_EQ(r.concentration, -999);
    EXPECT_EQ(r.stability, 0);
    EXPECT_EQ(r.maxDirection, 0);
    // With the direction search it is computed, at 2 m/s.
    c.directionSearch = true;
    const ScreeningRow s = AreaModel(c).at(60000, 6, 1);
    EXPECT_GT(s.concentration, 0);
    EXPECT_EQ(s.u10, 2);
}

TEST(AreaSource, ConcentrationGrowsWithTheArea)
{
    // Same emission per m², twice the along-wind length: more upwind elements, more
    // concentration, but less than twice as much.
    const double small = AreaModel(area(20, 10, 0, 0.001, false)).concentration(200, 4, 1, 0);
    const double large = AreaModel(area(40, 10, 0, 0.001, false)).concentration(210, 4, 1, 0);
    EXPECT_GT(large, small);
    EXPECT_LT(large, 2 * small);
}

}  // namespace
}  // namespace qelvo::air::screening
