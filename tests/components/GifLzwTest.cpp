// The LZW codec: round trips at every depth and shape, the interlace order, and damaged
// code streams built code by code.

#include "components/imaging/GifLzw.h"
#include "components/imaging/GraphicErrors.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Packs codes of given lengths into sub-blocks after a code size byte, as a GIF stores them.
struct CodeStream {
    explicit CodeStream(int codeSize) : size(static_cast<std::uint8_t>(codeSize)) {}
    CodeStream& Code(int code, int length)
    {
        for (int i = 0; i < length; ++i, ++bit) {
            if (bit % 8 == 0)
                data.push_back(0);
            data.back() |= static_cast<std::uint8_t>(((code >> i) & 1) << (bit % 8));
        }
        return *this;
    }
    Bytes Finish(bool terminator = true) const
    {
        Bytes out{size};
        for (std::size_t at = 0, n; at < data.size(); at += n) {
            n = std::min<std::size_t>(255, data.size() - at);
            out.push_back(static_cast<std::uint8_t>(n));
            out.insert(out.end(), data.begin() + std::ptrdiff_t(at), data.begin() + std::ptrdiff_t(at + n));
        }
        if (terminator)
            out.push_back(0);
        return out;
    }
    std::uint8_t size;
    Bytes data;
    int bit = 0;
};

struct Decoded {
    Bytes pixels;
    GifLzwDecodeResult result;
};

Decoded Decode(const Bytes& data, int width, int height, int bits = 8, bool interlaced = false)
{
    Decoded d;
    d.pixels.assign(static_cast<std::size_t>(std::max(0, width * height)), 0);
    d.result = GifLzwDecode(data.data(), data.size(), width, height, interlaced, bits, d.pixels.data(), width, true);
    return d;
}

Bytes Encode(const Bytes& pixels, int width, int height, int bits, bool interlaced = false)
{
    Bytes out;
    GifLzwEncode(out, pixels.data(), width, width, height, bits, interlaced);
    return out;
}

TEST(GifLzw, RoundTripsEveryDepthShapeAndContent)
{
    const struct { int width, height, bits; bool interlaced; int kind; /* 0 noise, 1 one colour, 2 stripes */ } cases[] = {
        {1, 1, 1, false, 0},     {7, 3, 1, true, 0},       {17, 9, 4, false, 0},   {33, 20, 4, true, 2},
        {64, 64, 8, false, 0},   {300, 200, 8, false, 0},  {300, 200, 8, true, 0}, {1000, 1000, 8, false, 1},
        {999, 301, 8, false, 2}, {4096, 3, 1, false, 2},   {5, 400, 4, true, 1},
    };
    std::mt19937 random(42);
    for (const auto& c : cases) {
        Bytes pixels(static_cast<std::size_t>(c.width * c.height));
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const int value = c.kind == 0 ? static_cast<int>(random()) : c.kind == 1 ? 1 : static_cast<int>(i / 7);
            pixels[i] = static_cast<std::uint8_t>(value & ((1 << c.bits) - 1));
        }
        const Bytes encoded = Encode(pixels, c.width, c.height, c.bits, c.interlaced);
        EXPECT_EQ(encoded[0], c.bits == 1 ? 2 : c.bits) << c.width << "x" << c.height;
        const Decoded d = Decode(encoded, c.width, c.height, c.bits, c.interlaced);
        EXPECT_FALSE(d.result.corrupted) << c.width << "x" << c.height;
        EXPECT_EQ(d.pixels, pixels) << c.width << "x" << c.height << " bits " << c.bits;
    }
}

TEST(GifLzw, EncoderPacksNoiseAndRunsTightly)
{
    // Noise at 8 bits assigns about one code per pixel, with a clear after each code 4094.
    std::mt19937 random(7);
    Bytes noise(20000);
    for (auto& p : noise)
        p = static_cast<std::uint8_t>(random());
    EXPECT_LT(Encode(noise, 200, 100, 8).size(), noise.size() * 3 / 2);
    // A long run of one colour packs into very few bytes (the hash must not cluster).
    EXPECT_LT(Encode(Bytes(1 << 20, 3), 1024, 1024, 8).size(), 3000u);
}

TEST(GifLzw, AFullTableGoesOnWithTwelveBitCodesUntilAClear)
{
    // Other encoders wait for the table to fill and keep sending 12-bit codes without a clear.
    CodeStream stream(8);
    stream.Code(256, 9);
    Bytes pixels;
    for (int n = 0, length = 9, next = 258; n < 4200; ++n) {
        pixels.push_back(static_cast<std::uint8_t>(n * 7));
        stream.Code(pixels.back(), length);
        if (n > 0 && next < 4096 && ++next == (1 << length) && length < 12)
            ++length;
    }
    const Decoded d = Decode(stream.Code(257, 12).Finish(), 4200, 1);
    EXPECT_TRUE(!d.result.corrupted && d.pixels == pixels);
}

