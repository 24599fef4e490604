#include "components/imaging/CeGraph.h"

#include "components/imaging/GraphicErrors.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::uint8_t kLevels4[4] = {0, 85, 170, 255};
constexpr std::uint8_t kLevels6[6] = {0, 51, 102, 153, 204, 255};
constexpr std::uint8_t kLevels7[7] = {0, 43, 85, 128, 170, 213, 255};
constexpr std::uint8_t kLevels8[8] = {0, 36, 73, 109, 146, 182, 219, 255};

struct LevelTables {
    std::array<std::uint8_t, 256> nearest4, nearest6, nearest7, nearest8;
};

std::array<std::uint8_t, 256> BuildNearest(const std::uint8_t* levels, int count)
{
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) {
        int best = 0;
        for (int i = 1; i < count; ++i) {
            if (std::abs(v - levels[i]) < std::abs(v - levels[best]))
                best = i;
        }
        table[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(best);
    }
    return table;
}

const LevelTables& Levels()
{
    static const LevelTables tables{BuildNearest(kLevels4, 4), BuildNearest(kLevels6, 6), BuildNearest(kLevels7, 7),
                                    BuildNearest(kLevels8, 8)};
    return tables;
}

struct Reduced {
    TBitmap bitmap;
    int used = 0;  // for the header's used-colour count; 0 = the whole palette
};

// An 8-bit result of the source's size with a 256-entry palette.
Reduced NewResult(const QImage& source, const QList<QRgb>& palette, int used)
{
    Reduced r;
    r.bitmap = NewIndexedBitmap(source.width(), source.height(), pf8bit, palette);
    r.used = used;
    return r;
}

// ---- method 0: the most frequent colours ----

struct HistEntry {
    std::uint8_t r, g, b;
    int index;
    std::uint32_t count;
};

class Histogram {
public:
    static constexpr int kSlots = 5191;
    static constexpr int kMaxEntries = 2049;

    // Counts the masked colours; false when more than kMaxEntries would be needed.
    bool Count(const QImage& image, std::uint8_t mr, std::uint8_t mg, std::uint8_t mb)
    {
        entries.clear();
        slotTable.assign(kSlots, 0xFFFF);
        pixelEntry.assign(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()), 0);
        std::size_t p = 0;
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x, ++p) {
                const std::uint8_t r = qRed(row[x]) & mr, g = qGreen(row[x]) & mg, b = qBlue(row[x]) & mb;
                const int e = Find(r, g, b);
                if (e < 0)
                    return false;
                ++entries[static_cast<std::size_t>(e)].count;
                pixelEntry[p] = static_cast<std::uint16_t>(e);
            }
        }
        return true;
    }

    std::vector<HistEntry> entries;
    std::vector<std::uint16_t> pixelEntry;

private:
    int Find(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        int slot = static_cast<int>((static_cast<unsigned>(r + g) * (g + b) * (b + r)) % kSlots);
        while (slotTable[static_cast<std::size_t>(slot)] != 0xFFFF) {
            const HistEntry& e = entries[slotTable[static_cast<std::size_t>(slot)]];
            if (e.r == r && e.g == g && e.b == b)
                return slotTable[static_cast<std::size_t>(slot)];
            slot = slot + 1 == kSlots ? 0 : slot + 1;
        }
        if (static_cast<int>(entries.size()) == kMaxEntries)
            return -1;
        slotTable[static_cast<std::size_t>(slot)] = static_cast<std::uint16_t>(entries.size());
        entries.push_back({r, g, b, -1, 0});
        return static_cast<int>(entries.size()) - 1;
    }

    std::vector<std::uint16_t> slotTable;
};

Reduced ReduceHistogram(const QImage& image, int paletteSize)
{
    Histogram hist;
    std::uint8_t mask[3] = {255, 255, 255};  // red, green, blue
    while (!hist.Count(image, mask[0], mask[1], mask[2])) {
        const int lose = mask[1] > mask[0] ? 1 : mask[0] <= mask[2] ? 2 : 0;
        mask[lose] = static_cast<std::uint8_t>(mask[lose] << 1);
    }
    QList<QRgb> palette(paletteSize, qRgb(128, 128, 128));
    std::vector<std::uint32_t> left;
    for (const HistEntry& e : hist.entries)
        left.push_back(e.count);
    int built = 0;
    while (built < paletteSize) {
        const auto best = std::max_element(left.begin(), left.end());
        if (best == left.end() || *best == 0)
            break;
        HistEntry& e = hist.entries[static_cast<std::size_t>(best - left.begin())];
        e.index = built;
        palette[built++] = qRgb(e.r, e.g, e.b);
        *best = 0;
    }
    for (HistEntry& e : hist.entries) {
        if (e.index >= 0)
            continue;
        long bound = 3L * 65536;
        for (int i = 0; i < built; ++i) {
            const long dr = e.r - qRed(palette[i]), dg = e.g - qGreen(palette[i]), db = e.b - qBlue(palette[i]);
            const long d = dr * dr + dg * dg + db * db;
            if (d < bound) {
                bound = d;
                e.index = i;
            }
        }
    }
    Reduced r = NewResult(image, palette, paletteSize);
    std::size_t p = 0;
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* row = r.bitmap.Image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, ++p)
            row[x] = static_cast<std::uint8_t>(hist.entries[hist.pixelEntry[p]].index);
    }
    return r;
}

