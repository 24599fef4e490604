// Reads arbitrary bytes as a GIF, takes every frame's bitmap as showing the image does, and
// saves it: what is written must read back with the same colours in every frame and the
// same data in every sound one, or the save must refuse with the writer's own error.

#include "GifResave.h"
#include "platform/Exceptions.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TGIFImage image;
    try {
        image.LoadFromStream(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const Exception&) {
        return 0;
    }
    // Decoding and encoding are linear in the pixels; large frames only slow the search
    // down, since what can go wrong shows in small ones as well.
    std::int64_t pixels = 0;
    for (int i = 0; i < image.FrameCount(); ++i)
        pixels += std::int64_t(image.Frame(i).Width()) * image.Frame(i).Height();
    if (pixels > (1 << 16))
        return 0;
    gif_resave::Outcome outcome;
    try {
        outcome = gif_resave::Check(image);
    } catch (const EInvalidGraphic&) {
        return 0;  // a bitmap the memory could not hold
    }
    if (!outcome.fault.empty()) {
        std::fprintf(stderr, "GIF resave: %s\n", outcome.fault.c_str());
        std::abort();
    }
    return 0;
}
