// Arbitrary text through the strict number parser: a success is always a finite value, and
// its general text parses back to a value that prints the same.

#include "platform/NumberFormat.h"
#include "platform/NumberParse.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    double value = 0;
    if (TryStrToFloat(text, value, QLatin1Char('.'))) {
        if (!std::isfinite(value))
            std::abort();
        const QString printed = FloatToStr(value);
        double again = 0;
        if (!TryStrToFloat(printed, again, QLatin1Char('.')) || FloatToStr(again) != printed)
            std::abort();
    }
    long double wide = 0;
    if (TryStrToFloat(text, wide, QLatin1Char(',')) && !std::isfinite(wide))
        std::abort();
    int integer = 0;
    TryStrToInt(text, integer);
    return 0;
}
