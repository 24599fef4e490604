// Icons, the icon-list stream and animated cursors, from small files built here.

#include "components/imaging/AniFile.h"
#include "components/imaging/CeGIF.h"
#include "components/imaging/IcoList.h"
#include "platform/ByteReader.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

namespace {

QByteArray U32(std::uint32_t v)
{
    return QByteArray(reinterpret_cast<const char*>(&v), 4);
}

QByteArray U16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char(v >> 8));
}

// A 2x2 image of `bits` per pixel: palette entry i is (0x30, 0x20, 0x10 + i); the top row
// holds bytes 0x11, the bottom row 0; the mask hides the top-left pixel.
QByteArray Dib(int bits)
{
    QByteArray image = U32(40) + U32(2) + U32(4) + U16(1) + U16(bits) + QByteArray(24, '\0');
    for (int i = 0; bits <= 8 && i < (1 << bits); ++i)
        image += QByteArray(1, char(0x10 + i)) + QByteArray("\x20\x30\0", 3);
    const int stride = ((2 * bits + 31) / 32) * 4;
    image += QByteArray(stride, '\0') + QByteArray(stride, '\x11');  // stored bottom-up
    return image + QByteArray("\0\0\0\0\x80\0\0\0", 8);
}

// An icon (type 1) or cursor (type 2, hot spot in the planes and bit-count fields) file
// holding one 2x2 image per depth.
QByteArray Icon(int type = 1, QList<int> depths = {32}, int hotX = 0, int hotY = 0)
{
    QByteArray directory = U16(0) + U16(type) + U16(int(depths.size())), images;
    for (int bits : depths) {
        const QByteArray image = Dib(bits);
        directory += QByteArray("\x02\x02\0\0", 4) + U16(type == 2 ? hotX : 1) + U16(type == 2 ? hotY : bits)
            + U32(std::uint32_t(image.size())) + U32(std::uint32_t(6 + 16 * depths.size() + images.size()));
        images += image;
    }
    return directory + images;
}

