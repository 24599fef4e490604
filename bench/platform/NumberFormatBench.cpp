#include "platform/FormatSettings.h"
#include "platform/NumberFormat.h"
#include "platform/NumberParse.h"

#include <benchmark/benchmark.h>

namespace {

const double kValues[] = {0.0, 1.5, 78.5, 1234567.891, 1.005, 6.02214076e23, 1.5e-7, 0.125};

void BM_FloatToStr(benchmark::State& state)
{
    FormatSettingsScope scope;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FloatToStr(kValues[i++ % std::size(kValues)]));
}
BENCHMARK(BM_FloatToStr);

void BM_FloatToStrF_Fixed(benchmark::State& state)
{
    FormatSettingsScope scope;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(FloatToStrF(kValues[i++ % std::size(kValues)], ffFixed, 15, 2));
}
BENCHMARK(BM_FloatToStrF_Fixed);

// An exact half needs the full expansion to be told from a near half.
void BM_FloatToStrF_Tie(benchmark::State& state)
{
    FormatSettingsScope scope;
    for (auto _ : state)
        benchmark::DoNotOptimize(FloatToStrF(0.125, ffFixed, 15, 2));
}
BENCHMARK(BM_FloatToStrF_Tie);

void BM_FloatToStrF_Number(benchmark::State& state)
{
    FormatSettingsScope scope;
    for (auto _ : state)
        benchmark::DoNotOptimize(FloatToStrF(1234567.891, ffNumber, 15, 2));
}
BENCHMARK(BM_FloatToStrF_Number);

void BM_Format(benchmark::State& state)
{
    FormatSettingsScope scope;
    for (auto _ : state)
        benchmark::DoNotOptimize(Format("%-*s%9.3f %s %.0n", {12, "Velocity", 3.14159, "m/s", 1234.5}));
}
BENCHMARK(BM_Format);

void BM_TryStrToFloat(benchmark::State& state)
{
    FormatSettingsScope scope;
    const QString text = QStringLiteral(" -1234.5678e-3 ");
    double value = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(TryStrToFloat(text, value));
}
BENCHMARK(BM_TryStrToFloat);

}  // namespace
