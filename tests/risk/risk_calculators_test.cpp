// The risk list: every line fits the catalogue layout.
#include "risk/risk_calculators.h"

#include <gtest/gtest.h>

#include "support/list_checks.h"

namespace qelvo::risk {
namespace {

TEST(RiskCalculators, EveryLineServesItsMenus)
{
    testing::expectListServesItsMenus(riskCalculators(), {1008}, "risk.");
}

}  // namespace
}  // namespace qelvo::risk

namespace qelvo::risk {
namespace {

TEST(RiskCalculators, PoolFireHasItsSlotButNoCommand)
{
    int poolFire = 0;
    for (const auto& e : riskCalculators())
        if (e.slot == 26) {
            ++poolFire;
            EXPECT_EQ(e.command, 0);
            EXPECT_EQ(e.label, "池火灾事故后果模型");
        }
    EXPECT_EQ(poolFire, 1);
}

}  // namespace
}  // namespace qelvo::risk
