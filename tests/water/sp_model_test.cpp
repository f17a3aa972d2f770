// The S-P oxygen model.
#include "water/sp_model.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::water {
namespace {

TEST(SpModel, DefaultsGiveThirtyRows)
{
    const SpResult r = computeSp({});
    ASSERT_FALSE(r.refusal.refused());
    EXPECT_FLOAT_EQ(r.C0, (100.0f * 2 + 0.5f * 20) / 22);
    EXPECT_FLOAT_EQ(r.D0, (4.1f * 2 + 1.4f * 20) / 22);
    ASSERT_EQ(r.rows.size(), 30u);
    EXPECT_EQ(r.rows.front().x, 100.0f);
    EXPECT_EQ(r.rows.back().x, 3000.0f);
    const double tau = 3000 / 86400.0;
    EXPECT_NEAR(r.rows.back().C, r.C0 * std::exp(-tau), 1e-5);
    EXPECT_NEAR(r.rows.back().D,
                1.0 * r.C0 * (std::exp(-tau) - std::exp(-1.5 * tau)) / 0.5 + r.D0 * std::exp(-1.5 * tau), 1e-5);
}

TEST(SpModel, MixedOnlyAndRefusals)
{
    SpInput in;
    in.onlyMixed = 1;
    in.u = 0;  // not used in this mode
    const SpResult mixed = computeSp(in);
    EXPECT_FALSE(mixed.refusal.refused());
    EXPECT_TRUE(mixed.rows.empty());

    in = {};
    in.lmax = 50;  // shorter than one step: no rows
    EXPECT_TRUE(computeSp(in).rows.empty());
    const std::pair<const char*, float SpInput::*> cases[] = {
        {"u", &SpInput::u}, {"l", &SpInput::l}, {"K2", &SpInput::K2}};
    for (const auto& [key, member] : cases) {
        in = {};
        in.*member = member == &SpInput::K2 ? 1.0f : 0.0f;
        EXPECT_EQ(computeSp(in).refusal.focusKey, key);
    }
    in = {};
    in.l = 0.001f;  // three million rows
    EXPECT_TRUE(computeSp(in).refusal.refused());
}

TEST(SpModel, RowCapIsTheCommonOne)
{
    SpInput in;
    in.l = 1;
    in.lmax = 100'000;  // exactly the cap: computed
    EXPECT_EQ(computeSp(in).rows.size(), 100'000u);
    in.lmax = 100'001;
    const Refusal r = computeSp(in).refusal;
    EXPECT_EQ(r.message, kTooManyRows);
    EXPECT_EQ(r.focusKey, "l");
}

}  // namespace
}  // namespace qelvo::water
