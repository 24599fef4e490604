#include "components/imaging/Icon.h"

#include "platform/ByteReader.h"
#include "platform/Exceptions.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMaxIconSide = 1024;

struct DibHeader {
    int width = 0;
    int height = 0;  // of the colour image, without the mask
    int bits = 0;
    int colorsUsed = 0;
};

bool IsPng(const ByteReader& image)
{
    ByteReader peek = image;
    return peek.Left() >= 24 && QByteArray(reinterpret_cast<const char*>(peek.Take(4)), 4) == "\x89PNG";
}

std::uint32_t BigEndian32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// The header of an entry's bitmap: the pixel size and depth the image itself gives.
DibHeader ReadDibHeader(ByteReader& reader)
{
    const std::uint32_t headerSize = reader.U32();
    if (headerSize < 40)
        RaiseReadError();
    DibHeader h;
    h.width = static_cast<std::int32_t>(reader.U32());
    h.height = static_cast<std::int32_t>(reader.U32()) / 2;
    reader.U16();  // planes
    h.bits = reader.U16();
    const std::uint32_t compression = reader.U32();
    reader.Skip(12);
    h.colorsUsed = static_cast<int>(reader.U32());
    reader.Skip(headerSize - 36);
    if (compression != 0 || h.width <= 0 || h.height <= 0 || h.width > kMaxIconSide || h.height > kMaxIconSide)
        RaiseReadError();
    if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 24 && h.bits != 32)
        RaiseReadError();
    return h;
}

int PixelAt(const std::uint8_t* row, int x, int bits)
{
    switch (bits) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 15;
    default: return row[x];
    }
}

// Size and depth from the image's own header (a PNG's from its first chunk, depth 0).
void ReadImageHeader(ByteReader image, TIcon::Entry& entry)
{
    if (IsPng(image)) {
        const std::uint8_t* p = image.Take(24);
        entry.Width = static_cast<int>(std::min<std::uint32_t>(BigEndian32(p + 16), kMaxIconSide + 1));
        entry.Height = static_cast<int>(std::min<std::uint32_t>(BigEndian32(p + 20), kMaxIconSide + 1));
        entry.ImageBits = 0;
        if (entry.Width > kMaxIconSide || entry.Height > kMaxIconSide || entry.Width == 0 || entry.Height == 0)
            RaiseReadError();
        return;
    }
    const DibHeader h = ReadDibHeader(image);
    entry.Width = h.width;
    entry.Height = h.height;
    entry.ImageBits = h.bits;
}

QImage DecodeDib(ByteReader& reader)
{
    const DibHeader h = ReadDibHeader(reader);
    QList<QRgb> palette;
    if (h.bits <= 8) {
        const int count = h.colorsUsed > 0 && h.colorsUsed <= (1 << h.bits) ? h.colorsUsed : 1 << h.bits;
        const std::uint8_t* p = reader.Take(static_cast<std::size_t>(count) * 4);
        for (int i = 0; i < count; ++i)
            palette.append(qRgb(p[4 * i + 2], p[4 * i + 1], p[4 * i]));
    }
    const std::size_t stride = static_cast<std::size_t>((h.width * h.bits + 31) / 32) * 4;
    const std::uint8_t* pixels = reader.Take(stride * static_cast<std::size_t>(h.height));
    const std::size_t maskStride = static_cast<std::size_t>((h.width + 31) / 32) * 4;
    const std::size_t maskSize = maskStride * static_cast<std::size_t>(h.height);
    const std::uint8_t* mask = reader.Left() >= maskSize ? reader.Take(maskSize) : nullptr;

    QImage image(h.width, h.height, QImage::Format_ARGB32);
    bool anyAlpha = false;
    for (int y = 0; y < h.height; ++y) {
        const std::uint8_t* row = pixels + stride * static_cast<std::size_t>(h.height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < h.width; ++x) {
            if (h.bits == 32) {
                out[x] = qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
                anyAlpha = anyAlpha || row[4 * x + 3] != 0;
            } else if (h.bits == 24) {
                out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            } else {
                const int index = PixelAt(row, x, h.bits);
                out[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            }
        }
    }
    if (mask != nullptr && !anyAlpha) {
        for (int y = 0; y < h.height; ++y) {
            const std::uint8_t* row = mask + maskStride * static_cast<std::size_t>(h.height - 1 - y);
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < h.width; ++x)
                out[x] = PixelAt(row, x, 1) ? 0 : (out[x] | 0xFF000000u);
        }
    }
    return image;
}

}  // namespace

void TIcon::Clear()
{
    data_.clear();
    entries_.clear();
    image_ = QImage();
    displayed_ = -1;
    if (OnChange)
        OnChange();
}

void TIcon::LoadFromBytes(const QByteArray& bytes)
{
    ByteReader reader(bytes);
    reader.U16();
    if (reader.U16() != 1)
        RaiseReadError();
    const int count = reader.U16();
    reader.Require(static_cast<std::size_t>(count) * 16);
    if (count == 0)
        RaiseReadError();
    std::vector<Entry> entries;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> places;
    for (int i = 0; i < count; ++i) {
        Entry e;
        e.Width = reader.U8();
        e.Height = reader.U8();
        reader.Skip(2);
        e.Planes = reader.U16();
        e.BitCount = reader.U16();
        const std::uint32_t size = reader.U32();
        const std::uint32_t offset = reader.U32();
        places.emplace_back(offset, size);
        entries.push_back(e);
    }
    // Each image's own header gives its size and depth; the directory may be wrong. Only
    // the image shown is decoded.
    std::vector<ByteReader> images;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ByteReader whole(bytes);
        whole.Seek(places[i].first);
        images.push_back(whole.Sub(places[i].second));
        ReadImageHeader(images.back(), entries[i]);
    }
    int best = 0;
    for (int i = 1; i < count; ++i) {
        const Entry& a = entries[static_cast<std::size_t>(i)];
        const Entry& b = entries[static_cast<std::size_t>(best)];
        const long areaA = long(a.Width) * a.Height, areaB = long(b.Width) * b.Height;
        if (areaA > areaB || (areaA == areaB && a.ImageBits > b.ImageBits))
            best = i;
    }
    ByteReader shown = images[static_cast<std::size_t>(best)];
    const Entry& shownEntry = entries[static_cast<std::size_t>(best)];
    QImage image;
    if (IsPng(shown)) {
        image = QImage::fromData(shown.Bytes(shown.Left()), "PNG").convertToFormat(QImage::Format_ARGB32);
        if (image.size() != QSize(shownEntry.Width, shownEntry.Height))
            RaiseReadError();
    } else {
        image = DecodeDib(shown);
    }
    data_ = bytes;
    entries_ = std::move(entries);
    image_ = image;
    displayed_ = best;
    if (OnChange)
        OnChange();
}

void TIcon::Assign(const TIcon& source)
{
    if (&source == this)
        return;
    data_ = source.data_;
    entries_ = source.entries_;
    image_ = source.image_;
    displayed_ = source.displayed_;
    if (OnChange)
        OnChange();
}

TBitmap TIcon::ToBitmap(TColor background) const
{
    TBitmap bitmap;
    if (Empty())
        return bitmap;
    bitmap.PixelFormat = pf24bit;
    bitmap.Image = QImage(image_.size(), QImage::Format_RGB32);
    bitmap.Image.fill(TColorToRgb(background));
    QPainter painter(&bitmap.Image);
    painter.drawImage(0, 0, image_);
    painter.end();
    bitmap.Transparent = true;
    bitmap.TransparentColor = background & 0xFFFFFF;
    return bitmap;
}
