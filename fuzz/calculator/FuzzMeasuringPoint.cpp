// Measuring-point files of any content: reading and loading must never crash or hang, and a
// value the reader takes must lie in its input's range.
#include "calculator/core/MeasuringPointFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > static_cast<std::size_t>(MaxMeasuringPointFileSize))
        return 0;
    const IniFile ini = IniFile::FromBytes(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!HoldsMeasuringPoint(ini))
        return 0;
    for (const bool fromFile : {true, false}) {
        TMeasuringPointRecord point;
        tReportFileFields report;
        QStringList ignored;
        ReadMeasuringPoint(ini, point, report, fromFile, size % 2 == 1, &ignored);
        if (point.SensorType < 0 || point.SensorType > 14 || point.SoundPaths < 0 || point.SoundPaths > 8
            || !(point.ReynoldsLam >= 1.0) || !(point.ReynoldsTurb >= 1.0) || !(point.InnerDiameterMm > 0.0)
            || !std::isfinite(point.FixedSpacing) || !std::isfinite(point.KinViscosity)
            || !std::isfinite(point.DynViscosity))
            std::abort();
        // What was ignored is named once, by key.
        if (ignored.removeDuplicates() != 0)
            std::abort();
    }
    // The measuring point takes what the reader let through, or refuses it as a whole; what
    // it then holds, written, reads back whole.
    TMeasuringPoint point;
    point.SetStandardValues();
    tReportFileFields report;
    if (!LoadMeasuringPoint(point, report, ini, true, false, nullptr))
        return 0;
    IniFile written = IniFile::FromBytes({});
    WriteMeasuringPoint(written, point.Record(), report, QString());
    TMeasuringPoint again = point;
    QStringList ignored;
    if (!LoadMeasuringPoint(again, report, written, true, false, nullptr, &ignored) || !ignored.isEmpty())
        std::abort();
    return 0;
}
