#include <benchmark/benchmark.h>

#include <QApplication>

#include "presentation/result_table.h"
#include "water/pages/mixing_grid_window.h"
#include "water/river_mixing.h"

namespace {

// A 1000 × 1000 receptor grid computed, formatted and shown in its results window.
void MixingGrid1000ToWindow(benchmark::State& state)
{
    qelvo::water::Mixing2dInput in;
    in.xmax = 1000;
    in.xc = 1;
    in.B = 1000;
    in.ymin = 0;
    in.ymax = 999;
    in.yc = 1;
    for (auto _ : state) {
        const auto grid = qelvo::water::computeMixing2dGrid(in);
        qelvo::ui::MixingGridWindow window(
            {"t", qelvo::water::mixingTable(grid), in.xmax, in.ymin, in.ymax});
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.table()->rowCount());
    }
}
BENCHMARK(MixingGrid1000ToWindow)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
