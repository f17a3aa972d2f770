#include <benchmark/benchmark.h>

#include "air/point_source.h"
#include "presentation/form_page.h"
#include "presentation/result_table.h"

namespace {

// 1000 × 1000 receptors: x = 0 … 999 m, y = −500 … 499 m.
qelvo::air::PointSourceInput grid1000(float U10)
{
    qelvo::air::PointSourceInput in;
    in.Xmin = 0;
    in.Xmax = 999;
    in.Ymin = -500;
    in.Ymax = 499;
    in.step = 1;
    in.grade = 0;  // 一级: 18 reflection terms
    in.U10 = U10;
    in.stability = 3;
    return in;
}

// The model alone.
void PointSourceGridCompute(benchmark::State& state)
{
    const auto in = grid1000(static_cast<float>(state.range(0)) / 10);
    for (auto _ : state) {
        const auto r = qelvo::air::computePointSource(in);
        benchmark::DoNotOptimize(r.c.data());
    }
}
BENCHMARK(PointSourceGridCompute)->Arg(20)->Arg(10)->ArgName("U10x10")->Unit(benchmark::kMillisecond);

// Computed, made into the "Y＼X" table and handed to the list table.
void PointSourceGridToTable(benchmark::State& state)
{
    const auto in = grid1000(static_cast<float>(state.range(0)) / 10);
    for (auto _ : state) {
        const auto r = qelvo::air::computePointSource(in);
        qelvo::ui::ResultTable table(qelvo::ui::ResultTable::Form::List);
        qelvo::ui::showReportTable(&table, qelvo::air::pointSourceTable(r));
        benchmark::DoNotOptimize(table.rowCount());
    }
}
BENCHMARK(PointSourceGridToTable)->Arg(20)->Arg(10)->ArgName("U10x10")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
