#include "report/ReportRows.h"
#include "report/ReportText.h"

#include "ReportTestItems.h"
#include "calculator/core/ApplicationHandOver.h"
#include "platform/MessageBeep.h"

#include <benchmark/benchmark.h>

namespace {

// The report of the standard point as the report command builds it: the application
// loaded and its transducer selected, the rows, and the padded text for a file.
void BM_StandardPointReport(benchmark::State& state)
{
    SetMessageBeepHandler(nullptr);
    TMeasuringPoint point;
    point.SetStandardValues();
    const tApplicationInput input = MakeApplicationInput(point, MaterialItems(point), MediumItems(point, false));
    TReportHeader header;
    header.Date = QDate(2026, 12, 7);
    header.Remarks = QStringLiteral("first line\nsecond line");
    for (auto _ : state) {
        tApplicationCalc calc(false);
        calc.SetInputData(input);
        const TReportApplication application =
            ReportApplicationSteps(point, calc, [&calc](std::uint8_t code) { calc.SelectSensorType(code); });
        const auto rows = KeptReportRows(BuildReportRows(point, application, {true, false}));
        benchmark::DoNotOptimize(BuildReportText(header, rows, true));
    }
}
BENCHMARK(BM_StandardPointReport);

}  // namespace
