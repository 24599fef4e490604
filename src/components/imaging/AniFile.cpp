#include "components/imaging/AniFile.h"

#include "components/imaging/CeGraph.h"
#include "components/imaging/GraphicErrors.h"
#include "components/imaging/IcoList.h"
#include "platform/ByteReader.h"
#include "platform/Exceptions.h"

#include <QFile>
#include <QPainter>

#include <algorithm>

namespace {

QByteArray FourCC(ByteReader& reader)
{
    return reader.Bytes(4);
}

// A chunk's data; a chunk larger than what holds it is a read error.
ByteReader ChunkData(ByteReader& reader, std::uint32_t size)
{
    ByteReader data = reader.Sub(size);
    if (size & 1)
        reader.SkipUpTo(1);
    return data;
}

// One 32-bit value per step.
std::vector<std::uint32_t> ReadValues(ByteReader& chunk)
{
    std::vector<std::uint32_t> values;
    values.reserve(chunk.Left() / 4);
    while (chunk.Left() >= 4)
        values.push_back(chunk.U32());
    return values;
}

QString ReadText(ByteReader& chunk)
{
    const QByteArray text = chunk.Bytes(std::min<std::size_t>(chunk.Left(), 255));
    const qsizetype end = text.indexOf('\0');
    return QString::fromLatin1(end < 0 ? text : text.left(end));
}

}  // namespace

void TAnimatedCursorImage::Clear()
{
    Header = TAniHeader{};
    Title.clear();
    Creator.clear();
    MaxColors = 0;
    frames_.clear();
}

void TAnimatedCursorImage::LoadFromFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(file.errorString());
    LoadFromStream(file.readAll());
}

void TAnimatedCursorImage::SaveToStream() const
{
    ImagingNotImplemented();
}

void TAnimatedCursorImage::LoadFromStream(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return;
    ByteReader reader(bytes);
    if (reader.Left() < 12 || FourCC(reader) != "RIFF")
        RaiseReadError();
    const std::uint32_t size = reader.U32();
    if (FourCC(reader) != "ACON")
        RaiseReadError();
    Clear();
    icons_.clear();
    rates_.clear();
    sequence_.clear();
    ByteReader body = reader.Sub(std::min<std::size_t>(size >= 4 ? size - 4 : 0, reader.Left()));
    bool headerSeen = false;
    try {
        ReadChunks(body);
        headerSeen = Header.HeaderSize != 0;
    } catch (...) {
        icons_.clear();
        throw;
    }
    if (!headerSeen)
        RaiseReadError();
    BuildSteps();
    if (frames_.empty())
        RaiseReadError();
}

void TAnimatedCursorImage::ReadChunks(ByteReader& reader)
{
    while (reader.Left() >= 8) {
        const QByteArray id = FourCC(reader);
        const std::uint32_t size = reader.U32();
        const QByteArray tag = id + QByteArray(reinterpret_cast<const char*>(&size), 4);
        ByteReader chunk = ChunkData(reader, size);
        if (id == "anih") {
            if (chunk.Left() < 36)
                RaiseReadError();
            std::uint32_t* fields[9] = {&Header.HeaderSize, &Header.Frames, &Header.Steps, &Header.Width, &Header.Height,
                                        &Header.BitCount,   &Header.Planes, &Header.Rate,  &Header.Flags};
            for (std::uint32_t* field : fields)
                *field = chunk.U32();
            // Every step needs at least four bytes of the file; more cannot be true.
            if (!(Header.Flags & 1) || Header.Steps == 0 || Header.HeaderSize < 36 || Header.Steps > reader.Size() / 4)
                RaiseReadError();
        } else if (id == "rate") {
            rates_ = ReadValues(chunk);
        } else if (id == "seq ") {
            sequence_ = ReadValues(chunk);
        } else if (id == "LIST" && chunk.Left() >= 4) {
            const QByteArray type = FourCC(chunk);
            while ((type == "fram" || type == "INFO") && chunk.Left() >= 8) {
                const QByteArray sub = FourCC(chunk);
                const std::uint32_t subSize = chunk.U32();
                const QByteArray subTag = sub + QByteArray(reinterpret_cast<const char*>(&subSize), 4);
                ByteReader data = ChunkData(chunk, subSize);
                if (type == "fram" && sub == "icon")
                    ReadIcon(data, subTag);
                else if (type == "INFO" && sub == "INAM")
                    Title = ReadText(data);
                else if (type == "INFO" && sub == "IART")
                    Creator = ReadText(data);
            }
        }
    }
}

