#include "components/imaging/CeGIF.h"

#include "components/imaging/AniFile.h"
#include "components/imaging/CeGraph.h"
#include "components/imaging/GifLzw.h"
#include "components/imaging/GraphicErrors.h"
#include "components/imaging/Icon.h"
#include "platform/ByteReader.h"

#include <QMimeData>
#include <QPainter>

#include <algorithm>

bool TGIFImage::TolerateDamage = true;

namespace {

constexpr std::uint64_t kMaxFramePixels = std::uint64_t(1) << 28;

// The smallest n >= 1 with 2^n >= count.
int BitsForCount(std::uint32_t count)
{
    int bits = 1;
    while (bits < 8 && (1u << bits) < count)
        ++bits;
    return bits;
}

void PutU16(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(QByteArray& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A colour table padded to the 2^bits entries its flags announce, with the grey that the
// decoded bitmap shows for indices beyond the table.
void PutColorTable(QByteArray& out, const TGIFColorMap& map, int bits)
{
    const std::uint32_t count = std::min<std::uint32_t>(map.Count, 256);
    out.append(reinterpret_cast<const char*>(map.Colors.data()), static_cast<qsizetype>(count * 3));
    out.append(static_cast<qsizetype>(((1u << bits) - count) * 3), '\x80');
}

// The colour table and bit count as the reader gets them back from PutColorTable.
TGIFColorMap AsWritten(const TGIFColorMap& map)
{
    TGIFColorMap written;
    written.Count = 1u << BitsForCount(map.Count);
    std::fill(written.Colors.begin(), written.Colors.end(), std::uint8_t(128));
    std::copy_n(map.Colors.begin(), std::min<std::uint32_t>(map.Count, 256) * 3, written.Colors.begin());
    return written;
}

bool SameColors(const TGIFColorMap& a, const TGIFColorMap& b)
{
    return a.Count == b.Count && std::equal(a.Colors.begin(), a.Colors.begin() + a.Count * 3, b.Colors.begin());
}

// Data as sub-blocks: empty strings are left out, long ones are split, then the terminator.
void PutSubBlocks(QByteArray& out, const QList<QByteArray>& blocks)
{
    for (const QByteArray& block : blocks) {
        for (qsizetype at = 0; at < block.size(); at += 255) {
            const qsizetype n = std::min<qsizetype>(255, block.size() - at);
            out.append(static_cast<char>(n));
            out.append(block.constData() + at, n);
        }
    }
    out.append('\0');
}

// Sub-blocks up to a zero length or the end of the data; each is one string.
QList<QByteArray> ReadSubBlocks(ByteReader& reader)
{
    QList<QByteArray> blocks;
    while (!reader.AtEnd()) {
        const std::size_t n = reader.U8();
        if (n == 0)
            break;
        blocks.append(reader.Bytes(std::min(n, reader.Left())));
    }
    return blocks;
}

// The minimum code size byte and the data sub-blocks, copied as they are. Returns true when
// the data is damaged (a sub-block cut short, or no terminator).
bool ReadImageData(ByteReader& reader, QByteArray& out)
{
    if (reader.AtEnd())
        return true;
    out.append(static_cast<char>(reader.U8()));
    while (!reader.AtEnd()) {
        const std::size_t n = reader.U8();
        out.append(static_cast<char>(n));
        if (n == 0)
            return false;
        const std::size_t m = std::min(n, reader.Left());
        out.append(reinterpret_cast<const char*>(reader.Take(m)), static_cast<qsizetype>(m));
        if (m < n)
            return true;
    }
    return true;
}

// One extension after its "!"; nothing for kinds the image does not keep apart from the
// loop extension, which sets the image's looping.
std::optional<TExtension> ReadExtension(ByteReader& reader, TGIFImage& image)
{
    const int label = reader.U8();
    TExtension ext;
    if (label == 0xF9) {
        const std::size_t size = reader.U8();
        const QByteArray body = reader.Bytes(size);
        ext.Kind = ekGraphicControl;
        ext.Header = QByteArray(6, '\0');
        ext.Header[0] = 4;
        for (int i = 0; i < 4 && i < body.size(); ++i)
            ext.Header[i + 1] = body[i];
        ReadSubBlocks(reader);
        return ext;
    }
    if (label == 0x01 || label == 0xFF) {
        const std::size_t size = reader.U8();
        ext.Kind = label == 0x01 ? ekPlainText : ekApplication;
        ext.Header = QByteArray(1, static_cast<char>(size)) + reader.Bytes(size);
        ext.Data = ReadSubBlocks(reader);
        const QByteArray id = ext.Header.mid(1, 11);
        if (label == 0xFF && (id == "NETSCAPE2.0" || id == "ANIMEXTS1.0") && !ext.Data.isEmpty()
            && ext.Data[0].size() >= 3 && ext.Data[0][0] == 1) {
            const QByteArray& b = ext.Data[0];
            image.Looping = true;
            image.RepeatCount = std::min(30000, static_cast<std::uint8_t>(b[1]) | static_cast<std::uint8_t>(b[2]) << 8);
        }
        return ext;
    }
    if (label == 0xFE) {
        ext.Kind = ekComment;
        ext.Data = ReadSubBlocks(reader);
        return ext;
    }
    // Extensions this program does not know are skipped whole.
    ReadSubBlocks(reader);
    return std::nullopt;
}

int NextSeparator(ByteReader& reader)
{
    return reader.AtEnd() ? ';' : reader.U8();
}

QStringList LinesOf(const QList<QByteArray>& blocks)
{
    QStringList lines;
    for (const QByteArray& b : blocks)
        lines.append(QString::fromLatin1(b));
    return lines;
}

// A grey ramp for frames that come with no colour table at all.
void SetDefaultGreyTable(TGIFItem& item)
{
    const int codeSize = item.Data.isEmpty() ? 2 : static_cast<std::uint8_t>(item.Data[0]);
    item.BitsPerPixel = std::clamp(codeSize <= 2 ? 1 : codeSize, 1, 8);
    const std::uint32_t count = 1u << item.BitsPerPixel;
    item.ColorMap.Count = count;
    for (std::uint32_t i = 0; i < count; ++i) {
        const auto grey = static_cast<std::uint8_t>(i * 255 / (count - 1));
        std::fill_n(item.ColorMap.Colors.begin() + i * 3, 3, grey);
    }
}

// True when a frame written without a local table reads back with its own colours: the
// global table's when there is one, else the grey ramp its code size gives.
bool GlobalTableFits(const TGIFItem& item, const TGIFData& data)
{
    TGIFItem reread;
    if (data.ColorMap.Count > 0) {
        reread.ColorMap = AsWritten(data.ColorMap);
        reread.BitsPerPixel = BitsForCount(data.ColorMap.Count);
    } else {
        reread.Data = item.Data.left(1);
        SetDefaultGreyTable(reread);
    }
    return reread.BitsPerPixel == item.BitsPerPixel && SameColors(reread.ColorMap, AsWritten(item.ColorMap));
}

}  // namespace

QString GIFClipboardFormat()
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"GIF Image\"");
}

