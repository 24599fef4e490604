// Reads arbitrary bytes as a GIF. Whatever is read must write and read back to the same
// pixels: sound frames keep their data, damaged ones are encoded afresh from what decoded.

#include "components/imaging/CeGIF.h"
#include "platform/Exceptions.h"

#include <cstdlib>
#include <cstring>

namespace {

std::vector<QImage> Pixels(TGIFImage& image)
{
    std::vector<QImage> frames;
    for (int i = 0; i < image.FrameCount(); ++i)
        frames.push_back(image.Frame(i).Bitmap().Image);
    return frames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TGIFImage image;
    try {
        image.LoadFromStream(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const Exception&) {
        return 0;
    }
    // Encoding is linear in the pixels; frames up to the reader's limit are too slow to
    // write on every run.
    for (int i = 0; i < image.FrameCount(); ++i) {
        if (std::int64_t(image.Frame(i).Width()) * image.Frame(i).Height() > (1 << 20))
            return 0;
    }
    std::vector<QImage> before;
    QByteArray written;
    try {
        before = Pixels(image);
        written = image.SaveToStream();
    } catch (const Exception&) {
        return 0;  // nothing to write, or an empty frame
    }
    TGIFImage reread;
    reread.LoadFromStream(written);
    const std::vector<QImage> after = Pixels(reread);
    if (after.size() != before.size())
        std::abort();
    for (std::size_t i = 0; i < before.size(); ++i) {
        for (int y = 0; y < before[i].height(); ++y) {
            if (std::memcmp(before[i].constScanLine(y), after[i].constScanLine(y), std::size_t(before[i].width())) != 0)
                std::abort();
        }
    }
    return 0;
}
