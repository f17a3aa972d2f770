#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>

#include "common/number_format.h"
#include "contour/contour_tracer.h"
#include "contour/grid_file.h"

namespace {

using namespace qelvo::contour;

// A plume-like field: a ridge downwind of the origin with some waviness, 1000 × 1000 nodes.
Grid plumeGrid(int n)
{
    Grid g;
    g.nx = g.ny = n;
    g.xlo = 0, g.xhi = 5000, g.ylo = -500, g.yhi = 500;
    g.z.resize(static_cast<std::size_t>(n) * n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const double x = g.xlo + j * g.dx() + 10, y = g.ylo + i * g.dy();
            const double sigma = 0.08 * x + 5;
            g.z[static_cast<std::size_t>(i) * n + j] =
                static_cast<float>(100.0 / sigma * std::exp(-y * y / (2 * sigma * sigma)) * (1.2 + 0.2 * std::sin(x / 97)));
        }
    g.zhi = *std::max_element(g.z.begin(), g.z.end());
    return g;
}

void TraceGrid1000AtDefaultLevels(benchmark::State& state)
{
    const Grid g = plumeGrid(1000);
    const LevelSet levels = LevelSet::defaults(0, static_cast<float>(g.zhi));
    std::size_t points = 0;
    for (auto _ : state) {
        const auto result = traceContours(g, levels);
        points = 0;
        for (const auto& level : result.lines)
            for (const auto& line : level) points += line.size();
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(TraceGrid1000AtDefaultLevels)->Unit(benchmark::kMillisecond);

std::vector<std::vector<std::string>> tableOf(const Grid& g)
{
    std::vector<std::vector<std::string>> table(g.ny);
    for (int i = 0; i < g.ny; ++i) {
        table[i].reserve(g.nx + 1);
        table[i].push_back(std::to_string(i));
        for (int j = 0; j < g.nx; ++j) table[i].push_back(qelvo::cformat("%.4f", g.at(i, j)));
    }
    return table;
}

void WriteAndReadGridFile1000(benchmark::State& state)
{
    const Grid g = plumeGrid(1000);
    const auto table = tableOf(g);
    const std::string path = (std::filesystem::temp_directory_path() / "qelvo_bench_result.grd").string();
    for (auto _ : state) {
        writeGridFile(table, path, g.xlo, g.xhi, g.ylo, g.yhi, g.zhi);
        benchmark::DoNotOptimize(readGridFile(path).grid->z.size());
    }
    std::filesystem::remove(path);
}
BENCHMARK(WriteAndReadGridFile1000)->Unit(benchmark::kMillisecond);

}  // namespace