// ---- method 1: median cut ----

struct Box {
    std::array<int, 3> min{0, 0, 0};
    std::array<int, 3> range{255, 255, 255};
    std::vector<int> cells;
    std::uint64_t pixels = 0;
};

int Nibble(int cell, int channel)
{
    return (cell >> (8 - 4 * channel)) & 15;
}

// The box and channel with the largest range among boxes of more than one cell.
bool ChooseSplit(const std::vector<Box>& boxes, std::size_t& box, int& channel)
{
    int best = -1;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].cells.size() < 2)
            continue;
        for (int c = 0; c < 3; ++c) {
            if (boxes[i].range[static_cast<std::size_t>(c)] > best) {
                best = boxes[i].range[static_cast<std::size_t>(c)];
                box = i;
                channel = c;
            }
        }
    }
    return best >= 0;
}

void SplitBox(std::vector<Box>& boxes, std::size_t index, int channel, const std::vector<std::uint64_t>& counts)
{
    Box& old = boxes[index];
    std::sort(old.cells.begin(), old.cells.end(), [channel](int a, int b) {
        return Nibble(a, channel) != Nibble(b, channel) ? Nibble(a, channel) < Nibble(b, channel) : a < b;
    });
    const std::uint64_t half = old.pixels / 2;
    std::size_t k = 1;
    std::uint64_t sum = counts[static_cast<std::size_t>(old.cells[0])];
    while (k + 1 < old.cells.size() && sum + counts[static_cast<std::size_t>(old.cells[k])] <= half)
        sum += counts[static_cast<std::size_t>(old.cells[k++])];
    Box split;
    split.cells.assign(old.cells.begin() + static_cast<std::ptrdiff_t>(k), old.cells.end());
    old.cells.resize(k);
    split.pixels = old.pixels - sum;
    old.pixels = sum;
    split.min = old.min;
    split.range = old.range;
    const auto c = static_cast<std::size_t>(channel);
    split.min[c] = Nibble(split.cells.front(), channel) * 16;
    split.range[c] = (old.min[c] + old.range[c] - split.min[c]) & 0xFF;
    old.range[c] = (Nibble(old.cells.back(), channel) * 16 - old.min[c]) & 0xFF;
    boxes.push_back(std::move(split));
}

Reduced ReduceMedianCut(const QImage& image)
{
    std::vector<std::uint64_t> counts(4096, 0);
    std::vector<std::uint16_t> pixelCell;
    pixelCell.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int cell = (qRed(row[x]) >> 4) << 8 | (qGreen(row[x]) >> 4) << 4 | qBlue(row[x]) >> 4;
            ++counts[static_cast<std::size_t>(cell)];
            pixelCell.push_back(static_cast<std::uint16_t>(cell));
        }
    }
    std::vector<Box> boxes(1);
    for (int cell = 0; cell < 4096; ++cell) {
        if (counts[static_cast<std::size_t>(cell)] > 0)
            boxes[0].cells.push_back(cell);
    }
    boxes[0].pixels = pixelCell.size();
    std::size_t box = 0;
    int channel = 0;
    while (boxes.size() < 256 && ChooseSplit(boxes, box, channel))
        SplitBox(boxes, box, channel, counts);

    QList<QRgb> palette(256, qRgb(0, 0, 0));
    std::vector<std::uint8_t> cellBox(4096, 0);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        std::array<int, 3> sum{0, 0, 0};
        for (int cell : boxes[i].cells) {
            cellBox[static_cast<std::size_t>(cell)] = static_cast<std::uint8_t>(i);
            for (int c = 0; c < 3; ++c)
                sum[static_cast<std::size_t>(c)] += Nibble(cell, c) * 16 + 15;
        }
        const int n = std::max<int>(1, static_cast<int>(boxes[i].cells.size()));
        const int r = sum[0] / n, g = sum[1] / n, b = sum[2] / n;
        palette[static_cast<qsizetype>(i)] = r < 17 && g < 17 && b < 17 ? qRgb(0, 0, 0) : qRgb(r, g, b);
    }
    Reduced result = NewResult(image, palette, static_cast<int>(boxes.size()));
    std::size_t p = 0;
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* row = result.bitmap.Image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            row[x] = cellBox[pixelCell[p++]];
    }
    return result;
}

