#include "components/imaging/GraphicFormats.h"

#include "components/imaging/CeGIF.h"
#include "components/imaging/GraphicErrors.h"
#include "platform/ByteReader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {

std::vector<TGraphicFormat>& Formats()
{
    static std::vector<TGraphicFormat> formats;
    return formats;
}

}  // namespace

void RegisterGraphicFormat(const TGraphicFormat& format)
{
    auto& formats = Formats();
    formats.erase(std::remove_if(formats.begin(), formats.end(),
                                 [&](const TGraphicFormat& f) {
                                     return (!format.Extension.isEmpty() && f.Extension == format.Extension)
                                         || (!format.ClipboardFormat.isEmpty()
                                             && f.ClipboardFormat == format.ClipboardFormat);
                                 }),
                  formats.end());
    formats.push_back(format);
}

const TGraphicFormat* FindFileFormat(const QString& extension)
{
    for (const TGraphicFormat& f : Formats()) {
        if (!f.Extension.isEmpty() && f.Extension == extension.toLower())
            return &f;
    }
    return nullptr;
}

const TGraphicFormat* FindClipboardFormat(const QString& clipboardFormat)
{
    for (const TGraphicFormat& f : Formats()) {
        if (!f.ClipboardFormat.isEmpty() && f.ClipboardFormat == clipboardFormat)
            return &f;
    }
    return nullptr;
}

QImage LoadPictureFile(const QString& fileName)
{
    const TGraphicFormat* format = FindFileFormat(QFileInfo(fileName).suffix());
    if (format == nullptr)
        throw EInvalidGraphic(SInvalidBitmap());
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(file.errorString());
    return format->Read(file.readAll());
}

void RegisterGIFFormat()
{
    if (FindFileFormat(QStringLiteral("gif")) != nullptr)
        return;
    TGraphicFormat file;
    file.Extension = QStringLiteral("gif");
    file.Description = QStringLiteral("CompuServe GIF Image");
    file.Read = [](const QByteArray& bytes) {
        TGIFImage image;
        image.LoadFromStream(bytes);
        return image.AssignToBitmap().Image;
    };
    RegisterGraphicFormat(file);
    TGraphicFormat clipboard;
    clipboard.Description = file.Description;
    clipboard.ClipboardFormat = GIFClipboardFormat();
    // Clipboard data holds the byte count before the GIF.
    clipboard.Read = [](const QByteArray& bytes) {
        TGIFImage image;
        ByteReader reader(bytes);
        image.ReadData(reader);
        return image.AssignToBitmap().Image;
    };
    RegisterGraphicFormat(clipboard);
}
