#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/number_format.h"
#include "common/xlsx_export.h"

namespace {

// 100 000 cells: 1000 rows of a label and 99 formatted concentrations.
void ExportXlsx100kCells(benchmark::State& state)
{
    qelvo::SheetData sheet{"水预测－二维稳态混合模式计算结果", {"y/x"}, {}};
    for (int c = 1; c < 100; ++c) sheet.titles.push_back(std::to_string(c * 10));
    for (int r = 0; r < 1000; ++r) {
        std::vector<std::string> row{std::to_string(r)};
        for (int c = 1; c < 100; ++c) row.push_back(qelvo::cformat("%.4f", r * 0.01 + c * 1e-4));
        sheet.rows.push_back(std::move(row));
    }
    const std::string path = (std::filesystem::temp_directory_path() / "qelvo_bench.xlsx").string();
    for (auto _ : state) benchmark::DoNotOptimize(qelvo::writeXlsx(path, sheet));
    std::filesystem::remove(path);
}
BENCHMARK(ExportXlsx100kCells)->Unit(benchmark::kMillisecond);

}  // namespace
