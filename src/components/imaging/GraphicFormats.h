#pragma once
// The picture formats registered at start: file extensions and clipboard formats, each with
// the reader that turns its bytes into a picture.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

using TPictureReader = std::function<QImage(const QByteArray&)>;

struct TGraphicFormat {
    QString Extension;        // lower case, without the dot; empty for a clipboard format
    QString Description;
    QString ClipboardFormat;  // the MIME type the clipboard carries it under; may be empty
    TPictureReader Read;
};

// Adds a format; a second registration of the same extension or clipboard format replaces
// the first.
void RegisterGraphicFormat(const TGraphicFormat& format);
// The format of a file extension (any case) or of a clipboard format; nullptr when none.
const TGraphicFormat* FindFileFormat(const QString& extension);
const TGraphicFormat* FindClipboardFormat(const QString& clipboardFormat);

// Reads a picture file through the format registered for its extension. Raises EInOutError
// when the file cannot be read and EInvalidGraphic for an unknown extension.
QImage LoadPictureFile(const QString& fileName);

// The GIF image under "gif" ("CompuServe GIF Image") and the clipboard format "GIF Image".
void RegisterGIFFormat();
