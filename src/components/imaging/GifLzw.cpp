#include "components/imaging/GifLzw.h"

#include "components/imaging/GraphicErrors.h"

#include <algorithm>
#include <cstring>

void GifRowStepper::Next()
{
    if (!interlaced_) {
        ++row_;
        return;
    }
    static constexpr int kStep[4] = {8, 8, 4, 2};
    static constexpr int kStart[4] = {0, 4, 2, 1};
    row_ += kStep[pass_];
    while (row_ >= height_ && pass_ < 3) {
        ++pass_;
        row_ = kStart[pass_];
    }
}

namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxCodeLength = 12;

// Reads codes least significant bit first from the data sub-blocks; gives -1 once the data
// ends (the zero sub-block, or the end of the buffer) before a whole code is there.
class CodeReader {
public:
    CodeReader(const std::uint8_t* p, const std::uint8_t* end) : p_(p), end_(end) {}

    int Read(int length)
    {
        if (bits_ < length) {
            Refill();
            if (bits_ < length)
                return -1;
        }
        const int code = static_cast<int>(acc_ & ((1u << length) - 1));
        acc_ >>= length;
        bits_ -= length;
        return code;
    }

private:
    void Refill()
    {
        while (bits_ <= 56) {
            if (blockLeft_ == 0) {
                if (p_ >= end_ || *p_ == 0)
                    return;
                blockLeft_ = *p_++;
                continue;
            }
            if (p_ >= end_)
                return;
            acc_ |= static_cast<std::uint64_t>(*p_++) << bits_;
            bits_ += 8;
            --blockLeft_;
        }
    }

    const std::uint8_t* p_;
    const std::uint8_t* end_;
    std::uint64_t acc_ = 0;
    int bits_ = 0;
    int blockLeft_ = 0;
};

// Writes pixels in storage order into the frame; strings that fit in the current row are
// written straight from the code table, back to front.
class PixelWriter {
public:
    PixelWriter(std::uint8_t* pixels, std::ptrdiff_t stride, int width, int height, bool interlaced)
        : pixels_(pixels), stride_(stride), width_(width), rows_(height, interlaced)
    {
        row_ = pixels_;
    }

    bool Full() const { return rows_.Done(); }
    std::size_t Written() const { return written_; }

    void WriteString(int code, int length, const std::uint16_t* prefix, const std::uint8_t* suffix)
    {
        if (col_ + length <= width_) {
            std::uint8_t* dst = row_ + col_ + length - 1;
            for (int i = 0; i < length; ++i) {
                *dst-- = suffix[code];
                code = prefix[code];
            }
            Advance(length);
            return;
        }
        std::uint8_t* top = stack_ + length;
        for (int i = 0; i < length; ++i) {
            *--top = suffix[code];
            code = prefix[code];
        }
        for (int i = 0; i < length && !Full(); ++i) {
            row_[col_] = stack_[i];
            Advance(1);
        }
    }

private:
    void Advance(int count)
    {
        col_ += count;
        written_ += static_cast<std::size_t>(count);
        if (col_ < width_)
            return;
        col_ = 0;
        rows_.Next();
        row_ = pixels_ + static_cast<std::ptrdiff_t>(rows_.Row()) * stride_;
    }

    std::uint8_t* pixels_;
    std::ptrdiff_t stride_;
    int width_;
    GifRowStepper rows_;
    std::uint8_t* row_;
    int col_ = 0;
    std::size_t written_ = 0;
    std::uint8_t stack_[kMaxCodes + 1];
};

struct CodeTable {
    std::uint16_t prefix[kMaxCodes];
    std::uint16_t length[kMaxCodes];
    std::uint8_t suffix[kMaxCodes];
    std::uint8_t first[kMaxCodes];
};

// Marks the result corrupted, or raises without the tolerate-damage flag.
void Damage(GifLzwDecodeResult& result, bool tolerate, const QString& message)
{
    if (!tolerate)
        RaiseGIFError(message);
    result.corrupted = true;
}

}  // namespace

GifLzwDecodeResult GifLzwDecode(const std::uint8_t* data, std::size_t size, int width, int height, bool interlaced,
                                int frameBits, std::uint8_t* pixels, std::ptrdiff_t stride, bool tolerateDamage)
{
    GifLzwDecodeResult result;
    if (height <= 0)
        return result;
    if (size == 0 || width <= 0) {
        Damage(result, tolerateDamage, SGIFDecodeError());
        return result;
    }
    int codeSize = data[0];
    // Sizes 10 and 11 are rare but sound (their codes still fit in 12 bits); anything else
    // is damage, read with the nearest size of the usual range.
    if (codeSize < 2 || codeSize > 11) {
        Damage(result, tolerateDamage, SGIFBadCodeSize());
        codeSize = std::clamp(codeSize, 2, 9);
    }
    const int mask = (1 << std::clamp(frameBits, 1, 8)) - 1;
    const int clear = 1 << codeSize;
    const int end = clear + 1;

    CodeTable table;
    std::memset(&table, 0, sizeof table);
    for (int c = 0; c < clear; ++c) {
        table.suffix[c] = table.first[c] = static_cast<std::uint8_t>(c & mask);
        table.length[c] = 1;
    }

    CodeReader reader(data + 1, data + size);
    PixelWriter writer(pixels, stride, width, height, interlaced);
    int codeLength = codeSize + 1;
    int limit = 1 << codeLength;
    int next = clear + 2;
    int old = -1;
    while (!writer.Full()) {
        const int code = reader.Read(codeLength);
        if (code < 0) {
            Damage(result, tolerateDamage, SGIFDecodeError());
            break;
        }
        if (code == clear) {
            codeLength = codeSize + 1;
            limit = 1 << codeLength;
            next = clear + 2;
            old = -1;
            continue;
        }
        if (code == end)
            break;
        if (old < 0) {
            // The first code after a clear must be a pixel: the table holds nothing else yet.
            if (code > clear) {
                Damage(result, tolerateDamage, SGIFDecodeError());
                break;
            }
        } else if (code > next || (code == next && next >= kMaxCodes)) {
            Damage(result, tolerateDamage, SGIFDecodeError());
            break;
        } else if (next < kMaxCodes) {
            // The new entry is the old string plus the first pixel of this one; for the code
            // not yet in the table that first pixel is the old string's own.
            table.prefix[next] = static_cast<std::uint16_t>(old);
            table.suffix[next] = code < next ? table.first[code] : table.first[old];
            table.first[next] = table.first[old];
            table.length[next] = static_cast<std::uint16_t>(table.length[old] + 1);
            ++next;
            if (next == limit && codeLength < kMaxCodeLength) {
                ++codeLength;
                limit <<= 1;
            }
        }
        writer.WriteString(code, table.length[code], table.prefix, table.suffix);
        old = code;
    }
    result.pixels = writer.Written();
    return result;
}

