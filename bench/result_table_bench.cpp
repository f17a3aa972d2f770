#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <string>

#include "common/number_format.h"
#include "presentation/result_table.h"

namespace {

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// A grid of 1000 receptor rows × 1001 columns (label + 1000 distances), built and shown.
void FillTable1000x1001(benchmark::State& state)
{
    const int rows = 1000, columns = 1001;
    QStringList titles{"y/x"};
    for (int c = 1; c < columns; ++c) titles << QString::number(c * 10);
    // Freed memory stays with the process, so the first build shows the true cost.
    static long extraKiB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const long before = residentKiB();  // the cell texts count too
        std::vector<std::vector<QString>> data(rows);
        for (int r = 0; r < rows; ++r) {
            data[r].reserve(columns);
            data[r].push_back(QString::number(r));
            for (int c = 1; c < columns; ++c)
                data[r].push_back(QString::fromStdString(qelvo::cformat("%.4f", r * 0.001 + c * 1e-6)));
        }
        state.ResumeTiming();

        qelvo::ui::ResultTable table(qelvo::ui::ResultTable::Form::List);
        table.setTable(titles, std::move(data));
        table.resize(800, 600);
        table.show();
        QApplication::processEvents();

        state.PauseTiming();
        extraKiB = std::max(extraKiB, residentKiB() - before);
        state.ResumeTiming();
    }
    state.counters["extra_MB"] = extraKiB / 1024.0;
}
BENCHMARK(FillTable1000x1001)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
