#include "components/imaging/Bitmap.h"

#include "components/imaging/GraphicErrors.h"

bool TBitmap::Monochrome() const
{
    if (PixelFormat != pf1bit || Image.colorCount() != 2)
        return false;
    const QRgb a = Image.color(0) & 0xFFFFFF;
    const QRgb b = Image.color(1) & 0xFFFFFF;
    return (a == 0 && b == 0xFFFFFF) || (a == 0xFFFFFF && b == 0);
}

int PixelFormatBits(TPixelFormat format)
{
    switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit: return 15;
    case pf16bit: return 16;
    case pf24bit: return 24;
    case pf32bit: return 32;
    default: return 0;
    }
}

TPixelFormat IndexedFormatForBits(int bits)
{
    return bits <= 1 ? pf1bit : bits <= 4 ? pf4bit : pf8bit;
}

TBitmap NewIndexedBitmap(int width, int height, TPixelFormat format, const QList<QRgb>& palette)
{
    TBitmap bitmap;
    bitmap.PixelFormat = format;
    bitmap.Image = QImage(width, height, QImage::Format_Indexed8);
    if (bitmap.Image.isNull() && width > 0 && height > 0)
        throw EInvalidGraphic(SInvalidBitmap());
    QList<QRgb> colors(1 << PixelFormatBits(format), qRgb(128, 128, 128));
    for (qsizetype i = 0; i < palette.size() && i < colors.size(); ++i)
        colors[i] = palette[i] | 0xFF000000u;
    bitmap.Image.setColorTable(colors);
    if (!bitmap.Image.isNull())
        bitmap.Image.fill(0);
    return bitmap;
}

TBitmap BitmapFromImage(const QImage& image)
{
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono
        || image.format() == QImage::Format_MonoLSB) {
        const int colors = static_cast<int>(image.colorCount());
        const TPixelFormat format = IndexedFormatForBits(colors <= 2 ? 1 : colors <= 16 ? 4 : 8);
        TBitmap bitmap = NewIndexedBitmap(image.width(), image.height(), format, image.colorTable());
        const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, image.colorTable());
        for (int y = 0; y < image.height(); ++y)
            std::copy_n(indexed.constScanLine(y), image.width(), bitmap.Image.scanLine(y));
        return bitmap;
    }
    TBitmap bitmap;
    bitmap.PixelFormat = pf24bit;
    bitmap.Image = image.convertToFormat(QImage::Format_RGB32);
    return bitmap;
}
