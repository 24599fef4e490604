// The work behind one committed input of the main window, and the flow-profile solver alone.

#include "calculator/core/MeasuringPoint.h"
#include "calculator/core/ProfileFactor.h"

#include "platform/FormatSettings.h"

#include <benchmark/benchmark.h>

namespace {

// Parse, range check, store, recompute the dependent quantities and the calibration factor,
// then the snapshot of every edit, panel and the result pane the window renders.
void BM_CommitVolumeFlow(benchmark::State& state)
{
    FormatSettingsScope scope{TFormatSettings()};
    TMeasuringPoint point;
    point.SetStandardValues();
    const QString texts[] = {QStringLiteral("28.5"), QStringLiteral("30.25")};
    int i = 0;
    for (auto _ : state) {
        const TInputResult result = point.CommitEdit(TQuantity::VolumeFlow, texts[i ^= 1]);
        benchmark::DoNotOptimize(result.Stored);
        const TPointSnapshot snapshot = point.Snapshot();
        benchmark::DoNotOptimize(snapshot.Result.Reynold.size());
    }
}
BENCHMARK(BM_CommitVolumeFlow);

// The calibration factor of the standard point (turbulent, several correction rounds).
void BM_SolveProfileCorrection(benchmark::State& state)
{
    double factor = 0.0;
    double reynolds = 0.0;
    double raw = 0.0;
    for (auto _ : state) {
        const bool failed = SolveProfileCorrection(factor, reynolds, raw, 1000.0, 1000.0, 0.987196, 1.0, 1000.0,
                                                   6000.0);
        benchmark::DoNotOptimize(failed);
        benchmark::DoNotOptimize(factor);
    }
}
BENCHMARK(BM_SolveProfileCorrection);

} // namespace
