// Level arithmetic.
#include "noise/decibel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::noise {
namespace {

TEST(Decibel, Arithmetic)
{
    EXPECT_NEAR(addLevels(60, 60), 63.0103, 1e-4);
    EXPECT_NEAR(subtractLevels(70, 60), 69.5424, 1e-4);
    EXPECT_NEAR(sumLevels({60, 60, 60}), 64.7712, 1e-4);
    EXPECT_TRUE(std::isinf(subtractLevels(60, 60)));
    EXPECT_TRUE(std::isnan(subtractLevels(60, 61)));
}

}  // namespace
}  // namespace qelvo::noise
