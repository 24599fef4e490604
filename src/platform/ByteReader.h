#pragma once
// The one way the program reads untrusted bytes: every read is checked against the bytes
// left, and a short or malformed input raises EReadError instead of reading past the end.
// Counts read from the data are never trusted for an allocation; callers check them with
// CanHold first.

#include "platform/Exceptions.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// Data that cannot be read: truncated, inconsistent or of an unknown format.
class EReadError : public Exception {
public:
    using Exception::Exception;
};

class TByteReader {
public:
    explicit TByteReader(QByteArrayView bytes, bool bigEndian = false)
        : bytes_(bytes), bigEndian_(bigEndian)
    {
    }

    qsizetype Position() const { return pos_; }
    qsizetype Remaining() const { return bytes_.size() - pos_; }
    qsizetype Size() const { return bytes_.size(); }
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    void SetBigEndian(bool bigEndian) { bigEndian_ = bigEndian; }

    // Moves to an absolute offset (at most the end).
    void Seek(qsizetype offset);
    void Skip(qsizetype count);

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    // The next count bytes as a view into the data.
    QByteArrayView Bytes(qsizetype count);

    // True when count records of at least minSize bytes each can still follow; lets a
    // reader reject a count before it allocates or loops on it.
    bool CanHold(std::uint64_t count, qsizetype minSize) const;

private:
    void Need(qsizetype count) const;

    QByteArrayView bytes_;
    qsizetype pos_ = 0;
    bool bigEndian_ = false;
};
