// Colour reduction and packed bitmaps: the methods' palettes and indices, and the headers
// of the BMP files they give.

#include "components/imaging/CeGraph.h"
#include "components/imaging/GraphicErrors.h"
#include "platform/ByteReader.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

TBitmap Rgb(int width, int height, const std::function<QRgb(int, int)>& color)
{
    TBitmap bitmap;
    bitmap.PixelFormat = pf24bit;
    bitmap.Image = QImage(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.Image.setPixel(x, y, color(x, y));
    return bitmap;
}

// The little-endian field of a BMP file at `offset`.
std::uint32_t Field(const QByteArray& bmp, std::size_t offset, int size = 4)
{
    ByteReader r(bmp);
    r.Seek(offset);
    return size == 2 ? r.U16() : r.U32();
}

TEST(ColourReduction, NearestLevelsTieToTheLowerIndex)
{
    const struct { int levels, value, index; } cases[] = {{4, 42, 0}, {4, 43, 1}, {4, 255, 3}, {6, 25, 0}, {6, 26, 1},
                          {7, 21, 0}, {7, 22, 1}, {8, 18, 0}, {8, 19, 1}, {8, 237, 6}, {8, 238, 7}};
    for (const auto& c : cases)
        EXPECT_EQ(NearestLevel(c.levels, c.value), c.index) << c.levels << " levels, value " << c.value;
}

TEST(ColourReduction, EachMethodGivesItsPaletteAndIndices)
{
    const QRgb white = qRgb(255, 255, 255), orange = qRgb(200, 100, 30);
    const struct { TColorReduction method; QRgb source; int index; QRgb entry; std::uint32_t used; } cases[] = {
        {rmHistogram, orange, 0, orange, 256},
        {rmMedianCut, white, 0, white, 1},
        // A box colour is black only when all three channels are dark.
        {rmMedianCut, qRgb(200, 5, 200), 0, qRgb(207, 15, 207), 1},
        {rmMedianCut, qRgb(5, 5, 5), 0, qRgb(0, 0, 0), 1},
        {rmPalette784, orange, 5 * 32 + 3 * 4 + 0, qRgb(213, 109, 0), 224},
        {rmPalette666, orange, 4 * 36 + 2 * 6 + 1, qRgb(204, 102, 51), 216},
        {rmRamps, orange, 200 / 4, qRgb(200, 0, 0), 192},
        {rmGrayscale, white, 255, white, 256},
        {rmGrayscale, orange, (200 * 77 + 100 * 150 + 30 * 29) >> 8, qRgb(122, 122, 122), 256},
        {rmGrayscale, qRgb(0, 255, 0), 149, qRgb(149, 149, 149), 256},
    };
    for (const auto& c : cases) {
        const TBitmap source = Rgb(1, 1, [&](int, int) { return c.source; });
        const TBitmap reduced = ReduceColors(source, pf8bit, c.method);
        EXPECT_TRUE(reduced.PixelFormat == pf8bit && reduced.Image.colorCount() == 256);
        EXPECT_EQ(reduced.Image.pixelIndex(0, 0), c.index) << int(c.method);
        EXPECT_EQ(reduced.Image.color(c.index), c.entry) << int(c.method);
        EXPECT_EQ(Field(BitmapToMemoryStream(source, pf8bit, c.method), 46), c.used) << int(c.method);
    }
}

TEST(ColourReduction, HistogramKeepsFewColoursExactlyAndDropsBlueFirst)
{
    // 200 colours: all kept.
    const TBitmap few = Rgb(20, 10, [](int x, int y) { return qRgb(x * 10, y * 20, 99); });
    const TBitmap reduced = ReduceColors(few, pf8bit, rmHistogram);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(reduced.Image.pixel(x, y), few.Image.pixel(x, y));

    // 4096 colours: one blue bit less leaves 2048, which fit; red and green keep their bits.
    const TBitmap many = Rgb(64, 64, [](int x, int y) { return qRgb(x, y % 2, y / 2); });
    const TBitmap dropped = ReduceColors(many, pf8bit, rmHistogram);
    bool oddGreen = false;
    for (QRgb c : dropped.Image.colorTable()) {
        EXPECT_EQ(qBlue(c) & 1, 0);
        oddGreen = oddGreen || (qGreen(c) == 1);
    }
    EXPECT_TRUE(oddGreen);
}

TEST(ColourReduction, RampsFollowTheStoredRowsDiagonally)
{
    // Rows are processed bottom-up: the bottom row is row 0 of the pattern.
    const TBitmap grey = Rgb(3, 2, [](int, int) { return qRgb(40, 80, 120); });
    const TBitmap ramps = ReduceColors(grey, pf8bit, rmRamps);
    EXPECT_TRUE(ramps.Image.pixelIndex(0, 1) == 10 && ramps.Image.pixelIndex(1, 1) == 64 + 20);
    EXPECT_TRUE(ramps.Image.pixelIndex(2, 1) == 128 + 30 && ramps.Image.pixelIndex(0, 0) == 64 + 20);
}

TEST(ColourReduction, PackedBitmapsHaveFreshCorrectHeaders)
{
    const TBitmap picture = Rgb(5, 3, [](int x, int y) { return qRgb(x * 60, y * 100, 0); });
    const struct { TPixelFormat format; int bits; std::uint32_t stride; } cases[] = {
        {pf1bit, 1, 4}, {pf4bit, 4, 4}, {pf8bit, 8, 8}, {pf24bit, 24, 16}};
    for (const auto& c : cases) {
        const QByteArray bmp = BitmapToMemoryStream(picture, c.format);
        // Signature, file size, bits offset; header size, width, height, bits per pixel, image size.
        EXPECT_TRUE(Field(bmp, 0, 2) == 0x4D42 && Field(bmp, 2) == std::uint32_t(bmp.size()) && Field(bmp, 14) == 40u);
        EXPECT_EQ(Field(bmp, 10), 54u + (c.bits <= 8 ? 4u << c.bits : 0u)) << c.bits;
        EXPECT_TRUE(Field(bmp, 18) == 5u && Field(bmp, 22) == 3u && Field(bmp, 28, 2) == std::uint32_t(c.bits));
        EXPECT_EQ(Field(bmp, 34), c.stride * 3) << c.bits;
        EXPECT_EQ(Field(bmp, 10) + Field(bmp, 34), std::uint32_t(bmp.size()));
    }
    // 24 bits from an 8-bit bitmap is a plain conversion.
    const TBitmap indexed = ReduceColors(picture, pf8bit, rmHistogram);
    const TBitmap back = ReduceColors(indexed, pf24bit, rmHistogram);
    EXPECT_EQ(back.Image.pixel(4, 2), picture.Image.pixel(4, 2));
    // A bitmap already in the format is its own stream, unless greyscale is asked.
    EXPECT_EQ(BitmapToMemoryStream(indexed, pf8bit, rmMedianCut), BitmapToBmp(indexed));
    EXPECT_NE(BitmapToMemoryStream(indexed, pf8bit, rmGrayscale), BitmapToBmp(indexed));
    EXPECT_EQ(Field(BitmapToMemoryStreamByColors(picture, 300), 28, 2), 24u);
}

TEST(ColourReduction, InvalidSourcesAndTargetsAreRefused)
{
    EXPECT_THROW(ReduceColors(TBitmap{}, pf8bit, rmHistogram), EInvalidGraphic);
    const TBitmap one = Rgb(1, 1, [](int, int) { return qRgb(1, 2, 3); });
    EXPECT_THROW(ReduceColors(one, pf16bit, rmHistogram), EAbort);
}

}  // namespace