void TAnimatedCursorImage::ReadIcon(ByteReader& chunk, const QByteArray& tag)
{
    QByteArray data = chunk.Bytes(chunk.Left());
    auto frame = std::make_unique<TIconFrame>();
    frame->Tag = tag;
    frame->Rate = Header.Rate;
    const int type = data.size() >= 4 ? static_cast<std::uint8_t>(data[2]) | static_cast<std::uint8_t>(data[3]) << 8 : 0;
    if (type == 1 || type == 2) {
        data[2] = 1;  // a cursor is read as an icon
        frame->Icon.LoadFromBytes(data);
        frame->IsIcon = type == 1;
        for (const TIcon::Entry& e : frame->Icon.Entries()) {
            const int colors = e.ImageBits == 1 ? 2 : e.ImageBits == 4 ? 16 : e.ImageBits == 8 ? 256 : 0;
            MaxColors = static_cast<std::uint16_t>(std::max<int>(MaxColors, colors));
        }
        const TIcon::Entry& shown = frame->Icon.Entries().at(static_cast<std::size_t>(frame->Icon.DisplayedEntry()));
        frame->HotSpot = frame->IsIcon ? QPoint(frame->Icon.Width() / 2, frame->Icon.Height() / 2)
                                       : QPoint(shown.Planes, shown.BitCount);
    }
    icons_.push_back(std::move(frame));
}

void TAnimatedCursorImage::BuildSteps()
{
    // Step k shows the icon its "seq " entry names (icon k without one) for its own
    // "rate" entry (the header's rate without one).
    std::vector<bool> used(icons_.size(), false);
    for (std::uint32_t k = 0; k < Header.Steps; ++k) {
        const std::uint32_t index = k < sequence_.size() ? sequence_[k] : k;
        if (index >= icons_.size() || icons_[index]->Icon.Empty())
            continue;
        auto step = std::make_unique<TIconFrame>(*icons_[index]);
        step->SequenceIndex = static_cast<int>(index);
        step->Rate = k < rates_.size() ? rates_[k] : Header.Rate;
        used[index] = true;
        frames_.push_back(std::move(step));
    }
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        if (!used[i] && !icons_[i]->Icon.Empty()) {
            frames_.push_back(std::move(icons_[i]));
            frames_.back()->SequenceIndex = -1;
        }
    }
    icons_.clear();
    Header.Steps = static_cast<std::uint32_t>(frames_.size());
}

void TAnimatedCursorImage::Assign(const TAnimatedCursorImage& source)
{
    if (&source == this)
        return;
    Header = source.Header;
    Title = source.Title;
    Creator = source.Creator;
    MaxColors = source.MaxColors;
    frames_.clear();
    for (const auto& frame : source.frames_)
        frames_.push_back(std::make_unique<TIconFrame>(*frame));
}

TIcon TAnimatedCursorImage::AssignToIcon() const
{
    TIcon icon;
    if (!frames_.empty())
        icon.Assign(frames_.front()->Icon);
    return icon;
}

TBitmap TAnimatedCursorImage::AssignToBitmap(TColor background, bool vertical) const
{
    if (frames_.empty())
        return {};
    const int w = frames_.front()->Icon.Width();
    const int h = frames_.front()->Icon.Height();
    const int n = FrameCount();
    TBitmap strip;
    strip.PixelFormat = pf24bit;
    strip.Image = QImage(vertical ? w : w * n, vertical ? h * n : h, QImage::Format_RGB32);
    strip.Image.fill(TColorToRgb(background));
    QPainter painter(&strip.Image);
    for (int i = 0; i < n; ++i)
        painter.drawImage(vertical ? 0 : i * w, vertical ? i * h : 0, frames_[static_cast<std::size_t>(i)]->Icon.Image());
    painter.end();
    const int colors = std::max<int>(MaxColors, 16);
    const TPixelFormat format = colors <= 2 ? pf1bit : colors <= 16 ? pf4bit : pf8bit;
    return ReduceColors(strip, format, rmDefault);
}

void TAnimatedCursorImage::AssignTo(TIconList& list) const
{
    list.BeginUpdate();
    list.Clear();
    for (const auto& frame : frames_)
        list.Add(frame->Icon);
    list.EndUpdate();
}