// ---- methods 2 to 5: fixed palettes ----

template <typename PixelIndex>
Reduced MapPixels(const QImage& image, const QList<QRgb>& palette, int used, PixelIndex index)
{
    Reduced r = NewResult(image, palette, used);
    for (int y = 0; y < image.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* dst = r.bitmap.Image.scanLine(y);
        // Rows are processed in stored (bottom-up) order, which the ramp pattern follows.
        const int processed = image.height() - 1 - y;
        for (int x = 0; x < image.width(); ++x)
            dst[x] = static_cast<std::uint8_t>(index(src[x], x, processed));
    }
    return r;
}

Reduced ReduceFixed(const QImage& image, TColorReduction method)
{
    const LevelTables& t = Levels();
    QList<QRgb> palette(256, qRgb(128, 128, 128));
    switch (method) {
    case rmPalette784:
        for (int i = 0; i < 224; ++i)
            palette[i] = qRgb(kLevels7[i / 32], kLevels8[(i / 4) % 8], kLevels4[i % 4]);
        return MapPixels(image, palette, 224, [&t](QRgb c, int, int) {
            return t.nearest7[qRed(c)] * 32 + t.nearest8[qGreen(c)] * 4 + t.nearest4[qBlue(c)];
        });
    case rmPalette666:
        for (int i = 0; i < 216; ++i)
            palette[i] = qRgb(kLevels6[i / 36], kLevels6[(i / 6) % 6], kLevels6[i % 6]);
        return MapPixels(image, palette, 216, [&t](QRgb c, int, int) {
            return t.nearest6[qRed(c)] * 36 + t.nearest6[qGreen(c)] * 6 + t.nearest6[qBlue(c)];
        });
    case rmRamps:
        for (int k = 0; k < 64; ++k) {
            palette[k] = qRgb(4 * k, 0, 0);
            palette[64 + k] = qRgb(0, 4 * k, 0);
            palette[128 + k] = qRgb(0, 0, 4 * k);
        }
        for (int k = 192; k < 256; ++k)
            palette[k] = qRgb(0, 0, 0);
        return MapPixels(image, palette, 192, [](QRgb c, int x, int y) {
            switch ((x + y) % 3) {
            case 0: return qRed(c) / 4;
            case 1: return 64 + qGreen(c) / 4;
            default: return 128 + qBlue(c) / 4;
            }
        });
    default:
        for (int i = 0; i < 256; ++i)
            palette[i] = qRgb(i, i, i);
        return MapPixels(image, palette, 256, [](QRgb c, int, int) {
            return (qRed(c) * 77 + qGreen(c) * 150 + qBlue(c) * 29) >> 8;
        });
    }
}

// ---- 1 and 4 bits: the nearest entry of a standard palette ----

QList<QRgb> StandardPalette(TPixelFormat format)
{
    if (format == pf1bit)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
            qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

TBitmap MapToStandardPalette(const QImage& image, TPixelFormat format)
{
    const QList<QRgb> palette = StandardPalette(format);
    TBitmap result = NewIndexedBitmap(image.width(), image.height(), format, palette);
    for (int y = 0; y < image.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* dst = result.Image.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            int best = 0;
            long bound = 3L * 65536;
            for (qsizetype i = 0; i < palette.size(); ++i) {
                const long dr = qRed(src[x]) - qRed(palette[i]), dg = qGreen(src[x]) - qGreen(palette[i]),
                           db = qBlue(src[x]) - qBlue(palette[i]);
                if (dr * dr + dg * dg + db * db < bound) {
                    bound = dr * dr + dg * dg + db * db;
                    best = static_cast<int>(i);
                }
            }
            dst[x] = static_cast<std::uint8_t>(best);
        }
    }
    return result;
}

