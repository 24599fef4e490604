#include "components/CeSpinRules.h"
#include "components/VCLUtils.h"

#include "platform/FormatSettings.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// The spin edit formats and parses its text on every read and write.
void BM_SpinFloatRoundTrip(benchmark::State& state)
{
    FormatSettingsScope scope{TFormatSettings{}};
    TSpinFormat format;
    format.ValueType = vtFloat;
    format.Decimal = 3;
    long double value = 1234.5678L;
    for (auto _ : state) {
        const QString text = FormatSpinValue(value, format);
        value = SpinTextValue(text, format) + 0.001L;
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_SpinFloatRoundTrip);

void BM_SpinIntegerRoundTrip(benchmark::State& state)
{
    TSpinFormat format;
    long double value = 123456789;
    for (auto _ : state) {
        const QString text = FormatSpinValue(value, format);
        value = SpinTextValue(text, format) + 1;
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(BM_SpinIntegerRoundTrip);

// Transparent drawing of a picture, stretched to twice its size.
void BM_DrawBitmapTransparent(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    QImage bitmap(side, side, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    for (int i = 0; i < side; ++i)
        bitmap.setPixel(i, i, qRgb(0, 0, 255));
    QImage dest(2 * side, 2 * side, QImage::Format_RGB32);
    dest.fill(Qt::green);
    for (auto _ : state) {
        QPainter p(&dest);
        DrawBitmapTransparent(p, QRect(0, 0, 2 * side, 2 * side), QRect(), bitmap, clDefault);
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(BM_DrawBitmapTransparent)->Arg(16)->Arg(256);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
