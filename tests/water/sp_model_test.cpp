// The S-P oxygen model.
#include "water/sp_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/number_format.h"

namespace qelvo::water {
namespace {

// Reference cases recomputed independently (double precision, inputs rounded to float):
// C0 and D0 ("%g"), the number of rows, and the first and last rows as the table shows them.
TEST(SpModel, ReferenceCases)
{
    const struct {
        const char* what;
        void (*set)(SpInput&);
        std::size_t rows;
        const char* expected;
    } cases[] = {
        {"defaults", [](SpInput&) {}, 30, "9.54545 1.64545 | 1 100 9.5344 1.6536 | 30 3000 9.2197 1.8793"},
        {"slow river, far", [](SpInput& i) { i.u = 0.1f, i.K1 = 0.3f, i.K2 = 0.8f, i.lmax = 50000, i.l = 10000; }, 5,
         "9.54545 1.64545 | 1 10000 6.7453 2.4301 | 5 50000 1.6820 0.9693"},
        // K2 < K1: the deficit rises first, then falls.
        {"K2 below K1", [](SpInput& i) { i.K1 = 2, i.K2 = 0.5f, i.u = 0.05f, i.lmax = 20000, i.l = 5000; }, 4,
         "9.54545 1.64545 | 1 5000 0.9429 6.8004 | 4 20000 0.0009 1.4186"},
    };
    for (const auto& c : cases) {
        SpInput in;
        c.set(in);
        const SpResult r = computeSp(in);
        ASSERT_EQ(r.rows.size(), c.rows) << c.what;
        const auto row = [&](const SpRow& w) {
            return cformat("%d %g %.4f %.4f", w.k, double(w.x), double(w.C), double(w.D));
        };
        EXPECT_EQ(cformat("%g %g | ", double(r.C0), double(r.D0)) + row(r.rows.front()) + " | " + row(r.rows.back()), c.expected)
            << c.what;
    }
}

TEST(SpModel, RefusesNegativeRatesAndKeepsHugeRangesEmpty)
{
    SpInput in;
    in.K1 = -1e38f;  // used to print inf and −inf
    EXPECT_EQ(computeSp(in).refusal.message, "河流耗氧系数K1不能为负数，请重新输入！");
    EXPECT_EQ(computeSp(in).refusal.focusKey, "K1");
    in = {};
    in.K2 = -0.5f;
    EXPECT_EQ(computeSp(in).refusal.message, "河流复氧系数K2不能为负数，请重新输入！");
    in = {};
    in.lmax = -3e38f;  // −3e68 rows: none, and no undefined conversion
    in.l = 1e-30f;
    EXPECT_FALSE(computeSp(in).refusal.refused());
    EXPECT_TRUE(computeSp(in).rows.empty());
    in.lmax = 3e38f;
    EXPECT_EQ(computeSp(in).refusal.message, kTooManyRows);
    in = {};
    in.K1 = 0;  // no decay at all: the concentration stays C0
    EXPECT_EQ(cformat("%.4f", double(computeSp(in).rows.back().C)), "9.5455");
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