namespace {

// Packs codes least significant bit first into sub-blocks of up to 255 bytes.
class CodeWriter {
public:
    explicit CodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Write(int code, int length)
    {
        acc_ |= static_cast<std::uint64_t>(code) << bits_;
        bits_ += length;
        while (bits_ >= 8) {
            block_[count_++] = static_cast<std::uint8_t>(acc_);
            acc_ >>= 8;
            bits_ -= 8;
            if (count_ == 255)
                FlushBlock();
        }
    }

    void Finish()
    {
        if (bits_ > 0)
            block_[count_++] = static_cast<std::uint8_t>(acc_);
        if (count_ > 0)
            FlushBlock();
        out_.push_back(0);
    }

private:
    void FlushBlock()
    {
        out_.push_back(static_cast<std::uint8_t>(count_));
        out_.insert(out_.end(), block_, block_ + count_);
        count_ = 0;
    }

    std::vector<std::uint8_t>& out_;
    std::uint64_t acc_ = 0;
    int bits_ = 0;
    int count_ = 0;
    std::uint8_t block_[256];
};

// The string table: (prefix code, pixel) -> code, open addressing with a multiplicative
// hash, so long runs of one colour spread over the table instead of clustering.
class StringTable {
public:
    static constexpr int kSlots = 1 << 14;

    StringTable() { Clear(); }
    void Clear() { std::memset(keys_, 0, sizeof keys_); }

    // The slot of the key: either holding it, or empty.
    int Find(std::uint32_t key) const
    {
        int slot = static_cast<int>((key * 2654435761u) >> (32 - 14));
        while (keys_[slot] != 0 && keys_[slot] != key)
            slot = (slot + 1) & (kSlots - 1);
        return slot;
    }
    bool Holds(int slot) const { return keys_[slot] != 0; }
    int Code(int slot) const { return codes_[slot]; }
    void Put(int slot, std::uint32_t key, int code)
    {
        keys_[slot] = key;
        codes_[slot] = static_cast<std::uint16_t>(code);
    }

private:
    std::uint32_t keys_[kSlots];
    std::uint16_t codes_[kSlots];
};

}  // namespace

void GifLzwEncode(std::vector<std::uint8_t>& out, const std::uint8_t* pixels, std::ptrdiff_t stride, int width,
                  int height, int bitsPerPixel, bool interlaced)
{
    const int startLength = bitsPerPixel <= 1 ? 3 : bitsPerPixel + 1;
    const int codeSize = startLength - 1;
    const int clear = 1 << codeSize;
    const int end = clear + 1;
    const int pixelMask = (1 << std::clamp(bitsPerPixel, 1, 8)) - 1;
    out.push_back(static_cast<std::uint8_t>(codeSize));

    auto table = std::make_unique<StringTable>();
    CodeWriter writer(out);
    int codeLength = startLength;
    int limit = 1 << codeLength;
    int next = end;
    int prefix = -1;
    writer.Write(clear, codeLength);
    for (GifRowStepper rows(height, interlaced); !rows.Done() && width > 0; rows.Next()) {
        const std::uint8_t* row = pixels + static_cast<std::ptrdiff_t>(rows.Row()) * stride;
        for (int x = 0; x < width; ++x) {
            const int p = row[x] & pixelMask;
            if (prefix < 0) {
                prefix = p;
                continue;
            }
            // Zero marks an empty slot, so keys start at 1.
            const std::uint32_t key = (static_cast<std::uint32_t>(prefix) << 8 | static_cast<std::uint32_t>(p)) + 1;
            const int slot = table->Find(key);
            if (table->Holds(slot)) {
                prefix = table->Code(slot);
                continue;
            }
            writer.Write(prefix, codeLength);
            table->Put(slot, key, ++next);
            prefix = p;
            if (next >= limit) {
                limit <<= 1;
                ++codeLength;
            } else if (next >= kMaxCodes - 2) {
                writer.Write(prefix, codeLength);
                writer.Write(clear, codeLength);
                prefix = -1;
                next = end;
                codeLength = startLength;
                limit = 1 << codeLength;
                table->Clear();
            }
        }
    }
    if (prefix >= 0)
        writer.Write(prefix, codeLength);
    writer.Write(end, codeLength);
    writer.Finish();
}
