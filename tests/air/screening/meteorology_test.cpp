#include "air/screening/meteorology.h"

#include <gtest/gtest.h>

#include <vector>

namespace qelvo::air::screening {
namespace {

TEST(Meteorology, WindListsByClass)
{
    const int counts[] = {5, 9, 11, 13, 9, 7};
    const double last[] = {3, 5, 10, 20, 5, 4};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(static_cast<int>(windSpeeds(k).size()), counts[k - 1]) << k;
        EXPECT_EQ(windSpeeds(k).back(), last[k - 1]) << k;
        EXPECT_EQ(maxWindSpeed(k), last[k - 1]) << k;
    }
    const std::vector<double> d(windSpeeds(4).begin(), windSpeeds(4).end());
    EXPECT_EQ(d, (std::vector<double>{1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 8, 10, 15, 20}));
}

TEST(Meteorology, StackWindProfile)
{
    // 30 m: 3^p. Rural D: 3^0.15 = 1.179148; urban E: 3^0.30 = 1.390389. Below 10 m: u10.
    EXPECT_NEAR(stackWind(1, 30, 4, false), 1.179148, 1e-6);
    EXPECT_NEAR(stackWind(2, 30, 5, true), 2 * 1.390389, 1e-6);
    EXPECT_NEAR(stackWind(1, 30, 1, true), 1.179148, 1e-6);  // urban A uses 0.15 as rural D
    EXPECT_EQ(stackWind(3, 9.9, 6, false), 3);
    EXPECT_NEAR(stackWind(1, 10, 6, false), 1, 1e-15);
    // Never below 1 m/s.
    EXPECT_EQ(stackWind(0.5, 5, 1, false), 1);
}

TEST(Meteorology, MixingHeight)
{
    EXPECT_EQ(mixingHeight(1, 57.9, 1), 320);
    EXPECT_EQ(mixingHeight(1, 402.31, 1), 403.31);  // at least h_e + 1
    EXPECT_EQ(mixingHeight(1, 319.5, 1), 320.5);
    EXPECT_EQ(mixingHeight(1, 318.5, 1), 320);
    EXPECT_EQ(mixingHeight(20, 50, 4), 6400);
    EXPECT_EQ(mixingHeight(40, 50, 4), 10000);       // at most 10 km
    EXPECT_EQ(mixingHeight(1, 50, 5), 10000);        // stable: unlimited
    EXPECT_EQ(mixingHeight(1, 50, 6), 10000);
}

TEST(Meteorology, ExaminedClasses)
{
    ScreeningCase c;
    c.met = MetMode::Full;
    EXPECT_EQ(examinedClasses(c).count, 6);
    c.kind = SourceKind::Area;
    c.height = 2;  // low area sources: rural E and F, urban F only
    EXPECT_EQ(examinedClasses(c).count, 2);
    EXPECT_EQ(examinedClasses(c).classes[0], 5);
    c.urban = true;
    EXPECT_EQ(examinedClasses(c).count, 1);
    EXPECT_EQ(examinedClasses(c).classes[0], 6);
    c.height = 2.5;
    EXPECT_EQ(examinedClasses(c).count, 6);
    c.met = MetMode::Class;
    c.stabilityClass = 3;
    c.height = 1;
    EXPECT_EQ(examinedClasses(c).count, 1);
    EXPECT_EQ(examinedClasses(c).classes[0], 3);
}

}  // namespace
}  // namespace qelvo::air::screening
