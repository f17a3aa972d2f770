#include "air/pollutant_standards.h"

#include <gtest/gtest.h>

namespace qelvo::air {
namespace {

TEST(PollutantStandards, ListOrderAndLimits)
{
    const auto& list = pollutantStandards();
    ASSERT_EQ(list.size(), 22u);
    EXPECT_STREQ(list.front().name, "苯");
    EXPECT_STREQ(list.back().name, "苯并芘");
    const std::pair<const char*, const char*> samples[] = {
        {"苯", "2.40"}, {"丙酮", "0.80"}, {"硫化氢", "0.01"}, {"飘尘", "0.50"}, {"DMF", "0.03"}, {"丁酮", "0.40"}};
    for (const auto& [name, limit] : samples) EXPECT_EQ(pollutantLimit(name), limit) << name;
    EXPECT_EQ(pollutantLimit("氨"), "");  // typed in by hand: the field keeps its text
}

}  // namespace
}  // namespace qelvo::air
