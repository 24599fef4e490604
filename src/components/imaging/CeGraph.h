#pragma once
// Colour reduction and packed device-independent bitmaps (BMP files: file header, 40-byte
// info header, palette, pixel rows bottom-up, each padded to 4 bytes).

#include "components/imaging/Bitmap.h"

#include <QByteArray>

#include <cstdint>

// The six ways of reducing a 24-bit image to a palette of at most 256 entries.
enum TColorReduction : std::uint8_t {
    rmHistogram = 0,    // the most frequent colours
    rmMedianCut = 1,    // median cut on a 12-bit histogram
    rmPalette784 = 2,   // fixed 7 x 8 x 4 (red x green x blue) palette, 224 entries
    rmPalette666 = 3,   // fixed 6 x 6 x 6 palette, 216 entries
    rmRamps = 4,        // red, green and blue ramps of 64 steps, chosen in a diagonal pattern
    rmGrayscale = 5,    // 256 grey levels
    rmDefault = rmHistogram,
};

// The bitmap at 1, 4 or 8 bits per pixel, or at 24. pf8bit applies the method; pf1bit and
// pf4bit map every pixel to the nearest entry of the black-and-white or the standard
// 16-colour palette; pf24bit is a plain conversion. A bitmap already in the target format
// is returned as it is (unless the method is greyscale). Raises EInvalidGraphic for an
// empty bitmap; other targets stop with the not-implemented routine.
TBitmap ReduceColors(const TBitmap& source, TPixelFormat target, TColorReduction method);

// The reduced bitmap as a BMP file.
QByteArray BitmapToMemoryStream(const TBitmap& source, TPixelFormat target, TColorReduction method = rmDefault);
// The same with the format from a colour count: up to 2 -> pf1bit, up to 16 -> pf4bit, up to
// 256 -> pf8bit, more -> pf24bit; the default method.
QByteArray BitmapToMemoryStreamByColors(const TBitmap& source, int colors);

// A BMP file of the bitmap as it is. `usedColors` goes to the header's used-colour count
// (0: the whole palette).
QByteArray BitmapToBmp(const TBitmap& bitmap, int usedColors = 0);

// The index of the level nearest to `value` in the 4, 6, 7 or 8-level tables (a tie goes to
// the lower index).
int NearestLevel(int levels, int value);
