// Sedimentation tank sludge.
#include "tools/sludge.h"

#include <gtest/gtest.h>

namespace qelvo::tools {
namespace {

TEST(Sludge, Volume)
{
    // 50·60·300 / (80·300·1000)
    const SludgeResult r = computeSludge({});
    EXPECT_FALSE(r.refusal.refused());
    EXPECT_EQ(r.V, 0.0375f);
    EXPECT_EQ(formatSingle(r.V), "0.0375");

    SludgeInput in;
    in.Q = 0.1f;  // enters the formula as 0.100000001490116…
    EXPECT_EQ(computeSludge(in).V, static_cast<float>(double(0.1f) * 60 * 300 / (80.0 * 300 * 1000)));
}

TEST(Sludge, RefusesWaterContentOf100AndNoDensity)
{
    SludgeInput in;
    in.P = 100;
    EXPECT_EQ(computeSludge(in).refusal.message, "污泥含水率P必须小于100，请重新输入！");
    EXPECT_EQ(computeSludge(in).refusal.focusKey, "P");
    in = {};
    in.rho = 0;
    EXPECT_EQ(computeSludge(in).refusal.message, "沉淀污泥密度ρ必须大于0，请重新输入！");
    in.rho = -1;
    EXPECT_TRUE(computeSludge(in).refusal.refused());
}

}  // namespace
}  // namespace qelvo::tools
