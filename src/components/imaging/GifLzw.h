#pragma once
// The variable-length-code LZW coding of GIF image data, over plain byte buffers. Pixels
// are one byte per pixel (a palette index), rows top to bottom, `stride` bytes apart.
// Codes are at most 12 bits; the code table has 4096 entries.

#include <cstddef>
#include <cstdint>
#include <vector>

// The rows in the order they are stored: 0, 1, 2 ... or the four GIF interlace passes
// (0, 8, 16 ...; 4, 12 ...; 2, 6 ...; 1, 3 ...). Passes an image is too low for are skipped.
class GifRowStepper {
public:
    GifRowStepper(int height, bool interlaced) : height_(height), interlaced_(interlaced) {}
    int Row() const { return row_; }
    bool Done() const { return row_ >= height_; }
    void Next();

private:
    int height_;
    bool interlaced_;
    int row_ = 0;
    int pass_ = 0;
};

struct GifLzwDecodeResult {
    bool corrupted = false;
    // Pixels written, in storage order (interlace order for an interlaced frame).
    std::size_t pixels = 0;
};

// Decodes one frame's stored data (the minimum code size byte, then length-prefixed data
// sub-blocks) into a width x height block of pixels, which the caller has zero-filled.
// Every pixel is masked to `frameBits` bits. Reading stops at the end code, at the zero
// sub-block, at the end of `data`, or when the image is full. Damage (a code size outside
// 2..11 (read as 2 or 9), data ending before the image is full, a code beyond the next free code, a width of
// 0) marks the result corrupted and keeps the pixels decoded so far; without
// `tolerateDamage` it raises EInvalidGraphicOperation instead. A frame of height 0 decodes
// nothing.
GifLzwDecodeResult GifLzwDecode(const std::uint8_t* data, std::size_t size, int width, int height, bool interlaced,
                                int frameBits, std::uint8_t* pixels, std::ptrdiff_t stride, bool tolerateDamage);

// Encodes a width x height block of pixels of `bitsPerPixel` (1, 4 or 8) bits: the minimum
// code size byte (2 for 1-bit images, otherwise the bits per pixel), the data sub-blocks of
// up to 255 bytes, and the zero terminator, appended to `out`. A clear code starts the data
// and follows each time code 4094 has been assigned. Rows go in interlace order when
// `interlaced`.
void GifLzwEncode(std::vector<std::uint8_t>& out, const std::uint8_t* pixels, std::ptrdiff_t stride, int width,
                  int height, int bitsPerPixel, bool interlaced);