// ---- colour map ----

QRgb TGIFColorMap::Color(int index) const
{
    const std::size_t i = static_cast<std::size_t>(index) * 3;
    return qRgb(Colors[i], Colors[i + 1], Colors[i + 2]);
}

int TGIFColorMap::IndexOf(TColor color) const
{
    if (color == clNone)
        return -1;
    for (std::uint32_t i = 0; i < Count && i < 256; ++i) {
        if (RgbToTColor(Color(static_cast<int>(i))) == (color & 0xFFFFFF))
            return static_cast<int>(i);
    }
    return -1;
}

QList<QRgb> TGIFColorMap::Palette() const
{
    QList<QRgb> palette;
    for (std::uint32_t i = 0; i < Count && i < 256; ++i)
        palette.append(Color(static_cast<int>(i)));
    return palette;
}

void TGIFColorMap::SetPalette(const QList<QRgb>& palette)
{
    Colors.fill(0);
    Count = static_cast<std::uint32_t>(std::min<qsizetype>(palette.size(), 256));
    for (std::uint32_t i = 0; i < Count; ++i) {
        Colors[i * 3] = static_cast<std::uint8_t>(qRed(palette[i]));
        Colors[i * 3 + 1] = static_cast<std::uint8_t>(qGreen(palette[i]));
        Colors[i * 3 + 2] = static_cast<std::uint8_t>(qBlue(palette[i]));
    }
}

// ---- frame ----

TGIFFrame::TGIFFrame(TGIFImage* owner) : owner_(owner), item_(std::make_shared<TGIFItem>())
{
}

