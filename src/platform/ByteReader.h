#pragma once
// The one reader of untrusted bytes. Every read is checked against the bytes left and a
// short read raises EReadError; a count read from the data is never used to allocate
// before it has been checked against what is left.

#include <QByteArray>

#include <cstddef>
#include <cstdint>

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const QByteArray& bytes)
        : ByteReader(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()))
    {
    }

    std::size_t Size() const { return size_; }
    std::size_t Position() const { return pos_; }
    std::size_t Left() const { return size_ - pos_; }
    bool AtEnd() const { return pos_ >= size_; }

    std::uint8_t U8();
    std::uint16_t U16();  // little-endian unless SetBigEndian
    std::uint32_t U32();  // little-endian unless SetBigEndian
    void SetBigEndian(bool bigEndian) { bigEndian_ = bigEndian; }
    // True when `count` records of at least `minSize` bytes each can still follow: a reader
    // rejects a count with it before looping or allocating on it.
    bool CanHold(std::uint64_t count, std::size_t minSize) const;
    // The next `count` bytes, advancing past them.
    const std::uint8_t* Take(std::size_t count);
    QByteArray Bytes(std::size_t count);
    void Skip(std::size_t count);
    // Skips at most `count` bytes; returns how many were skipped.
    std::size_t SkipUpTo(std::size_t count);
    // A reader over the next `count` bytes (same byte order), advancing past them.
    ByteReader Sub(std::size_t count);
    void Seek(std::size_t position);
    // Raises EReadError unless `count` more bytes are left.
    void Require(std::size_t count) const;

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    bool bigEndian_ = false;
};

// Raises EReadError with the stream-read message.
[[noreturn]] void RaiseReadError();
