#include "platform/ByteReader.h"

void TByteReader::Need(qsizetype count) const
{
    if (count < 0 || count > Remaining())
        throw EReadError(QStringLiteral("Data ends early: %1 bytes needed at offset %2, %3 left")
                             .arg(count)
                             .arg(pos_)
                             .arg(Remaining()));
}

void TByteReader::Seek(qsizetype offset)
{
    if (offset < 0 || offset > bytes_.size())
        throw EReadError(QStringLiteral("Offset %1 lies outside the %2 bytes of data").arg(offset).arg(bytes_.size()));
    pos_ = offset;
}

void TByteReader::Skip(qsizetype count)
{
    Need(count);
    pos_ += count;
}

std::uint8_t TByteReader::U8()
{
    Need(1);
    return static_cast<std::uint8_t>(bytes_[pos_++]);
}

std::uint16_t TByteReader::U16()
{
    Need(2);
    const auto b0 = static_cast<std::uint8_t>(bytes_[pos_]);
    const auto b1 = static_cast<std::uint8_t>(bytes_[pos_ + 1]);
    pos_ += 2;
    return bigEndian_ ? static_cast<std::uint16_t>(b0 << 8 | b1) : static_cast<std::uint16_t>(b1 << 8 | b0);
}

std::uint32_t TByteReader::U32()
{
    const std::uint32_t first = U16();
    const std::uint32_t second = U16();
    return bigEndian_ ? (first << 16 | second) : (second << 16 | first);
}

QByteArrayView TByteReader::Bytes(qsizetype count)
{
    Need(count);
    const QByteArrayView view = bytes_.sliced(pos_, count);
    pos_ += count;
    return view;
}

bool TByteReader::CanHold(std::uint64_t count, qsizetype minSize) const
{
    if (minSize <= 0)
        return true;
    return count <= static_cast<std::uint64_t>(Remaining() / minSize);
}
