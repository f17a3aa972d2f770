#include "contour/contour_tracer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qelvo::contour {
namespace {

// A grid over 0…nx−1, 0…ny−1, rows given bottom first.
Grid grid(const std::vector<std::vector<float>>& rows)
{
    Grid g;
    g.ny = static_cast<int>(rows.size());
    g.nx = static_cast<int>(rows[0].size());
    g.xlo = 0, g.xhi = g.nx - 1, g.ylo = 0, g.yhi = g.ny - 1;
    for (const auto& r : rows) g.z.insert(g.z.end(), r.begin(), r.end());
    return g;
}

std::vector<ContourLine> traceOne(const Grid& g, float level)
{
    LevelSet levels;
    levels.add(level);
    auto result = traceContours(g, levels);
    EXPECT_TRUE(result.error.empty());
    return result.lines.at(0);
}

void expectLine(const ContourLine& line, const std::vector<ContourPoint>& expected)
{
    ASSERT_EQ(line.size(), expected.size());
    for (std::size_t k = 0; k < line.size(); ++k) {
        EXPECT_NEAR(line[k].x, expected[k].x, 1e-5) << "point " << k;
        EXPECT_NEAR(line[k].y, expected[k].y, 1e-5) << "point " << k;
    }
}

TEST(EdgeCrossing, Rules)
{
    EXPECT_EQ(edgeCrossing(3, 3, 3), kNoCrossing);  // flat edge
    EXPECT_EQ(edgeCrossing(1, 2, 5), kNoCrossing);  // both ends below
    EXPECT_FLOAT_EQ(edgeCrossing(0, 10, 2.5f), 0.25f);
    EXPECT_FLOAT_EQ(edgeCrossing(10, 0, 2.5f), 0.75f);
    // An end exactly on the level is raised by 0.001.
    EXPECT_FLOAT_EQ(edgeCrossing(0, 1, 1), 1 / 1.001f);
    EXPECT_FLOAT_EQ(edgeCrossing(1, 2, 1), -0.001f / 0.999f);
    EXPECT_FLOAT_EQ(edgeCrossing(1, 0, 1), -0.001f / -1.001f);
}

TEST(ContourTracer, ClosedRingAroundAPeakReturnsToItsStart)
{
    const Grid g = grid({{0, 0, 0}, {0, 10, 0}, {0, 0, 0}});
    const auto lines = traceOne(g, 5);
    ASSERT_EQ(lines.size(), 1u);
    expectLine(lines[0], {{1, 0.5f}, {1.5f, 1}, {1, 1.5f}, {0.5f, 1}, {1, 0.5f}});
}

TEST(ContourTracer, OpenLineFromBottomToTop)
{
    const Grid g = grid({{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}});
    const auto lines = traceOne(g, 1.5f);
    ASSERT_EQ(lines.size(), 1u);
    expectLine(lines[0], {{1.5f, 0}, {1.5f, 1}, {1.5f, 2}});
}

TEST(ContourTracer, NodeOnTheLevelPassesOnTheShiftedSide)
{
    const Grid g = grid({{0, 1, 2}, {0, 1, 2}, {0, 1, 2}});
    const auto lines = traceOne(g, 1);
    ASSERT_EQ(lines.size(), 1u);
    const float x = 1 / 1.001f;
    expectLine(lines[0], {{x, 0}, {x, 1}, {x, 2}});
}

TEST(ContourTracer, SaddleWithEqualSidesFollowsTheEntryPoint)
{
    // Symmetric saddle: the entry lies at 0.5, not above it, so side a (the left) is taken.
    auto lines = traceOne(grid({{10, 0}, {0, 10}}), 5);
    ASSERT_EQ(lines.size(), 2u);
    expectLine(lines[0], {{0.5f, 0}, {0, 0.5f}});
    expectLine(lines[1], {{0.5f, 1}, {1, 0.5f}});

    // Both sides at 0.5 again, but the entry at 0.75: side b (the right) is taken.
    lines = traceOne(grid({{20, 0}, {-10, 10}}), 5);
    ASSERT_GE(lines.size(), 1u);
    expectLine(lines[0], {{0.75f, 0}, {1, 0.5f}});
}

TEST(ContourTracer, SaddleWithUnequalSidesFollowsTheComparisonRules)
{
    // Entering from the bottom at 0.6: sides 0.6 (left) and 0.4 (right); fa > fb > 0 takes b.
    const auto lines = traceOne(grid({{10, 0}, {0, 10}}), 4);
    ASSERT_EQ(lines.size(), 2u);
    expectLine(lines[0], {{0.6f, 0}, {1, 0.4f}});
}

TEST(ContourTracer, LevelsOutsideTheRangeGiveEmptyLists)
{
    const Grid g = grid({{0, 1}, {2, 3}});
    LevelSet levels;
    for (float l : {-1.0f, 1.5f, 99.0f}) levels.add(l);
    const auto result = traceContours(g, levels);
    ASSERT_EQ(result.lines.size(), 3u);
    EXPECT_TRUE(result.lines[0].empty());
    EXPECT_EQ(result.lines[1].size(), 1u);
    EXPECT_TRUE(result.lines[2].empty());
    EXPECT_TRUE(traceContours(g, LevelSet{}).lines.empty());
}

TEST(ContourTracer, LevelAtTheMaximumHugsThePeak)
{
    // The peak node is on the level and counts as 0.001 above it: a tiny ring around it.
    const Grid g = grid({{0, 0, 0}, {0, 10, 0}, {0, 0, 0}});
    const auto lines = traceOne(g, 10);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].size(), 5u);
    EXPECT_EQ(lines[0].front().x, lines[0].back().x);
    EXPECT_EQ(lines[0].front().y, lines[0].back().y);
    for (const auto& p : lines[0]) EXPECT_LT(std::hypot(p.x - 1, p.y - 1), 2e-4);
}

