// The air list: every line fits the catalogue layout.
#include "air/air_calculators.h"

#include <gtest/gtest.h>

#include "support/list_checks.h"

namespace qelvo::air {
namespace {

TEST(AirCalculators, EveryLineServesItsMenus)
{
    testing::expectListServesItsMenus(airCalculators(), {1001}, "air.");
}

}  // namespace
}  // namespace qelvo::air
