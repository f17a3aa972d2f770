#include <benchmark/benchmark.h>

#include "common/number_format.h"
#include "common/number_parse.h"

namespace {

void FormatSingle(benchmark::State& state)
{
    float v = 1234567.f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qelvo::formatSingle(v));
        v *= 1.0001f;
    }
}
BENCHMARK(FormatSingle);

void FormatFixedInText(benchmark::State& state)
{
    double v = 0.123456;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qelvo::cformat("%.4f", v));
        v += 0.001;
    }
}
BENCHMARK(FormatFixedInText);

void ParseDouble(benchmark::State& state)
{
    for (auto _ : state) benchmark::DoNotOptimize(qelvo::parseDouble(" 1.2345e-3 "));
}
BENCHMARK(ParseDouble);

}  // namespace
