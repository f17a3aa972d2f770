// Contour levels: the set and its defaults.
#include "contour/contour_levels.h"

#include <gtest/gtest.h>

namespace qelvo::contour {
namespace {

TEST(LevelSet, SortedWithoutDuplicates)
{
    LevelSet s;
    for (float v : {3.0f, 1.0f, 2.0f, 1.0f, 3.0f}) s.add(v);
    EXPECT_EQ(s.values(), (std::vector<float>{1, 2, 3}));
    s.remove(1);
    s.remove(7);
    EXPECT_EQ(s.values(), (std::vector<float>{1, 3}));
    s.remove(-1);
    s.remove(2);  // one past the last
    EXPECT_EQ(s.values(), (std::vector<float>{1, 3}));
    s.remove(0);  // the first
    EXPECT_EQ(s.values(), (std::vector<float>{3}));
}

TEST(LevelSet, Defaults)
{
    EXPECT_EQ(LevelSet::defaults(0, 10).values(), (std::vector<float>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // The single-precision sum of ten tenths passes 1, so 1 itself is not a level.
    const auto tenths = LevelSet::defaults(0, 1);
    EXPECT_EQ(tenths.count(), 10);
    EXPECT_LT(tenths.at(9), 1.0f);
    // No range: one level, not an endless loop; a reversed range: none.
    EXPECT_EQ(LevelSet::defaults(5, 5).values(), (std::vector<float>{5}));
    EXPECT_EQ(LevelSet::defaults(5, 4).count(), 0);
    EXPECT_LE(LevelSet::defaults(1e8f, 1e8f + 8).count(), 11);
}

}  // namespace
}  // namespace qelvo::contour