TEST(ContourTracer, EveryLineOfAWavyFieldIsWholeAndClosedLinesClose)
{
    Grid g;
    g.nx = 60, g.ny = 40, g.xlo = -3, g.xhi = 3, g.ylo = -2, g.yhi = 2;
    for (int i = 0; i < g.ny; ++i)
        for (int j = 0; j < g.nx; ++j) {
            const double x = g.xlo + j * g.dx(), y = g.ylo + i * g.dy();
            g.z.push_back(static_cast<float>(std::sin(2 * x) * std::cos(3 * y) + 0.1 * x));
        }
    const auto result = traceContours(g, LevelSet::defaults(-1, 1));
    ASSERT_EQ(result.lines.size(), 11u);
    for (const auto& level : result.lines)
        for (const auto& line : level) {
            ASSERT_GE(line.size(), 2u);
            const auto& a = line.front();
            const auto& b = line.back();
            const bool closed = a.x == b.x && a.y == b.y;
            const auto onBorder = [&](const ContourPoint& p) {
                return std::abs(p.x - g.xlo) < 1e-4 || std::abs(p.x - g.xhi) < 1e-4 || std::abs(p.y - g.ylo) < 1e-4
                       || std::abs(p.y - g.yhi) < 1e-4;
            };
            EXPECT_TRUE(closed || (onBorder(a) && onBorder(b)));
            for (std::size_t k = 1; k < line.size(); ++k)  // neighbouring points share a cell
                EXPECT_LE(std::hypot(line[k].x - line[k - 1].x, line[k].y - line[k - 1].y),
                          std::hypot(g.dx(), g.dy()) + 1e-4);
        }
}

// Both side edges of a cell crossed "at 0": the level lies a smallest denormal above the
// lower left corner and below the lower right one, the upper corners ±3e38, so each side's
// crossing 2^-149 / 3e38 rounds to 0 in float. Entering through the bottom edge (crossed at
// (2^-149 − 0)/(2^-148 − 0) = 0.5 exactly), equal side crossings are a saddle, decided by the
// entry's place on its edge (0.5, not above it): the line turns to the left side, to (0, 0),
// and does not run straight on to the top edge's crossing at (0.5, 1).
TEST(ContourTracer, EqualSideCrossingsOfZeroAreASaddle)
{
    const float tiny = std::ldexp(1.0f, -149), twice = std::ldexp(1.0f, -148);
    ASSERT_GT(tiny, 0.0f);  // denormals are kept, not flushed
    const auto lines = traceOne(grid({{0, twice}, {3e38f, -3e38f}}), tiny);
    ASSERT_FALSE(lines.empty());
    expectLine(lines[0], {{0.5f, 0}, {0, 0}});
}

}  // namespace
}  // namespace qelvo::contour