TGIFItem& TGIFFrame::MutableItem()
{
    if (item_.use_count() > 1)
        item_ = std::make_shared<TGIFItem>(*item_);
    return *item_;
}

const TBitmap& TGIFFrame::Bitmap()
{
    if (!HasBitmap())
        Decode();
    return *bitmap_;
}

void TGIFFrame::Decode()
{
    bitmap_ = std::make_unique<TBitmap>();
    if (!HasData())
        return;
    const TGIFItem& item = *item_;
    if (item.BitsPerPixel < 1 || item.BitsPerPixel > 8)
        RaiseGIFError(SGIFWrongColorCount());
    *bitmap_ = NewIndexedBitmap(item.Width, item.Height, IndexedFormatForBits(item.BitsPerPixel),
                                item.ColorMap.Palette());
    QImage& image = bitmap_->Image;
    const auto* data = reinterpret_cast<const std::uint8_t*>(item.Data.constData());
    const GifLzwDecodeResult result =
        GifLzwDecode(data, static_cast<std::size_t>(item.Data.size()), item.Width, item.Height, Interlaced,
                     item.BitsPerPixel, image.isNull() ? nullptr : image.bits(), image.bytesPerLine(),
                     TGIFImage::TolerateDamage);
    Corrupted = Corrupted || result.corrupted;
}

void TGIFFrame::Encode()
{
    if (!HasBitmap())
        RaiseGIFError(SGIFNoData());
    TBitmap indexed = *bitmap_;
    if (indexed.PixelFormat != pf1bit && indexed.PixelFormat != pf4bit && indexed.PixelFormat != pf8bit) {
        indexed = ReduceColors(indexed, pf8bit, GrayScale ? rmGrayscale : rmDefault);
        indexed.Transparent = bitmap_->Transparent;
        indexed.TransparentColor = bitmap_->TransparentColor;
    }
    const QList<QRgb> palette = indexed.Image.colorTable();
    if (palette.size() != 2 && palette.size() != 16 && palette.size() != 256)
        RaiseGIFError(SGIFEncodeError());
    auto item = std::make_shared<TGIFItem>();
    item->Width = indexed.Width();
    item->Height = indexed.Height();
    item->BitsPerPixel = BitsForCount(static_cast<std::uint32_t>(palette.size()));
    item->ColorMap.SetPalette(palette);
    std::vector<std::uint8_t> out;
    GifLzwEncode(out, indexed.Image.constBits(), indexed.Image.bytesPerLine(), item->Width, item->Height,
                 item->BitsPerPixel, Interlaced);
    item->Data = QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<qsizetype>(out.size()));
    if (owner_ != nullptr && owner_->Data().ColorMap.Count > 0) {
        LocalColorTable = true;
    } else if (owner_ != nullptr) {
        TGIFData& data = owner_->MutableData();
        data.ColorMap = item->ColorMap;
        data.BitsPerPixel = item->BitsPerPixel;
        LocalColorTable = false;
    }
    item_ = item;
    *bitmap_ = indexed;
    if (TransparentIndex < 0 || TransparentIndex >= static_cast<int>(item_->ColorMap.Count))
        TransparentIndex = item_->ColorMap.IndexOf(TransparentColor);
    Corrupted = false;
    if (owner_ != nullptr) {
        owner_->ScreenWidth = std::max(owner_->ScreenWidth, Left + item_->Width);
        owner_->ScreenHeight = std::max(owner_->ScreenHeight, Top + item_->Height);
    }
}

