#include "components/imaging/ClipIcon.h"

#include "components/imaging/GraphicFormats.h"
#include "components/imaging/Icon.h"

QString IconClipboardFormat()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"Quelvar Icon\"");
}

void RegisterIconClipboardFormat()
{
    TGraphicFormat format;
    format.Description = QStringLiteral("Icon");
    format.ClipboardFormat = IconClipboardFormat();
    format.Read = [](const QByteArray& bytes) {
        TIcon icon;
        icon.LoadFromBytes(bytes);
        return icon.Image();
    };
    RegisterGraphicFormat(format);
}
