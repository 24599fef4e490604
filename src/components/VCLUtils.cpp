#include "components/VCLUtils.h"

#include "components/CEConst.h"
#include "platform/Exceptions.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

TColor PaletteColor(TColor color)
{
    return (color & 0x00FFFFFFu) | 0x02000000u;
}

namespace {

// The part of the source that is drawn, with the masked pixels made fully transparent and
// every other pixel fully opaque (bitmaps have no alpha of their own).
QImage MaskedPart(const QImage& source, const QRect& part, std::optional<QRgb> maskColor)
{
    QImage image = source.copy(part).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = line[x] & 0x00FFFFFFu;
            line[x] = maskColor && rgb == (*maskColor & 0x00FFFFFFu) ? 0u : (rgb | 0xFF000000u);
        }
    }
    return image;
}

void Blit(QPainter& dest, const QRect& destRect, const QImage& source, const QRect& sourceRect,
          std::optional<QRgb> maskColor)
{
    const auto rects = ClipBltToSource({sourceRect, destRect}, source.size());
    if (!rects)
        return;
    const QImage part = MaskedPart(source, rects->Source, maskColor);
    dest.save();
    dest.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (maskColor)
        dest.setCompositionMode(QPainter::CompositionMode_SourceOver);
    dest.drawImage(rects->Dest, part);
    dest.restore();
}

bool IsMonochrome(const QImage& bitmap)
{
    return bitmap.format() == QImage::Format_Mono || bitmap.format() == QImage::Format_MonoLSB;
}

}  // namespace

void StretchBltTransparent(QPainter& dest, int dstX, int dstY, int dstW, int dstH, const QImage& source,
                           int srcX, int srcY, int srcW, int srcH, TColor maskColor)
{
    Blit(dest, QRect(dstX, dstY, dstW, dstH), source, QRect(srcX, srcY, srcW, srcH),
         ColorFromTColor(maskColor & 0x00FFFFFFu).rgb());
}

void DrawBitmapTransparent(QPainter& dest, int x, int y, const QImage& bitmap, TColor transparentColor)
{
    DrawBitmapTransparent(dest, QRect(x, y, 0, 0), QRect(), bitmap, transparentColor);
}

void DrawBitmapTransparent(QPainter& dest, const QRect& destRect, const QRect& sourceRect, const QImage& bitmap,
                           TColor transparentColor)
{
    if (bitmap.isNull())
        return;
    QRect source = sourceRect;
    if (source.width() < 1 || source.height() < 1)
        source = bitmap.rect();
    QRect target = destRect;
    if (target.width() < 1 || target.height() < 1)
        target.setSize(bitmap.size());

    std::optional<QRgb> mask;
    if (transparentColor != clNone) {
        if (IsMonochrome(bitmap))
            mask = qRgb(255, 255, 255);
        else if (transparentColor == clDefault)
            mask = bitmap.pixel(0, bitmap.height() - 1);
        else
            mask = ColorFromTColor(transparentColor & 0x00FFFFFFu).rgb();
    }
    Blit(dest, target, bitmap, source, mask);
}

void NotImplemented()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
    MessageRequest request;
    request.parent = QApplication::activeWindow();
    request.text = SNotImplemented();
    request.kind = MessageKind::Information;
    ShowMessage(request);
    Abort();
}

bool IsForegroundTask()
{
    return QApplication::activeWindow() != nullptr;
}