void TGIFFrame::UpdateGraphicControl()
{
    auto gce = std::find_if(Extensions.begin(), Extensions.end(),
                            [](const TExtension& e) { return e.Kind == ekGraphicControl; });
    const bool needed = Delay > 0 || TransparentColor != clNone || TransparentIndex >= 0 || Disposal != 0;
    if (gce == Extensions.end() && needed) {
        TExtension ext;
        ext.Kind = ekGraphicControl;
        ext.Header = QByteArray("\x04\0\0\0\0\0", 6);
        Extensions.insert(Extensions.begin(), ext);
        gce = Extensions.begin();
    }
    if (gce != Extensions.end()) {
        QByteArray& h = gce->Header;
        h.resize(6);
        h[0] = 4;
        h[5] = 0;
        const std::uint32_t delay = std::min<std::uint32_t>(Delay / 10, 0xFFFF);
        h[2] = static_cast<char>(delay & 0xFF);
        h[3] = static_cast<char>(delay >> 8);
        int index = TransparentIndex;
        if (index < 0 || index >= static_cast<int>(item_->ColorMap.Count))
            index = item_->ColorMap.IndexOf(TransparentColor);
        int flags = static_cast<std::uint8_t>(h[1]) & ~0x1D;
        if (index >= 0) {
            h[4] = static_cast<char>(index);
            flags |= 1;
        }
        flags |= (Disposal & 7) << 2;
        h[1] = static_cast<char>(flags);
    }
    Extensions.erase(std::remove_if(Extensions.begin(), Extensions.end(),
                                    [](const TExtension& e) { return e.Kind == ekComment && e.Data.isEmpty(); }),
                     Extensions.end());
    if (!Extensions.empty() && owner_ != nullptr)
        owner_->Version = 2;
}

void TGIFFrame::Clear()
{
    item_ = std::make_shared<TGIFItem>();
    bitmap_.reset();
    Extensions.clear();
    Left = Top = 0;
    Interlaced = Corrupted = GrayScale = LocalColorTable = false;
    TransparentColor = clNone;
    TransparentIndex = -1;
    Delay = 0;
    Disposal = 0;
}

void TGIFFrame::Assign(const TGIFFrame& source)
{
    if (&source == this)
        return;
    item_ = source.item_;
    LocalColorTable = source.owner_ == owner_ ? source.LocalColorTable : true;
    Left = source.Left;
    Top = source.Top;
    Interlaced = source.Interlaced;
    bitmap_ = source.bitmap_ ? std::make_unique<TBitmap>(*source.bitmap_) : nullptr;
    if (bitmap_)
        bitmap_->Image.detach();
    TransparentColor = source.TransparentColor;
    TransparentIndex = source.TransparentIndex;
    Delay = source.Delay;
    Disposal = source.Disposal;
    GrayScale = source.GrayScale;
    Corrupted = source.Corrupted;
    Extensions = source.Extensions;
}

void TGIFFrame::Assign(const TGIFImage& source)
{
    if (source.frames_.empty()) {
        Clear();
        return;
    }
    const int index = source.FrameIndex < 0 ? 0 : source.FrameIndex;
    Assign(*source.frames_.at(static_cast<std::size_t>(index)));
}

void TGIFFrame::Assign(const TBitmap& source)
{
    if (source.Empty()) {
        Clear();
        return;
    }
    item_ = std::make_shared<TGIFItem>();
    item_->Width = source.Width();
    item_->Height = source.Height();
    bitmap_ = std::make_unique<TBitmap>(source);
    TransparentColor = source.Transparent ? source.TransparentColor & 0xFFFFFF : clNone;
    TransparentIndex = -1;
    if (TransparentColor != clNone && source.Image.format() == QImage::Format_Indexed8) {
        TGIFColorMap map;
        map.SetPalette(source.Image.colorTable());
        TransparentIndex = map.IndexOf(TransparentColor);
    }
    if (owner_ != nullptr)
        owner_->UpdateScreenSize();
}

TBitmap TGIFFrame::AssignToBitmap()
{
    TBitmap bitmap = Bitmap();
    if (TransparentColor != clNone) {
        bitmap.TransparentColor = TransparentColor;
        bitmap.Transparent = true;
    }
    return bitmap;
}

QStringList TGIFFrame::Comment() const
{
    for (const TExtension& e : Extensions) {
        if (e.Kind == ekComment)
            return LinesOf(e.Data);
    }
    return {};
}

void TGIFFrame::SetComment(const QStringList& lines)
{
    auto it = std::find_if(Extensions.begin(), Extensions.end(),
                           [](const TExtension& e) { return e.Kind == ekComment; });
    if (it == Extensions.end()) {
        Extensions.push_back(TExtension{});
        it = Extensions.end() - 1;
    }
    it->Data.clear();
    for (const QString& line : lines)
        it->Data.append(line.toLatin1());
}

// ---- image ----

TGIFImage::TGIFImage() : data_(std::make_shared<TGIFData>())
{
}

TGIFImage::~TGIFImage() = default;

TGIFData& TGIFImage::MutableData()
{
    if (data_.use_count() > 1)
        data_ = std::make_shared<TGIFData>(*data_);
    return *data_;
}

