#include "transducer/AcousticPath.h"
#include "transducer/ApplicationCalc.h"
#include "transducer/ErrorModel.h"
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

// The application dialog loaded with a measuring point and recalculated once more, as the
// main window and the report do for every use.
void BM_ApplicationLoad(benchmark::State& state)
{
    tApplicationInput in;
    in.InnerDiameter = 100.0;
    in.WallThickness = 3.0;
    in.MaterialItems = {{{QStringLiteral("Anderes"), 0}, {QStringLiteral("Stahl"), 1}}, 1};
    in.MediumItems = {{{QStringLiteral("Anderes"), 10000}, {QStringLiteral("Wasser"), 10001}}, 1};
    in.Temperature = 20.0;
    in.LengthUnit = 2;
    for (auto _ : state) {
        tApplicationCalc calc(false);
        calc.SetInputData(in);
        calc.Recalculate();
        benchmark::DoNotOptimize(calc.View().Spacing);
    }
}
BENCHMARK(BM_ApplicationLoad);

// One load of the error diagram's model: zero-point error and both bands.
void BM_ErrorDiagramLoad(benchmark::State& state)
{
    tErrorData data;
    data.VelocityFactor = 0.001;
    data.VolumeFactor = 7853.98;
    data.MassFactor = 7853.98;
    data.Velocity = 1000.0;
    data.InnerDiameter = 100.0;
    data.VelocityLaminar = 10.0;
    data.VelocityTurbulent = 60.0;
    data.Medium = {.sin = 0.368, .cos = 0.93, .c = 1482.0};
    data.SoundPaths = 2;
    data.Sensor = SensorCatalogue[8];
    tErrorModel model;
    model.ShowOnePercentBand = 1;
    for (auto _ : state) {
        model.SetErrorData(data);
        benchmark::DoNotOptimize(model.TypicalError());
    }
}
BENCHMARK(BM_ErrorDiagramLoad);

}  // namespace