Reduced Reduce(const TBitmap& source, TPixelFormat target, TColorReduction method)
{
    if (source.Empty())
        throw EInvalidGraphic(SInvalidBitmap());
    if (target != pf1bit && target != pf4bit && target != pf8bit && target != pf24bit)
        ImagingNotImplemented();
    if (source.PixelFormat == target && method != rmGrayscale)
        return {source, 0};
    const QImage rgb = source.Image.convertToFormat(QImage::Format_RGB32);
    if (target == pf24bit) {
        TBitmap result;
        result.PixelFormat = pf24bit;
        result.Image = rgb;
        return {result, 0};
    }
    if (target != pf8bit)
        return {MapToStandardPalette(rgb, target), 0};
    switch (method) {
    case rmHistogram: return ReduceHistogram(rgb, 256);
    case rmMedianCut: return ReduceMedianCut(rgb);
    default: return ReduceFixed(rgb, method);
    }
}

void PutU16(QByteArray& out, int v)
{
    out.append(static_cast<char>(v & 0xFF)).append(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(QByteArray& out, std::uint32_t v)
{
    PutU16(out, static_cast<int>(v & 0xFFFF));
    PutU16(out, static_cast<int>(v >> 16));
}

// One pixel row packed at the bitmap's depth.
void PackRow(QByteArray& out, const QImage& image, int y, int bits, int stride)
{
    QByteArray row(stride, '\0');
    auto* dst = reinterpret_cast<std::uint8_t*>(row.data());
    const std::uint8_t* src = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
        if (bits == 24) {
            const QRgb c = reinterpret_cast<const QRgb*>(src)[x];
            dst[3 * x] = static_cast<std::uint8_t>(qBlue(c));
            dst[3 * x + 1] = static_cast<std::uint8_t>(qGreen(c));
            dst[3 * x + 2] = static_cast<std::uint8_t>(qRed(c));
        } else if (bits == 8) {
            dst[x] = src[x];
        } else if (bits == 4) {
            dst[x / 2] |= static_cast<std::uint8_t>((src[x] & 15) << (x % 2 == 0 ? 4 : 0));
        } else {
            dst[x / 8] |= static_cast<std::uint8_t>((src[x] & 1) << (7 - x % 8));
        }
    }
    out.append(row);
}

}  // namespace

int NearestLevel(int levels, int value)
{
    const LevelTables& t = Levels();
    const auto v = static_cast<std::size_t>(std::clamp(value, 0, 255));
    switch (levels) {
    case 4: return t.nearest4[v];
    case 6: return t.nearest6[v];
    case 7: return t.nearest7[v];
    default: return t.nearest8[v];
    }
}

QByteArray BitmapToBmp(const TBitmap& bitmap, int usedColors)
{
    const int bits = bitmap.PixelFormat == pf24bit || bitmap.Image.format() != QImage::Format_Indexed8
                         ? 24
                         : PixelFormatBits(bitmap.PixelFormat);
    const QImage image =
        bits == 24 ? bitmap.Image.convertToFormat(QImage::Format_RGB32) : bitmap.Image;
    const int stride = ((image.width() * bits + 31) / 32) * 4;
    const int paletteEntries = bits <= 8 ? 1 << bits : 0;
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(paletteEntries) * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride) * static_cast<std::uint32_t>(image.height());
    QByteArray out("BM");
    PutU32(out, offset + imageSize);
    PutU32(out, 0);
    PutU32(out, offset);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(image.width()));
    PutU32(out, static_cast<std::uint32_t>(image.height()));
    PutU16(out, 1);
    PutU16(out, bits);
    PutU32(out, 0);
    PutU32(out, imageSize);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>(bits <= 8 ? usedColors : 0));
    PutU32(out, 0);
    for (int i = 0; i < paletteEntries; ++i) {
        const QRgb c = i < image.colorCount() ? image.color(i) : qRgb(0, 0, 0);
        out.append(static_cast<char>(qBlue(c))).append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c))).append('\0');
    }
    for (int y = image.height() - 1; y >= 0; --y)
        PackRow(out, image, y, bits, stride);
    return out;
}

TBitmap ReduceColors(const TBitmap& source, TPixelFormat target, TColorReduction method)
{
    return Reduce(source, target, method).bitmap;
}

QByteArray BitmapToMemoryStream(const TBitmap& source, TPixelFormat target, TColorReduction method)
{
    const Reduced r = Reduce(source, target, method);
    return BitmapToBmp(r.bitmap, r.used);
}

QByteArray BitmapToMemoryStreamByColors(const TBitmap& source, int colors)
{
    const TPixelFormat format = colors <= 2 ? pf1bit : colors <= 16 ? pf4bit : colors <= 256 ? pf8bit : pf24bit;
    return BitmapToMemoryStream(source, format, rmDefault);
}
