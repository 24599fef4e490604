// The bounded byte reader: values little-endian, and no read past the end, however large
// the count asked for.

#include "platform/ByteReader.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

TEST(ByteReader, ReadsLittleEndianAndRefusesEveryReadPastTheEnd)
{
    const QByteArray bytes("\x01\x02\x03\x04\x05\x06\x07", 7);
    ByteReader r(bytes);
    EXPECT_TRUE(r.U8() == 0x01 && r.U16() == 0x0302 && r.U32() == 0x07060504u && r.AtEnd());
    EXPECT_THROW(r.U8(), EReadError);

    constexpr std::size_t huge = std::numeric_limits<std::size_t>::max();
    // Over the end, a huge take or sub-reader, a seek or bytes past the end.
    const std::function<void(ByteReader&)> reads[] = {
        [](ByteReader& b) { b.Skip(4); b.U32(); }, [](ByteReader& b) { b.Take(huge); },
        [](ByteReader& b) { b.Sub(huge); },     [](ByteReader& b) { b.Seek(8); },
        [](ByteReader& b) { b.Bytes(8); }};
    for (std::size_t i = 0; i < std::size(reads); ++i) {
        ByteReader fresh(bytes);
        EXPECT_THROW(reads[i](fresh), EReadError) << "row " << i;
    }
    EXPECT_EQ(ByteReader(bytes).SkipUpTo(huge), 7u);
    ByteReader sub = ByteReader(bytes).Sub(3);
    EXPECT_EQ(sub.Left(), 3u);
    EXPECT_THROW(sub.U32(), EReadError);
}

}  // namespace
