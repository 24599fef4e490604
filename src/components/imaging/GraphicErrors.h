#pragma once
// The picture code's errors and their texts.

#include "platform/Exceptions.h"

// A bitmap that is no valid picture.
class EInvalidGraphic : public Exception {
public:
    using Exception::Exception;
};

// An operation a picture cannot do, or picture data that cannot be decoded or encoded.
class EInvalidGraphicOperation : public Exception {
public:
    using Exception::Exception;
};

// Texts of the GIF image, translated.
QString SGIFUnknownVersion();
QString SGIFEncodeError();
QString SGIFDecodeError();
QString SGIFBadCodeSize();
QString SGIFWrongColorCount();
QString SGIFUnknownExtension(int label);  // "Unrecognized extension block: %.2x"
QString SGIFNoData();
QString SGIFCannotResize();
QString SGIFTooLarge();
QString SInvalidBitmap();
QString SInvalidAssign(const QString& source, const QString& dest);

[[noreturn]] void RaiseGIFError(const QString& message);

// The stop for operations that are not available. The picture code has no windows: by
// default this is the silent abort; the component layer installs the stop that first shows
// "Function not yet implemented".
[[noreturn]] void ImagingNotImplemented();
void SetImagingNotImplementedHandler(void (*handler)());
