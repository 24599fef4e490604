#pragma once
// giflib as the reference decoder and encoder that our GIF code is compared with (tests and
// benchmarks only; the program never links it).

#include <QByteArray>
#include <QList>
#include <QRgb>

#include <cstdint>
#include <optional>
#include <vector>

struct GiflibFrame {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> pixels;  // rows top to bottom, interlacing undone
};

// Every frame of a GIF held in memory; nothing when giflib refuses it.
std::optional<std::vector<GiflibFrame>> GiflibDecode(const QByteArray& gif);

// Decodes a GIF held in memory and only counts its frames (-1 when refused): giflib's own
// decoding work, for timing.
int GiflibSlurp(const QByteArray& gif);

// A single-frame GIF of the given indices (one byte per pixel) and palette (2^n entries).
QByteArray GiflibEncode(int width, int height, const QList<QRgb>& palette, const std::uint8_t* pixels);