TEST(GifLzw, RowStepperVisitsTheInterlacePasses)
{
    const struct { int height; std::vector<int> rows; } cases[] = {
        {1, {0}}, {3, {0, 2, 1}}, {8, {0, 4, 2, 6, 1, 3, 5, 7}}, {10, {0, 8, 4, 2, 6, 1, 3, 5, 7, 9}}};
    for (const auto& c : cases) {
        std::vector<int> rows;
        for (GifRowStepper s(c.height, true); !s.Done(); s.Next())
            rows.push_back(s.Row());
        EXPECT_EQ(rows, c.rows) << c.height;
    }
}

TEST(GifLzw, DamagedStreamsStopCleanlyKeepingWhatWasDecoded)
{
    // Code size 2: clear 4, end 5, first free code 6, codes of 3 bits; decoded 8 bits deep
    // unless given.
    const struct { const char* name; Bytes data; int width; bool corrupted; Bytes pixels; int bits = 8; } cases[] = {
        {"plain", CodeStream(2).Code(4, 3).Code(1, 3).Code(2, 3).Code(6, 3).Code(5, 3).Finish(), 4, false, {1, 2, 1, 2}},
        {"string not yet in table", CodeStream(2).Code(4, 3).Code(1, 3).Code(6, 3).Code(5, 3).Finish(), 3, false,
         {1, 1, 1}},
        {"code beyond next free", CodeStream(2).Code(4, 3).Code(1, 3).Code(7, 3).Code(5, 3).Finish(), 4, true,
         {1, 0, 0, 0}},
        {"table code right after clear", CodeStream(2).Code(4, 3).Code(6, 3).Finish(), 2, true, {0, 0}},
        {"double clear", CodeStream(2).Code(4, 3).Code(4, 3).Code(3, 3).Code(5, 3).Finish(), 1, false, {3}},
        {"end right after clear", CodeStream(2).Code(4, 3).Code(5, 3).Finish(), 2, false, {0, 0}},
        {"no clear first", CodeStream(2).Code(2, 3).Code(5, 3).Finish(), 1, false, {2}},
        {"data ends early", CodeStream(2).Code(4, 3).Code(1, 3).Finish(), 3, true, {1, 0, 0}},
        {"no terminator, image full", CodeStream(2).Code(4, 3).Code(3, 3).Finish(false), 1, false, {3}},
        {"only the code size", Bytes{2}, 2, true, {0, 0}},
        {"code size 12 read as 9", CodeStream(12).Code(512, 10).Code(7, 10).Code(513, 10).Finish(), 1, true, {7}},
        {"code size 0 read as 2", CodeStream(0).Code(4, 3).Code(1, 3).Finish(), 1, true, {1}},
        {"sub-block longer than the data", Bytes{2, 200, 0x0C}, 2, true, {1, 0}},
        // Code size 3 for a 1-bit frame: literal 5 is drawn as 1; pixels past the end are dropped.
        {"masked to the frame's depth", CodeStream(3).Code(8, 4).Code(5, 4).Code(2, 4).Code(7, 4).Code(9, 4).Finish(), 2,
         false, {1, 0}, 1},
    };
    for (const auto& c : cases) {
        const Decoded d = Decode(c.data, c.width, 1, c.bits);
        EXPECT_EQ(d.result.corrupted, c.corrupted) << c.name;
        EXPECT_EQ(d.pixels, c.pixels) << c.name;
    }
}

TEST(GifLzw, ZeroSizesAndStrictModeFailures)
{
    const Bytes data = CodeStream(2).Code(4, 3).Code(1, 3).Code(5, 3).Finish();
    EXPECT_TRUE(!Decode(data, 3, 0).result.corrupted && Decode(data, 0, 3).result.corrupted);

    Bytes pixels(4, 0);
    const Bytes bad = CodeStream(2).Code(4, 3).Code(7, 3).Finish();
    EXPECT_THROW(GifLzwDecode(bad.data(), bad.size(), 4, 1, false, 8, pixels.data(), 4, false),
                 EInvalidGraphicOperation);
    const Bytes wide = CodeStream(10).Finish();
    EXPECT_THROW(GifLzwDecode(wide.data(), wide.size(), 4, 1, false, 8, pixels.data(), 4, false),
                 EInvalidGraphicOperation);
}

}  // namespace
