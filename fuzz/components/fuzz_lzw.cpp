// Decodes arbitrary LZW data (after four bytes of width, height, depth and interlace), then
// encodes what was decoded: that must decode to the same pixels, undamaged.

#include "components/imaging/GifLzw.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const int width = data[0] + 1, height = data[1] + 1;
    const int bits = data[2] % 8 + 1;
    const bool interlaced = data[3] & 1;
    std::vector<std::uint8_t> pixels(std::size_t(width) * height, 0);
    GifLzwDecode(data + 4, size - 4, width, height, interlaced, bits, pixels.data(), width, true);

    const int encodeBits = bits == 1 ? 1 : bits <= 4 ? 4 : 8;
    std::vector<std::uint8_t> encoded;
    GifLzwEncode(encoded, pixels.data(), width, width, height, encodeBits, interlaced);
    std::vector<std::uint8_t> again(pixels.size(), 0);
    const GifLzwDecodeResult result =
        GifLzwDecode(encoded.data(), encoded.size(), width, height, interlaced, encodeBits, again.data(), width, false);
    if (result.corrupted || again != pixels)
        std::abort();
    return 0;
}
