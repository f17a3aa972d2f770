// Sedimentation tank sludge.
#include "tools/sludge.h"

#include <gtest/gtest.h>

#include "common/number_format.h"

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

TEST(Sludge, ReferenceCases)
{
    // Every step in double, stored as float: V = Q·η·C/((100 − P)·ρ·1000). The first case
    // shows 832.471 when 100 − P is formed in single precision.
    const struct {
        SludgeInput in;
        const char* V;
    } cases[] = {
        {{7642, 337, 59.6f, 12.2f, 2.1f}, "832.472"},
        {{50, 300, 60, 20, 300}, "0.0375"},
        {{1000, 250, 85, 97.5f, 1.02f}, "8333.33"},
        {{20000, 180, 55.5f, 99.2f, 1.01f}, "247276"},
        {{80, 300, 60, 25, 300}, "0.064"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatSingle(computeSludge(c.in).V), c.V) << c.in.Q;
    SludgeInput huge{3e38f, 3e38f, 100, 0, 1e-38f};
    EXPECT_EQ(computeSludge(huge).refusal.message, "沉淀污泥量V超出数值范围，请重新输入！");
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
