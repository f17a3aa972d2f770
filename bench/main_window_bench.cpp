#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/main_window.h"

namespace {

// The main window with all 38 pages created and slot 1 shown, ready on screen.
void MainWindowReady(benchmark::State& state)
{
    for (auto _ : state) {
        qelvo::ui::MainWindow window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.page(38));
    }
}
BENCHMARK(MainWindowReady)->Unit(benchmark::kMillisecond);

}  // namespace
