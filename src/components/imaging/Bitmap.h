#pragma once
// The one bitmap of the picture code. The indexed formats (pf1bit, pf4bit, pf8bit) hold one
// byte per pixel in a QImage::Format_Indexed8 whose colour table has exactly 2, 16 or 256
// entries (the palette); pf24bit holds QImage::Format_RGB32. GIF frames decode straight into
// it, colour reduction reads and writes it, icons are drawn into it.

#include "platform/Colors.h"

#include <QImage>

#include <cstdint>

// The pixel formats a bitmap can name; only 1, 4, 8 and 24 bits are made here.
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// The system colour of window backgrounds (a system-colour value, never an RGB colour).
constexpr TColor clWindow = 0xFF000005;

struct TBitmap {
    QImage Image;
    TPixelFormat PixelFormat = pfDevice;
    // The colour drawn transparent when Transparent is set (an RGB TColor).
    TColor TransparentColor = clNone;
    bool Transparent = false;

    bool Empty() const { return Image.isNull() || Image.width() == 0 || Image.height() == 0; }
    int Width() const { return Image.width(); }
    int Height() const { return Image.height(); }
    // A 1-bit bitmap whose palette is black and white.
    bool Monochrome() const;
};

// Bits per pixel of a format (0 for pfDevice and pfCustom).
int PixelFormatBits(TPixelFormat format);
// The indexed format for a bit count: 1 -> pf1bit, up to 4 -> pf4bit, up to 8 -> pf8bit.
TPixelFormat IndexedFormatForBits(int bits);

// A zero-filled indexed bitmap; the palette is padded with grey (128, 128, 128) to the
// format's 2, 16 or 256 entries. Raises EInvalidGraphic when the memory cannot be had.
TBitmap NewIndexedBitmap(int width, int height, TPixelFormat format, const QList<QRgb>& palette);

// A bitmap holding `image`: indexed images of up to 256 colours stay indexed (at the
// smallest of the three depths), everything else becomes 24 bits (alpha dropped).
TBitmap BitmapFromImage(const QImage& image);

// TColor (0x00BBGGRR) and QRgb (0xAARRGGBB) without the window system's colours.
inline TColor RgbToTColor(QRgb rgb)
{
    return static_cast<TColor>(qRed(rgb)) | (static_cast<TColor>(qGreen(rgb)) << 8)
        | (static_cast<TColor>(qBlue(rgb)) << 16);
}
inline QRgb TColorToRgb(TColor color)
{
    return qRgb(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}
