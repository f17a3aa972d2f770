// The noise list: every line fits the catalogue layout.
#include "noise/noise_calculators.h"

#include <gtest/gtest.h>

#include "support/list_checks.h"

namespace qelvo::noise {
namespace {

TEST(NoiseCalculators, EveryLineServesItsMenus)
{
    testing::expectListServesItsMenus(noiseCalculators(), {1003}, "noise.");
}

}  // namespace
}  // namespace qelvo::noise