void TGIFImage::Changed()
{
    if (OnChange)
        OnChange();
}

void TGIFImage::DeleteFrame(int index)
{
    frames_.erase(frames_.begin() + index);
    if (FrameIndex >= FrameCount())
        FrameIndex = FrameCount() - 1;
}

void TGIFImage::Clear()
{
    frames_.clear();
    data_ = std::make_shared<TGIFData>();
    FrameIndex = -1;
    Version = 0;
    ScreenWidth = ScreenHeight = 0;
    BackgroundColor = clNone;
    Looping = false;
    RepeatCount = 1;
}

void TGIFImage::LoadFromStream(const QByteArray& bytes)
{
    ReadGif(bytes, true);
}

void TGIFImage::ReadData(ByteReader& reader)
{
    const std::uint32_t count = reader.U32();
    ReadGif(reader.Bytes(count), true);
}

void TGIFImage::ReadGif(const QByteArray& bytes, bool decodeFirst)
{
    Clear();
    if (bytes.isEmpty())
        return;
    ByteReader reader(bytes);
    try {
        ReadBody(reader);
    } catch (...) {
        FrameIndex = frames_.empty() ? -1 : 0;
        throw;
    }
    if (!frames_.empty()) {
        FrameIndex = 0;
        if (decodeFirst) {
            try {
                frames_.front()->Bitmap();
            } catch (...) {
                DeleteFrame(0);
                FrameIndex = frames_.empty() ? -1 : 0;
                throw;
            }
        }
    }
    Modified = true;
    Changed();
}

void TGIFImage::ReadBody(ByteReader& reader)
{
    if (reader.Left() < 6 || QByteArray(reinterpret_cast<const char*>(reader.Take(3)), 3).toUpper() != "GIF")
        RaiseGIFError(SGIFUnknownVersion());
    const QByteArray version = QByteArray(reinterpret_cast<const char*>(reader.Take(3)), 3).toLower();
    if (version != "87a" && version != "89a")
        RaiseGIFError(SGIFUnknownVersion());
    Version = version == "87a" ? 1 : 2;

    ScreenWidth = reader.U16();
    ScreenHeight = reader.U16();
    const int flags = reader.U8();
    const int background = reader.U8();
    TGIFData& data = MutableData();
    data.AspectRatio = reader.U8();
    data.BitsPerPixel = (flags & 7) + 1;
    data.ColorResBits = ((flags & 0x70) >> 4) + 1;
    if (flags & 0x80) {
        data.ColorMap.Count = 1u << data.BitsPerPixel;
        const std::size_t bytes = data.ColorMap.Count * 3;
        std::copy_n(reader.Take(bytes), bytes, data.ColorMap.Colors.begin());
        if (static_cast<std::uint32_t>(background) < data.ColorMap.Count)
            BackgroundColor = RgbToTColor(data.ColorMap.Color(background));
    }

    std::vector<TExtension> gathered;
    int separator = NextSeparator(reader);
    while (separator != 0 && separator != ';' && !reader.AtEnd()) {
        while (separator == '!') {
            if (std::optional<TExtension> ext = ReadExtension(reader, *this)) {
                if (ext->Kind == ekPlainText)
                    gathered.clear();
                else if (ext->Kind != ekApplication)
                    gathered.push_back(std::move(*ext));
            }
            separator = NextSeparator(reader);
        }
        if (separator == ',') {
            ReadFrame(reader, gathered);
            gathered.clear();
            separator = NextSeparator(reader);
            if (separator != '!' && separator != ',' && separator != ';')
                separator = 0;
        } else if (data_->Comment.isEmpty() && !gathered.empty()) {
            // A comment after the last image belongs to the image.
            QStringList& comment = MutableData().Comment;
            for (const TExtension& ext : gathered) {
                if (ext.Kind != ekComment)
                    continue;
                if (!comment.isEmpty())
                    comment.append(QString());
                comment.append(LinesOf(ext.Data));
            }
            break;
        } else if (separator != 0 && separator != ';') {
            RaiseGIFError(SGIFUnknownExtension(separator));
        }
    }
}

