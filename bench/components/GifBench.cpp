// LZW decoding and encoding (bytes/s are pixels/s), and the colour-reduction methods
// (items/s are pixels/s).

#include "components/imaging/CeGIF.h"
#include "components/imaging/CeGraph.h"
#include "components/imaging/GifLzw.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

constexpr int kSide = 1024;

// Smooth shading with a little noise, like a rendered picture; or plain noise.
std::vector<std::uint8_t> Pixels(bool noise)
{
    std::mt19937 random(1);
    std::vector<std::uint8_t> pixels(std::size_t(kSide) * kSide);
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const double shade = 120 + 100 * std::sin(x / 60.0) * std::cos(y / 90.0);
            pixels[std::size_t(y) * kSide + x] =
                static_cast<std::uint8_t>(noise ? random() : int(shade) / 4 * 4 + (random() % 7 == 0 ? 1 : 0));
        }
    }
    return pixels;
}

void Decode(benchmark::State& state, bool noise)
{
    const std::vector<std::uint8_t> pixels = Pixels(noise);
    std::vector<std::uint8_t> data;
    GifLzwEncode(data, pixels.data(), kSide, kSide, kSide, 8, false);
    std::vector<std::uint8_t> out(pixels.size());
    for (auto _ : state) {
        GifLzwDecode(data.data(), data.size(), kSide, kSide, false, 8, out.data(), kSide, true);
        benchmark::DoNotOptimize(out.data());
    }
    if (out != pixels)
        state.SkipWithError("decoded pixels differ");
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(pixels.size()));
}

void Encode(benchmark::State& state, bool noise)
{
    const std::vector<std::uint8_t> pixels = Pixels(noise);
    std::size_t size = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> out;
        out.reserve(pixels.size() + pixels.size() / 2);
        GifLzwEncode(out, pixels.data(), kSide, kSide, kSide, 8, false);
        size = out.size();
    }
    state.counters["encoded_bytes"] = double(size);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(pixels.size()));
}

void BM_LzwDecode(benchmark::State& state) { Decode(state, state.range(0) != 0); }
void BM_LzwEncode(benchmark::State& state) { Encode(state, state.range(0) != 0); }

// Argument 0: a shaded picture; 1: noise.
BENCHMARK(BM_LzwDecode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LzwEncode)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ColourReduction(benchmark::State& state)
{
    QImage picture(512, 512, QImage::Format_RGB32);
    std::mt19937 random(3);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb((x + int(random() % 16)) & 255, (y * 2) & 255, (x ^ y) & 255));
    TBitmap bitmap;
    bitmap.PixelFormat = pf24bit;
    bitmap.Image = picture;
    const auto method = static_cast<TColorReduction>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReduceColors(bitmap, pf8bit, method));
    state.SetItemsProcessed(std::int64_t(state.iterations()) * picture.width() * picture.height());
}
// 0 histogram, 1 median cut, 2 7x8x4, 3 6x6x6, 4 ramps, 5 greyscale.
BENCHMARK(BM_ColourReduction)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

}  // namespace
