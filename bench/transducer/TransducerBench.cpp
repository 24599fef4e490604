#include "transducer/AcousticPath.h"
#include "transducer/SensorSelection.h"

#include <benchmark/benchmark.h>

namespace {

// One recalculation as the application dialog runs it on every change: coefficient sets,
// layer media, refraction chain, capture window and the displayed spacing.
void BM_PathRecalculation(benchmark::State& state)
{
    tAcousticPath path;
    path.SelectSensor(SensorCatalogue[8]);
    path.Input.SoundPaths = 2;
    path.Input.InnerDiameter = 100.0;
    path.Input.WallThickness = 3.0;
    path.Input.WallMaterial = 1;
    path.Input.LiningThickness = 2.0;
    path.Input.LiningMaterial = 13;
    path.Input.Medium = 10001;
    path.Input.MediumTemperature = 20.0;
    for (auto _ : state) {
        const tPathResult result = path.Recalculate();
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(path.IsLambdaSmallPipe());
    }
}
BENCHMARK(BM_PathRecalculation);

void BM_Recommendation(benchmark::State& state)
{
    double d = 50.0;
    for (auto _ : state) {
        std::uint32_t status = 0;
        benchmark::DoNotOptimize(RecommendSensorType(3, 0x7FFF, status, d, 131.0));
        benchmark::DoNotOptimize(status);
        d = d < 6000.0 ? d * 1.7 : 4.0;
    }
}
BENCHMARK(BM_Recommendation);

}  // namespace
