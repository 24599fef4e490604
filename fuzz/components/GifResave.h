#pragma once
// The GIF image's resave promise, checked by fuzz_gif and by the unit tests of its findings:
// an image that reads, with every frame's bitmap taken (as showing it does), either writes a
// GIF that reads again with the same frames, or refuses with one of the writer's own errors
// and writes nothing. Read back, every frame shows the same colours and is sound; a frame
// that was sound keeps its encoded data byte for byte.

#include "components/imaging/CeGIF.h"
#include "components/imaging/GraphicErrors.h"

#include <optional>
#include <string>
#include <vector>

namespace gif_resave {

struct Outcome {
    bool written = false;  // false: refused with the writer's error
    std::string fault;     // empty when the promise holds
};

// Each pixel's colour, row by row.
inline std::vector<QRgb> Colours(const TBitmap& bitmap)
{
    const QImage& image = bitmap.Image;
    const QList<QRgb> table = image.colorTable();
    const bool indexed = image.format() == QImage::Format_Indexed8;
    std::vector<QRgb> colours;
    colours.reserve(std::size_t(image.width()) * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (!indexed)
                colours.push_back(image.pixel(x, y) & 0xFFFFFF);
            else
                colours.push_back(row[x] < table.size() ? table[row[x]] & 0xFFFFFF : 0x1000000u);
        }
    }
    return colours;
}

// Checks the promise for an image that has just been read.
inline Outcome Check(TGIFImage& image)
{
    struct Before {
        int width, height;
        std::vector<QRgb> colours;
        std::optional<QByteArray> data;  // the encoded data of a sound frame read from a file
    };
    std::vector<Before> before;
    for (int i = 0; i < image.FrameCount(); ++i) {
        TGIFFrame& frame = image.Frame(i);
        const TBitmap& bitmap = frame.Bitmap();
        before.push_back({bitmap.Width(), bitmap.Height(), Colours(bitmap),
                          frame.Corrupted || !frame.HasData() ? std::nullopt
                                                              : std::optional<QByteArray>(frame.Item().Data)});
    }
    Outcome outcome;
    QByteArray written;
    try {
        written = image.SaveToStream();
    } catch (const EInvalidGraphicOperation& e) {
        if (e.Message() != SGIFEncodeError() && e.Message() != SGIFNoData())
            outcome.fault = "save refused with \"" + e.Message().toStdString() + "\"";
        return outcome;
    }
    outcome.written = true;
    TGIFImage reread;
    try {
        reread.LoadFromStream(written);
    } catch (const Exception& e) {
        outcome.fault = "what was written does not read: " + e.Message().toStdString();
        return outcome;
    }
    if (reread.FrameCount() != image.FrameCount()) {
        outcome.fault = "frame count changed";
        return outcome;
    }
    for (int i = 0; i < reread.FrameCount(); ++i) {
        TGIFFrame& frame = reread.Frame(i);
        const TBitmap& bitmap = frame.Bitmap();
        const Before& b = before[std::size_t(i)];
        const std::string name = "frame " + std::to_string(i);
        if (bitmap.Width() != b.width || bitmap.Height() != b.height)
            outcome.fault = name + " changed its size";
        else if (Colours(bitmap) != b.colours)
            outcome.fault = name + " changed its colours";
        else if (frame.Corrupted)
            outcome.fault = name + " was written damaged";
        else if (b.data && frame.Item().Data != *b.data)
            outcome.fault = name + " was sound and changed its data";
        if (!outcome.fault.empty())
            return outcome;
    }
    return outcome;
}

}  // namespace gif_resave