void TGIFImage::ReadFrame(ByteReader& reader, std::vector<TExtension>& gathered)
{
    auto frame = std::make_unique<TGIFFrame>(this);
    TGIFItem& item = frame->MutableItem();
    const TGIFData& data = *data_;
    if (data.ColorMap.Count > 0) {
        item.BitsPerPixel = data.BitsPerPixel;
        item.ColorMap = data.ColorMap;
    }
    frame->Extensions = std::move(gathered);
    frame->Left = reader.U16();
    frame->Top = reader.U16();
    item.Width = reader.U16();
    item.Height = reader.U16();
    const int flags = reader.U8();
    if (item.Width == 0)
        item.Width = ScreenWidth;
    if (item.Height == 0)
        item.Height = ScreenHeight;
    if (static_cast<std::uint64_t>(item.Width) * static_cast<std::uint64_t>(item.Height) > kMaxFramePixels)
        RaiseGIFError(SGIFTooLarge());
    frame->Interlaced = (flags & 0x40) != 0;
    if (flags & 0x80) {
        frame->LocalColorTable = true;
        item.BitsPerPixel = (flags & 7) + 1;
        item.ColorMap = TGIFColorMap{};
        item.ColorMap.Count = 1u << item.BitsPerPixel;
        const std::size_t bytes = item.ColorMap.Count * 3;
        std::copy_n(reader.Take(bytes), bytes, item.ColorMap.Colors.begin());
    }
    const bool damaged = ReadImageData(reader, item.Data);
    if (item.ColorMap.Count == 0)
        SetDefaultGreyTable(item);
    if (damaged) {
        if (!TolerateDamage)
            RaiseReadError();
        frame->Corrupted = true;
    }
    for (const TExtension& ext : frame->Extensions) {
        if (ext.Kind != ekGraphicControl)
            continue;
        const auto* h = reinterpret_cast<const std::uint8_t*>(ext.Header.constData());
        const int index = h[4];
        if ((h[1] & 1) && static_cast<std::uint32_t>(index) < item.ColorMap.Count) {
            frame->TransparentIndex = index;
            frame->TransparentColor = RgbToTColor(item.ColorMap.Color(index));
        } else {
            frame->TransparentIndex = -1;
            frame->TransparentColor = clNone;
        }
        frame->Delay = std::max<std::uint32_t>((h[2] | h[3] << 8) * 10u, frame->Delay);
        frame->Disposal = (h[1] & 0x1C) >> 2;
    }
    frames_.push_back(std::move(frame));
}

QByteArray TGIFImage::SaveToStream()
{
    if (frames_.empty())
        RaiseGIFError(SGIFNoData());
    for (auto& frame : frames_) {
        // A frame known to be damaged is encoded afresh from what could be decoded.
        if (frame->HasData() && frame->Corrupted)
            frame->Bitmap();
        if (!frame->HasData() || frame->Corrupted)
            frame->Encode();
        frame->UpdateGraphicControl();
    }
    for (auto& frame : frames_) {
        // A frame of no pixels would read back with the screen's size; the descriptor's
        // 16-bit fields and the reader's size limit bound the others.
        const TGIFItem& item = frame->Item();
        if (item.Width <= 0 || item.Height <= 0)
            RaiseGIFError(SGIFNoData());
        if (item.Width > 0xFFFF || item.Height > 0xFFFF || frame->Left < 0 || frame->Left > 0xFFFF
            || frame->Top < 0 || frame->Top > 0xFFFF
            || std::uint64_t(item.Width) * std::uint64_t(item.Height) > kMaxFramePixels)
            RaiseGIFError(SGIFEncodeError());
        // A frame that decoding or an encoded neighbour left with colours the global table
        // does not give it writes its own.
        if (!frame->LocalColorTable && !GlobalTableFits(item, *data_))
            frame->LocalColorTable = true;
    }
    if (!data_->Comment.isEmpty())
        Version = 2;
    QByteArray out;
    WriteHeader(out);
    for (auto& frame : frames_)
        WriteFrame(out, *frame);
    if (!data_->Comment.isEmpty()) {
        out.append("!\xFE", 2);
        QList<QByteArray> lines;
        for (const QString& line : data_->Comment)
            lines.append(line.toLatin1());
        PutSubBlocks(out, lines);
    }
    out.append(';');
    return out;
}

QByteArray TGIFImage::WriteData()
{
    const QByteArray gif = SaveToStream();
    QByteArray out;
    PutU32(out, static_cast<std::uint32_t>(gif.size()));
    return out + gif;
}

