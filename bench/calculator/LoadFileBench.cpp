// Loading a measuring-point file: parsing its text and reading every section.
#include "calculator/core/MeasuringPointFile.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LoadMeasuringPointFile(benchmark::State& state)
{
    IniFile written = IniFile::FromBytes({});
    tReportFileFields report;
    report.Memo = QStringLiteral("line\n").repeated(40);
    WriteMeasuringPoint(written, TMeasuringPointRecord(), report, QStringLiteral("/opt/quelvar/Quelvar"));
    const QByteArray bytes = written.ToBytes();
    for (auto _ : state) {
        const IniFile ini = IniFile::FromBytes(bytes);
        TMeasuringPointRecord point;
        tReportFileFields fields;
        ReadMeasuringPoint(ini, point, fields, true, false);
        benchmark::DoNotOptimize(point);
    }
}
BENCHMARK(BM_LoadMeasuringPointFile);

}  // namespace
