#include "contour/contour_tracer.h"

#include <new>

namespace qelvo::contour {

float edgeCrossing(float a, float b, float level)
{
    if (a == b) return kNoCrossing;
    const double L = level;
    const double p = (L - a) * (L - b);
    if (p > 0) return kNoCrossing;
    if (p < 0) return static_cast<float>((L - a) / (double(b) - a));
    constexpr double kShift = 0.001;
    if (a == level) return static_cast<float>((L - (a + kShift)) / (b - (a + kShift)));
    return static_cast<float>((L - a) / ((b + kShift) - a));
}

namespace {

struct Edge {
    int row;
    int col;
    bool horizontal;
    bool operator==(const Edge&) const = default;
};

class LevelTracer {
public:
    explicit LevelTracer(const Grid& g)
        : g_(g), h_(static_cast<std::size_t>(g.ny) * (g.nx - 1)), v_(static_cast<std::size_t>(g.ny - 1) * g.nx)
    {
    }

    std::vector<ContourLine> trace(float level)
    {
        level_ = level;
        fillTables();
        std::vector<ContourLine> lines;
        const int nx = g_.nx, ny = g_.ny;
        // Open lines from the border: bottom (moving up), left (right), top (down), right (left).
        for (int j = 0; j < nx - 1; ++j) openLine({0, j, true}, {-1, j, true}, lines);
        for (int i = 0; i < ny - 1; ++i) openLine({i, 0, false}, {i, -1, false}, lines);
        for (int j = 0; j < nx - 1; ++j) openLine({ny - 1, j, true}, {ny, j, true}, lines);
        for (int i = 0; i < ny - 1; ++i) openLine({i, nx - 1, false}, {i, nx, false}, lines);
        // Closed lines: each starts on an interior vertical edge, moving right.
        for (int j = 1; j < nx - 1; ++j)
            for (int i = 0; i < ny - 1; ++i)
                if (usable(v(i, j))) closedLine({i, j, false}, lines);
        return lines;
    }

private:
    // Checked: a step outside the crossing tables is a fault of the tracer, never a write
    // into memory it does not own.
    float& h(int i, int j) { return h_.at(static_cast<std::size_t>(i) * (g_.nx - 1) + j); }
    float& v(int i, int j) { return v_.at(static_cast<std::size_t>(i) * g_.nx + j); }
    float& cell(const Edge& e) { return e.horizontal ? h(e.row, e.col) : v(e.row, e.col); }
    static bool usable(float f) { return f != kNoCrossing && f >= 0.0f && f <= 1.0f; }

    bool onBorder(const Edge& e) const
    {
        return e.horizontal ? (e.row == 0 || e.row == g_.ny - 1) : (e.col == 0 || e.col == g_.nx - 1);
    }

    void fillTables()
    {
        for (int i = 0; i < g_.ny; ++i)
            for (int j = 0; j + 1 < g_.nx; ++j) h(i, j) = edgeCrossing(g_.at(i, j), g_.at(i, j + 1), level_);
        for (int i = 0; i + 1 < g_.ny; ++i)
            for (int j = 0; j < g_.nx; ++j) v(i, j) = edgeCrossing(g_.at(i, j), g_.at(i + 1, j), level_);
    }

    ContourPoint point(const Edge& e)
    {
        const float f = cell(e);
        if (e.horizontal)
            return {static_cast<float>(g_.xlo + (e.col + f) * g_.dx()), static_cast<float>(g_.ylo + e.row * g_.dy())};
        return {static_cast<float>(g_.xlo + e.col * g_.dx()), static_cast<float>(g_.ylo + (e.row + f) * g_.dy())};
    }

    // The edge through which the line leaves the cell it enters over `cur`; false where the
    // tables offer no way on (they are inconsistent) or the cell lies outside the grid.
    bool nextEdge(const Edge& prev, const Edge& cur, Edge& next)
    {
        const int i = cur.row, j = cur.col;
        Edge a, b, opposite;
        if (cur.row > prev.row) {  // up, through the bottom of cell (i, j)
            if (i + 1 >= g_.ny) return false;
            a = {i, j, false}, b = {i, j + 1, false}, opposite = {i + 1, j, true};
        } else if (cur.col > prev.col) {  // right, through the left of cell (i, j)
            if (j + 1 >= g_.nx) return false;
            a = {i, j, true}, b = {i + 1, j, true}, opposite = {i, j + 1, false};
        } else if (!cur.horizontal) {  // left, through the right of cell (i, j − 1)
            if (j - 1 < 0) return false;
            a = {i, j - 1, true}, b = {i + 1, j - 1, true}, opposite = {i, j - 1, false};
        } else {  // down, through the top of cell (i − 1, j)
            if (i - 1 < 0) return false;
            a = {i - 1, j, false}, b = {i - 1, j + 1, false}, opposite = {i - 1, j, true};
        }
        const float fa = cell(a), fb = cell(b);
        if (fa == fb) {
            if (fa < 0) {
                next = opposite;
            } else {
                // A saddle with equal sides: the entry point's place on its edge decides.
                const float z0 = g_.at(i, j);
                const float z1 = cur.horizontal ? g_.at(i, j + 1) : g_.at(i + 1, j);
                const double e = (double(level_) - z0) / (double(z1) - z0);
                next = e > 0.5 ? b : a;
            }
        } else if (fa > fb) {
            next = fb > 0 ? b : a;
        } else {
            next = fa <= 0 ? b : a;
        }
        return cell(next) != kNoCrossing;
    }

    void openLine(const Edge& start, const Edge& before, std::vector<ContourLine>& lines)
    {
        if (!usable(cell(start))) return;
        ContourLine line{point(start)};
        cell(start) = kNoCrossing;
        Edge prev = before, cur = start, next{};
        const std::size_t maxSteps = h_.size() + v_.size();
        for (std::size_t step = 0; step < maxSteps && nextEdge(prev, cur, next); ++step) {
            line.push_back(point(next));
            cell(next) = kNoCrossing;
            prev = cur;
            cur = next;
            if (onBorder(cur)) break;
        }
        lines.push_back(std::move(line));
    }

    void closedLine(const Edge& start, std::vector<ContourLine>& lines)
    {
        // The start stays in the tables until the line comes back to it.
        ContourLine line{point(start)};
        Edge prev{start.row, start.col - 1, false}, cur = start, next{};
        const std::size_t maxSteps = h_.size() + v_.size();
        for (std::size_t step = 0; step < maxSteps && nextEdge(prev, cur, next); ++step) {
            line.push_back(point(next));
            if (next == start) break;
            cell(next) = kNoCrossing;
            prev = cur;
            cur = next;
            if (onBorder(cur)) break;  // cannot happen with consistent tables
        }
        cell(start) = kNoCrossing;
        lines.push_back(std::move(line));
    }

    const Grid& g_;
    std::vector<float> h_;
    std::vector<float> v_;
    float level_ = 0;
};

}  // namespace

ContourResult traceContours(const Grid& grid, const LevelSet& levels)
{
    ContourResult result;
    if (levels.count() == 0 || grid.nx < 2 || grid.ny < 2) return result;
    try {
        LevelTracer tracer(grid);
        for (float level : levels.values()) result.lines.push_back(tracer.trace(level));
    } catch (const std::bad_alloc&) {
        result.error = "内存分配失败!";
    }
    return result;
}

}  // namespace qelvo::contour
