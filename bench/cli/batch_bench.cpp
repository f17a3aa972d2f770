#include <benchmark/benchmark.h>

#include <sstream>

#include "cli/batch.h"
#include "cli/calculators.h"

namespace {

// 10 000 cases of the sludge calculator (every input varied, one case in 50 refused for its
// water content), read from CSV, computed and written as CSV, all in memory.
std::string sludgeCases()
{
    std::string csv = "Q,C,eta,P,rho\n";
    for (int i = 0; i < 10'000; ++i)
        csv += std::to_string(10 + i % 500) + "," + std::to_string(100 + i % 300) + ".5," + std::to_string(i % 100)
               + "," + (i % 50 == 0 ? "100" : std::to_string(i % 90)) + ",1.0" + std::to_string(i % 7) + "\n";
    return csv;
}

void BatchSludge10000(benchmark::State& state)
{
    const std::string csv = sludgeCases();
    const auto& calc = *qelvo::cli::findCalculator("solid.sludge");
    for (auto _ : state) {
        std::istringstream in(csv);
        std::ostringstream out, err;
        const int code = qelvo::cli::runBatch(calc, in, out, err, {"cases.csv", 0, false});
        benchmark::DoNotOptimize(code);
        if (out.str().size() < 10'000) state.SkipWithError("too little output");
    }
}
BENCHMARK(BatchSludge10000)->Unit(benchmark::kMillisecond);

}  // namespace
