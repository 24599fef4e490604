#include "platform/ByteReader.h"

#include "platform/Exceptions.h"

void RaiseReadError()
{
    throw EReadError(SReadError());
}

void ByteReader::Require(std::size_t count) const
{
    if (count > Left())
        RaiseReadError();
}

std::uint8_t ByteReader::U8()
{
    Require(1);
    return data_[pos_++];
}

std::uint16_t ByteReader::U16()
{
    const std::uint8_t* p = Take(2);
    if (bigEndian_)
        return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ByteReader::U32()
{
    const std::uint8_t* p = Take(4);
    if (bigEndian_)
        return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16)
            | (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8)
        | (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

const std::uint8_t* ByteReader::Take(std::size_t count)
{
    Require(count);
    const std::uint8_t* p = data_ + pos_;
    pos_ += count;
    return p;
}

QByteArray ByteReader::Bytes(std::size_t count)
{
    const std::uint8_t* p = Take(count);
    return QByteArray(reinterpret_cast<const char*>(p), static_cast<qsizetype>(count));
}

void ByteReader::Skip(std::size_t count)
{
    Require(count);
    pos_ += count;
}

std::size_t ByteReader::SkipUpTo(std::size_t count)
{
    const std::size_t n = count < Left() ? count : Left();
    pos_ += n;
    return n;
}

ByteReader ByteReader::Sub(std::size_t count)
{
    const std::uint8_t* p = Take(count);
    ByteReader sub(p, count);
    sub.bigEndian_ = bigEndian_;
    return sub;
}

bool ByteReader::CanHold(std::uint64_t count, std::size_t minSize) const
{
    return minSize == 0 || count <= Left() / minSize;
}

void ByteReader::Seek(std::size_t position)
{
    if (position > size_)
        RaiseReadError();
    pos_ = position;
}