void TGIFImage::UpdateScreenSize()
{
    int width = 0;
    int height = 0;
    for (const auto& frame : frames_) {
        const int w = frame->HasBitmap() ? frame->bitmap_->Width() : frame->Width();
        const int h = frame->HasBitmap() ? frame->bitmap_->Height() : frame->Height();
        width = std::max(width, frame->Left + w);
        height = std::max(height, frame->Top + h);
    }
    // Frames may reach beyond the largest screen the header can hold.
    ScreenWidth = std::min(width, 0xFFFF);
    ScreenHeight = std::min(height, 0xFFFF);
}

void TGIFImage::WriteHeader(QByteArray& out)
{
    out.append(Version == 2 ? "GIF89a" : "GIF87a");
    UpdateScreenSize();
    PutU16(out, ScreenWidth);
    PutU16(out, ScreenHeight);
    const TGIFData& data = *data_;
    const int bits = BitsForCount(data.ColorMap.Count);
    out.append(static_cast<char>(data.ColorMap.Count == 0 ? 0 : 0x80 | (bits - 1) << 4 | (bits - 1)));
    out.append(static_cast<char>(std::max(0, data.ColorMap.IndexOf(BackgroundColor))));
    out.append(static_cast<char>(data.AspectRatio));
    if (data.ColorMap.Count > 0)
        PutColorTable(out, data.ColorMap, bits);
    if (Looping && frames_.size() >= 2) {
        out.append("!\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        PutU16(out, RepeatCount);
        out.append('\0');
    }
}

void TGIFImage::WriteFrame(QByteArray& out, TGIFFrame& frame)
{
    static constexpr char kLabels[4] = {'\xF9', '\x01', '\xFF', '\xFE'};
    for (const TExtension& ext : frame.Extensions) {
        out.append('!');
        out.append(kLabels[ext.Kind]);
        out.append(ext.Header);
        if (ext.Kind != ekGraphicControl)
            PutSubBlocks(out, ext.Data);
    }
    const TGIFItem& item = frame.Item();
    out.append(',');
    PutU16(out, frame.Left);
    PutU16(out, frame.Top);
    PutU16(out, item.Width);
    PutU16(out, item.Height);
    const int bits = BitsForCount(item.ColorMap.Count);
    out.append(static_cast<char>((frame.LocalColorTable ? 0x80 | (bits - 1) : 0) | (frame.Interlaced ? 0x40 : 0)));
    if (frame.LocalColorTable)
        PutColorTable(out, item.ColorMap, bits);
    out.append(item.Data);
}

void TGIFImage::LoadFromClipboardFormat(const QMimeData& data)
{
    if (data.hasFormat(GIFClipboardFormat())) {
        ByteReader reader(data.data(GIFClipboardFormat()));
        const std::uint32_t count = reader.U32();
        ReadGif(reader.Bytes(count), false);
        // The plain bitmap stands for frame 0 only when there is nothing else.
        if (frames_.size() == 1 && data.hasImage()) {
            TGIFFrame& frame = *frames_.front();
            frame.Assign(BitmapFromImage(qvariant_cast<QImage>(data.imageData())));
        }
        return;
    }
    if (data.hasImage())
        Assign(BitmapFromImage(qvariant_cast<QImage>(data.imageData())));
}

void TGIFImage::SaveToClipboardFormat(QMimeData& data)
{
    if (frames_.empty())
        return;
    data.setImageData(AssignToBitmap().Image);
    if (std::all_of(frames_.begin(), frames_.end(), [](const auto& f) { return f->HasData(); }))
        data.setData(GIFClipboardFormat(), WriteData());
}

void TGIFImage::Draw(QPainter& painter, const QRect& rect)
{
    if (FrameIndex < 0 || FrameIndex >= FrameCount())
        return;
    TGIFFrame& frame = Frame(FrameIndex);
    const TBitmap& bitmap = frame.Bitmap();
    if (bitmap.Empty())
        return;
    QImage image = bitmap.Image;
    if (Transparent() && image.format() == QImage::Format_Indexed8 && frame.TransparentIndex >= 0
        && frame.TransparentIndex < image.colorCount()) {
        // Only the transparent index is see-through, not every entry of the same colour.
        image.setColor(frame.TransparentIndex, image.color(frame.TransparentIndex) & 0x00FFFFFF);
    } else if (Transparent() && frame.TransparentColor != clNone) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QImage mask = image.createMaskFromColor(TColorToRgb(frame.TransparentColor), Qt::MaskOutColor);
        image.setAlphaChannel(mask);
    }
    painter.drawImage(rect, image);
}