QByteArray Chunk(const QByteArray& id, const QByteArray& data)
{
    return id + U32(std::uint32_t(data.size())) + data + (data.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray Anih(int frames, int steps, int rate = 6, int flags = 1)
{
    return Chunk("anih", U32(36) + U32(frames) + U32(steps) + QByteArray(12, '\0') + U32(1) + U32(rate) + U32(flags));
}

QByteArray Riff(const QByteArray& chunks, const QByteArray& form = "ACON")
{
    return "RIFF" + U32(std::uint32_t(chunks.size() + 4)) + form + chunks;
}

QByteArray Fram(const QList<QByteArray>& icons)
{
    QByteArray data = "fram";
    for (const QByteArray& icon : icons)
        data += Chunk("icon", icon);
    return Chunk("LIST", data);
}

TEST(Icon, ReadsIconsBottomUpWithTheirMasksAndShowsTheDeepestLargestEntry)
{
    TIcon icon;
    icon.LoadFromBytes(Icon(1, {4}));
    EXPECT_TRUE(icon.Width() == 2 && qAlpha(icon.Image().pixel(0, 0)) == 0);
    EXPECT_TRUE(icon.Image().pixel(1, 0) == qRgb(0x30, 0x20, 0x11) && icon.Image().pixel(1, 1) == qRgb(0x30, 0x20, 0x10));
    // Of entries of one size the one with the most colours is shown, the first on a tie.
    const struct { QList<int> depths; int shown; QRgb topRight; } cases[] = {
        {{4, 8, 1}, 1, qRgb(0x30, 0x20, 0x21)}, {{8, 4}, 0, qRgb(0x30, 0x20, 0x21)}, {{4, 4}, 0, qRgb(0x30, 0x20, 0x11)}};
    for (const auto& c : cases) {
        icon.LoadFromBytes(Icon(1, c.depths));
        EXPECT_EQ(icon.DisplayedEntry(), c.shown) << c.depths.size();
        EXPECT_EQ(icon.Image().pixel(1, 0), c.topRight) << c.depths.size();
    }
    EXPECT_THROW(icon.LoadFromBytes(Icon(2)), EReadError);  // a cursor is not an icon
    EXPECT_THROW(icon.LoadFromBytes(Icon().left(40)), EReadError);
    EXPECT_EQ(icon.DisplayedEntry(), 0);  // unchanged by a failed load
}

TEST(IconList, StreamsEntriesAndEmptySlots)
{
    TIconList list;
    int changes = 0;
    list.OnChange = [&changes] { ++changes; };
    QByteArray twoEmpty = U32(2) + U32(0) + U32(0);
    ByteReader reader(twoEmpty);
    list.LoadFromStream(reader);
    EXPECT_TRUE(list.Count() == 2 && !list.Get(0) && !list.Get(1));

    TIcon icon;
    icon.LoadFromBytes(Icon());
    list.BeginUpdate();
    list.Put(0, icon);
    list.Put(2, icon);
    list.Add(icon);
    list.EndUpdate();
    EXPECT_EQ(changes, 2);  // the load, then the update once
    EXPECT_EQ(list.Count(), 4);

    const QByteArray stream = list.SaveToStream();
    TIconList back;
    ByteReader again(stream);
    back.LoadFromStream(again);
    EXPECT_TRUE(back.Count() == 4 && !back.Get(1) && back.Get(3)->Image() == icon.Image());
    EXPECT_EQ(back.SaveToStream(), stream);

    // Cut streams and counts larger than the data are read errors, not allocations.
    for (const QByteArray& bad : {stream.left(stream.size() - 1), U32(0x40000000) + U32(0), U32(1) + U32(500)}) {
        ByteReader r(bad);
        EXPECT_THROW(back.LoadFromStream(r), EReadError);
    }
    EXPECT_THROW(back.Get(4), ERangeError);
}

TEST(AnimatedCursor, EachRateAndSequenceEntryIsItsOwnSteps)
{
    const QByteArray ani = Riff(Chunk("LIST", "INFO" + Chunk("INAM", QByteArray(300, 'n')) + Chunk("IART", "me"))
                                + Anih(2, 3) + Chunk("rate", U32(5) + U32(10) + U32(15))
                                + Chunk("seq ", U32(1) + U32(0) + U32(1)) + Fram({Icon(2, {4}, 1, 0), Icon(1, {8})}));
    TAnimatedCursorImage cursor;
    cursor.LoadFromStream(ani);
    ASSERT_EQ(cursor.FrameCount(), 3);
    EXPECT_EQ(cursor.Header.Steps, 3u);
    const int sequence[] = {1, 0, 1};
    const std::uint32_t rates[] = {5, 10, 15};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(cursor.Frame(i).SequenceIndex == sequence[i] && cursor.Frame(i).Rate == rates[i]) << i;
    EXPECT_TRUE(!cursor.Frame(1).IsIcon && cursor.Frame(1).HotSpot == QPoint(1, 0));
    EXPECT_TRUE(cursor.Frame(0).IsIcon && cursor.Frame(0).HotSpot == QPoint(1, 1));
    EXPECT_EQ(cursor.MaxColors, 256);  // from the images' own headers
    EXPECT_TRUE(cursor.Title.size() == 255 && cursor.Creator == QStringLiteral("me"));

    // Handed on: a GIF frame per step, with the rates as delays.
    TGIFImage gif;
    gif.Assign(cursor);
    ASSERT_EQ(gif.FrameCount(), 3);
    EXPECT_EQ(gif.Frame(2).Delay, 15u * 100 / 6);
    EXPECT_TRUE(gif.SaveToStream().startsWith("GIF89a") && cursor.AssignToBitmap(clWhite).Width() == 6);
}

TEST(AnimatedCursor, IconsNoStepNamesAreAppendedAndBadFilesRefused)
{
    TAnimatedCursorImage cursor;
    cursor.LoadFromStream(Riff(Anih(3, 3) + Fram({Icon(), Icon(), Icon(), Icon()})));
    ASSERT_EQ(cursor.FrameCount(), 4);
    EXPECT_TRUE(cursor.Frame(3).SequenceIndex == -1 && cursor.Frame(3).Rate == 6u);

    const struct { const char* name; QByteArray bytes; } cases[] = {
        {"not ACON", Riff(Anih(1, 1) + Fram({Icon()}), "AVI ")},
        {"frames are not icons", Riff(Anih(1, 1, 6, 0) + Fram({Icon()}))},
        {"no steps", Riff(Anih(1, 0) + Fram({Icon()}))},
        {"more steps than the file could hold", Riff(Anih(1, 100000) + Fram({Icon()}))},
        {"short header", Riff(Chunk("anih", U32(36) + U32(1)) + Fram({Icon()}))},
        {"no icons", Riff(Anih(1, 1))},
        {"broken icon", Riff(Anih(1, 1) + Fram({Icon().left(30)}))},
        {"icon chunk larger than the file", Riff(Anih(1, 1) + "LIST" + U32(400) + "framicon" + U32(999) + Icon())},
    };
    for (const auto& c : cases)
        EXPECT_THROW(cursor.LoadFromStream(c.bytes), EReadError) << c.name;
}

}  // namespace
