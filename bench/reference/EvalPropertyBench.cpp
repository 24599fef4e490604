#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<tMediumRec> AllMedia()
{
    std::vector<tMediumRec> media;
    for (int n = 1; n <= MediumCount(); ++n) {
        tMediumRec medium;
        if (GetMedium(static_cast<std::uint16_t>(MediumIdAt(n)), medium))
            media.push_back(medium);
    }
    return media;
}

// The main window's recalculation and the medium chart evaluate every set of a medium over
// a temperature range; this is the sweep over all media and their three sets.
void BM_EvalAllMediaSets(benchmark::State& state)
{
    const std::vector<tMediumRec> media = AllMedia();
    for (auto _ : state) {
        double sum = 0;
        for (const tMediumRec& medium : media) {
            for (double T = -40; T <= 150; T += 10) {
                sum += EvalProperty(medium.SoundSpeed, T, 10);
                sum += EvalProperty(medium.Density, T, 10);
                sum += EvalProperty(medium.KinViscosity, T, 10);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(media.size()) * 20 * 3);
}
BENCHMARK(BM_EvalAllMediaSets);

void BM_LookupMediumAndName(benchmark::State& state)
{
    for (auto _ : state) {
        tMediumRec medium;
        benchmark::DoNotOptimize(GetMedium(10057, medium));
        benchmark::DoNotOptimize(MediumName(10057));
    }
}
BENCHMARK(BM_LookupMediumAndName);

}  // namespace
