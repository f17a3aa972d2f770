// River pH after mixing.
#include "water/river_ph.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::water {
namespace {

TEST(RiverPh, Ka1Interpolation)
{
    EXPECT_DOUBLE_EQ(carbonicKa1(20), 4.15 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(22.5), ((25 - 22.5) * 4.15 + 2.5 * 4.45) * 0.02);
    EXPECT_DOUBLE_EQ(carbonicKa1(0), 2.65 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(5), 3.04 * 0.1);   // upper end of the first interval
    EXPECT_DOUBLE_EQ(carbonicKa1(30), 4.71 * 0.1);
    EXPECT_DOUBLE_EQ(carbonicKa1(35), ((35 - 30) * 5.06 + 5 * 4.71) * 0.01);
    EXPECT_DOUBLE_EQ(carbonicKa1(40), 5.06 * 0.1);
}

TEST(RiverPh, AcidAlkaliAndRefusals)
{
    PhInput in;
    PhResult r = computePh(in);
    const double M = 10.5 * 1;
    EXPECT_NEAR(r.pH, 7 + std::log((M - 5) / (10 * r.Ka1 * 7 * 5 + M)), 1e-5);
    EXPECT_NE(makeReport(phCalculator(), r).text.find("污染物为酸性物质\n碳酸一级平衡常数 Ka1 =0.415\n"), std::string::npos);
    in.kind = 1;
    in.Cw = 0.5f;
    r = computePh(in);
    EXPECT_NEAR(r.pH, 7 + std::log((M + 0.25) / (M - 10 * r.Ka1 * 7 * 0.25)), 1e-5);
    EXPECT_NE(makeReport(phCalculator(), r).text.find("污染物为碱性物质"), std::string::npos);
    for (float T : {-0.1f, 40.5f}) {
        in.T = T;
        EXPECT_EQ(computePh(in).refusal.focusKey, "T");
    }
}

}  // namespace
}  // namespace qelvo::water
