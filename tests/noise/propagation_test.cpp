// The propagation formulas the noise models share.
#include "noise/propagation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

namespace qelvo::noise {
namespace {

TEST(Propagation, ShadowCorrectionLimits)
{
    EXPECT_NEAR(shadowCorrection(1e-9), -10 * std::log10(3.0), 1e-3);  // δ → 0
    EXPECT_NEAR(shadowCorrection(1 - 1e-7), shadowCorrection(1), 1e-3);  // continuous through t = 1
    EXPECT_NEAR(shadowCorrection(1 + 1e-7), shadowCorrection(1), 1e-3);
}

TEST(Propagation, SpeedOfSoundGroundAndBarrierTerms)
{
    EXPECT_DOUBLE_EQ(soundSpeed(0), 331);
    EXPECT_NEAR(soundSpeed(20), 342.9103, 1e-4);   // 331·√(1 + 20·0.0036630037)
    EXPECT_NEAR(soundSpeed(-20), 318.6449, 1e-4);
    EXPECT_DOUBLE_EQ(groundAttenuation(1, 100), 4.4);  // 4.8 − 0.02·(17 + 3)
    EXPECT_DOUBLE_EQ(groundAttenuation(2, 20), 0);     // 4.8 − 0.2·32 < 0: none
    EXPECT_DOUBLE_EQ(barrierPathTerm(0), 1.0 / 3);
    EXPECT_DOUBLE_EQ(barrierPathTerm(1), 1.0 / 23);
}

TEST(Propagation, VehicleReferenceLevels)
{
    // The guideline's examples: large at 50, medium at 60, small at 70 km/h.
    EXPECT_EQ(cformat("%.2f", referenceLevel(0, 50)), "83.71");
    EXPECT_EQ(cformat("%.2f", referenceLevel(1, 60)), "80.78");
    EXPECT_EQ(cformat("%.2f", referenceLevel(2, 70)), "76.68");
    EXPECT_NEAR(referenceLevel(0, 100) - referenceLevel(0, 10), 36.32, 1e-12);  // the slope per decade
}

}  // namespace
}  // namespace qelvo::noise
