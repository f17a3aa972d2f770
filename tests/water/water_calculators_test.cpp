// The water list: every line fits the catalogue layout.
#include "water/water_calculators.h"

#include <gtest/gtest.h>

#include "support/list_checks.h"

namespace qelvo::water {
namespace {

TEST(WaterCalculators, EveryLineServesItsMenus)
{
    testing::expectListServesItsMenus(waterCalculators(), {1000}, "water.");
}

}  // namespace
}  // namespace qelvo::water
