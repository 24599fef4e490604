#include "components/imaging/GraphicErrors.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("CeGIF", text);
}

void (*notImplementedHandler)() = nullptr;

}  // namespace

QString SGIFUnknownVersion() { return Tr("Unknown GIF version"); }
QString SGIFEncodeError() { return Tr("GIF image encoding error"); }
QString SGIFDecodeError() { return Tr("GIF encoded data is corrupt"); }
QString SGIFBadCodeSize() { return Tr("GIF code size not in range 2 to 9"); }
QString SGIFWrongColorCount() { return Tr("Wrong number of colors; must be a power of 2"); }
QString SGIFNoData() { return Tr("No GIF Data to write"); }
QString SGIFCannotResize() { return Tr("Cannot change the Size of a GIF image"); }
QString SGIFTooLarge() { return Tr("GIF image is too large"); }
QString SInvalidBitmap() { return QCoreApplication::translate("Graphics", "Bitmap image is not valid"); }

QString SGIFUnknownExtension(int label)
{
    return Tr("Unrecognized extension block: %1").arg(label & 0xFF, 2, 16, QLatin1Char('0'));
}

QString SInvalidAssign(const QString& source, const QString& dest)
{
    return QCoreApplication::translate("Classes", "Cannot assign a %1 to a %2").arg(source, dest);
}

void RaiseGIFError(const QString& message)
{
    throw EInvalidGraphicOperation(message);
}

void ImagingNotImplemented()
{
    if (notImplementedHandler != nullptr)
        notImplementedHandler();
    Abort();
}

void SetImagingNotImplementedHandler(void (*handler)())
{
    notImplementedHandler = handler;
}