int TGIFImage::Width()
{
    if (FrameIndex < 0 || FrameIndex >= FrameCount())
        return 0;
    return Frame(FrameIndex).Bitmap().Width();
}

int TGIFImage::Height()
{
    if (FrameIndex < 0 || FrameIndex >= FrameCount())
        return 0;
    return Frame(FrameIndex).Bitmap().Height();
}

void TGIFImage::SetWidth(int)
{
    RaiseGIFError(SGIFCannotResize());
}

void TGIFImage::SetHeight(int)
{
    RaiseGIFError(SGIFCannotResize());
}

bool TGIFImage::Empty() const
{
    if (frames_.empty())
        return true;
    const TGIFFrame& frame = *frames_.at(static_cast<std::size_t>(std::max(0, FrameIndex)));
    return !frame.HasBitmap() && !frame.HasData();
}

QList<QRgb> TGIFImage::Palette()
{
    if (frames_.empty())
        return {};
    return frames_.front()->Bitmap().Image.colorTable();
}

bool TGIFImage::Transparent() const
{
    return transparent_ && std::any_of(frames_.begin(), frames_.end(), [](const auto& f) {
               return f->TransparentColor != clNone || f->TransparentIndex >= 0;
           });
}

int TGIFImage::AddFrame(const TBitmap& bitmap)
{
    frames_.push_back(std::make_unique<TGIFFrame>(this));
    FrameIndex = FrameCount() - 1;
    frames_.back()->Assign(bitmap);
    if (Version == 0)
        Version = 1;
    if (frames_.size() > 1)
        Version = 2;
    return FrameIndex;
}

int TGIFImage::AddFrame(const TIcon& icon)
{
    return AddFrame(icon.ToBitmap(clWhite));
}

void TGIFImage::Assign(const TGIFImage& source)
{
    if (&source == this)
        return;
    frames_.clear();
    data_ = source.data_;
    Version = source.Version;
    BackgroundColor = source.BackgroundColor;
    RepeatCount = source.RepeatCount;
    Looping = source.Looping;
    for (const auto& sourceFrame : source.frames_) {
        frames_.push_back(std::make_unique<TGIFFrame>(this));
        frames_.back()->Assign(*sourceFrame);
        frames_.back()->LocalColorTable = sourceFrame->LocalColorTable;
    }
    ScreenWidth = source.ScreenWidth;
    ScreenHeight = source.ScreenHeight;
    FrameIndex = source.FrameIndex;
    Changed();
}

void TGIFImage::Assign(const TGIFFrame& source)
{
    if (source.Owner() == this) {
        // Copy first: clearing the image frees the source.
        TGIFImage copy;
        copy.Assign(*this);
        Assign(copy.Frame(static_cast<int>(
            std::find_if(frames_.begin(), frames_.end(), [&](const auto& f) { return f.get() == &source; })
            - frames_.begin())));
        return;
    }
    Clear();
    if (source.Owner() != nullptr) {
        const TGIFData& from = source.Owner()->Data();
        TGIFData& data = MutableData();
        data.AspectRatio = from.AspectRatio;
        data.BitsPerPixel = from.BitsPerPixel;
        data.ColorResBits = from.ColorResBits;
        data.ColorMap = from.ColorMap;
    }
    frames_.push_back(std::make_unique<TGIFFrame>(this));
    frames_.back()->Assign(source);
    FrameIndex = 0;
    UpdateScreenSize();
    if (Version == 0)
        Version = 1;
    Changed();
}

void TGIFImage::Assign(const TBitmap& source)
{
    Clear();
    AddFrame(source);
    Changed();
}

void TGIFImage::Assign(const TAnimatedCursorImage& source)
{
    Clear();
    BackgroundColor = clWindow;
    for (int i = 0; i < source.FrameCount(); ++i) {
        const int index = AddFrame(source.Frame(i).Icon);
        Frame(index).Delay = static_cast<std::uint32_t>(source.Frame(i).Rate * 100 / 6);
    }
    Changed();
}

TBitmap TGIFImage::AssignToBitmap()
{
    if (frames_.empty())
        return {};
    if (FrameIndex < 0)
        return frames_.front()->Bitmap();
    return Frame(FrameIndex).AssignToBitmap();
}
