// A language switch with the start-up forms made, against making those forms: the switch
// re-translates every form from its table of originals and must cost less than building
// them (read the two lines side by side).

#include "calculator/mainwindow/StartupForms.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "calculator/mainwindow/XmecalcLanguage.h"
#include "formbase/FormRegistry.h"
#include "formbase/TranslatorHook.h"
#include "platform/FormatSettings.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_CreateStartupForms(benchmark::State& state)
{
    const FormatSettingsScope formats;
    const auto dictionary = CreateProgramDictionary();
    dictionary->SetLanguage(1);
    for (auto _ : state) {
        TFormRegistry forms;
        CreateStartupForms(forms);
        benchmark::DoNotOptimize(forms.Forms().size());
    }
    SetFormsDictionary(nullptr);
}
BENCHMARK(BM_CreateStartupForms)->Unit(benchmark::kMillisecond);

void BM_SwitchLanguage(benchmark::State& state)
{
    const FormatSettingsScope formats;
    const auto dictionary = CreateProgramDictionary();
    dictionary->SetLanguage(1);
    TFormRegistry forms;
    CreateStartupForms(forms);
    int language = 1;
    for (auto _ : state) {
        language = 3 - language;  // German <-> English
        dictionary->SetLanguage(language);
    }
    SetFormsDictionary(nullptr);
}
BENCHMARK(BM_SwitchLanguage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetUserDefaultLCID(0x0407);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
