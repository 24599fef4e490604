// The GIF image's own rules: reading and writing the stream's parts, and the faults of the
// old reader and writer that must stay mended.

#include "GifResave.h"
#include "components/imaging/CeGIF.h"
#include "components/imaging/GifLzw.h"
#include "components/imaging/GraphicErrors.h"
#include "platform/ByteReader.h"

#include <gtest/gtest.h>

#include <QMimeData>
#include <QPainter>

namespace {

QByteArray U16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char(v >> 8));
}

// A frame's image descriptor and data: 2x2 pixels 0, 1, 1, 0 unless given.
QByteArray ImageBlock(int width = 2, int height = 2, QByteArray flagsAndTable = QByteArray(1, '\0'),
                      std::vector<std::uint8_t> pixels = {0, 1, 1, 0})
{
    std::vector<std::uint8_t> data;
    if (pixels.size() == std::size_t(width) * std::size_t(height))
        GifLzwEncode(data, pixels.data(), width, width, height, 1, false);
    return "," + U16(0) + U16(0) + U16(width) + U16(height) + flagsAndTable
        + QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
}

// "GIF89a", a 2x2 screen with the two-colour table black, white, then `body` and ";".
QByteArray Gif(const QByteArray& body, const QByteArray& signature = "GIF89a")
{
    return signature + U16(2) + U16(2) + QByteArray("\x80\0\0", 3) + QByteArray("\0\0\0\xFF\xFF\xFF", 6) + body + ";";
}

QByteArray Gce(int flags, int delay, int index)
{
    return QByteArray("!\xF9\x04", 3) + char(flags) + U16(delay) + char(index) + '\0';
}

QByteArray Comment(const QByteArray& text)
{
    return QByteArray("!\xFE", 2) + char(text.size()) + text + '\0';
}

QByteArray Loop(int count)
{
    return QByteArray("!\xFF\x0BNETSCAPE2.0\x03\x01", 16) + U16(count) + '\0';
}

TEST(GifImage, ReadsTheStreamsParts)
{
    const struct { const char* name; QByteArray gif; int frames, width; bool looping; int repeat; QStringList comment;
                   std::uint32_t delay; } cases[] = {
        {"nothing at all", QByteArray(), 0, 0, false, 1, {}, 0},
        {"mixed case signature", Gif(ImageBlock(), "gif89A"), 1, 2, false, 1, {}, 0},
        {"comments after the image", Gif(ImageBlock() + Comment("one") + Comment("two")), 1, 2, false, 1,
         {"one", "", "two"}, 0},
        {"loop count 0", Gif(Loop(0) + ImageBlock()), 1, 2, true, 0, {}, 0},
        {"loop count held at 30000", Gif(Loop(65535) + ImageBlock()), 1, 2, true, 30000, {}, 0},
        {"width 0 is the screen's", Gif(ImageBlock(0, 2, QByteArray(1, '\0'), {})), 1, 2, false, 1, {}, 0},
        {"delay in hundredths", Gif(Gce(0, 5, 0) + ImageBlock()), 1, 2, false, 1, {}, 50},
        {"unknown extension skipped", Gif(QByteArray("!\x99\x02xy\x01z\0", 8) + ImageBlock()), 1, 2, false, 1, {}, 0},
        {"block size read from the block", Gif(QByteArray("!\xF9\x05\0\x07\0\0\x09\0", 9) + ImageBlock()), 1, 2,
         false, 1, {}, 70},
    };
    for (const auto& c : cases) {
        TGIFImage image;
        image.LoadFromStream(c.gif);
        EXPECT_TRUE(image.FrameCount() == c.frames && image.Width() == c.width && image.Looping == c.looping &&
                    image.RepeatCount == c.repeat && image.Data().Comment == c.comment)
            << c.name;
        EXPECT_EQ(c.frames > 0 ? image.Frame(0).Delay : 0u, c.delay) << c.name;
    }
}

TEST(GifImage, BadStreamsRaiseClearErrorsAndKeepEarlierFrames)
{
    const QByteArray full = Gif(ImageBlock());
    const struct { const char* name; QByteArray gif; int framesKept; } cases[] = {
        {"unknown version", "GIF90a" + full.mid(6), 0},
        {"not a GIF", QByteArray("PNG89a0000000"), 0},
        {"screen descriptor cut", full.left(9), 0},
        {"local table cut", Gif(ImageBlock() + ImageBlock(2, 2, QByteArray(1, '\x87'))).left(60), 1},
        {"frame above 2^28 pixels", Gif(ImageBlock() + ImageBlock(65535, 65535, QByteArray(1, '\0'), {})), 1},
        {"stray byte after an extension", Gif(ImageBlock() + Loop(1) + "x"), 1},
    };
    for (const auto& c : cases) {
        TGIFImage image;
        EXPECT_THROW(image.LoadFromStream(c.gif), Exception) << c.name;
        EXPECT_EQ(image.FrameCount(), c.framesKept) << c.name;
    }
    // A form resource's count larger than the data.
    TGIFImage image;
    QByteArray resource = QByteArray("\xFF\0\0\0", 4) + full;
    ByteReader reader(resource);
    EXPECT_THROW(image.ReadData(reader), EReadError);
}

TEST(GifImage, WritesWhatItReadAndKeepsTheWritersRules)
{
    // A frame read from a file keeps its data bytes; delays write back in hundredths.
    const QByteArray gif = Gif(Gce(0, 5, 0) + ImageBlock());
    TGIFImage image;
    image.LoadFromStream(gif);
    image.Looping = true;  // one frame: no loop extension is written
    const QByteArray written = image.SaveToStream();
    EXPECT_EQ(written, gif);

    // Delays are held in 32 bits and clamped when written.
    image.Frame(0).Delay = 700000;
    TGIFImage reread;
    reread.LoadFromStream(image.SaveToStream());
    EXPECT_EQ(reread.Frame(0).Delay, 655350u);

    // A colour table of three entries is padded to the four its flags announce.
    image.MutableData().ColorMap.Count = 3;
    const QByteArray padded = image.SaveToStream();
    EXPECT_EQ(static_cast<std::uint8_t>(padded[10]) & 7, 1);
    reread.LoadFromStream(padded);
    EXPECT_TRUE(reread.Data().ColorMap.Count == 4u && reread.FrameCount() == 1 && !reread.Frame(0).Corrupted);

    // Long comment lines are split over sub-blocks, not cut.
    const QString line(600, QLatin1Char('c'));
    image.MutableData().Comment = QStringList{line};
    reread.LoadFromStream(image.SaveToStream());
    EXPECT_TRUE(reread.Data().Comment.join(QString()) == line && reread.Version == 2);

    // An empty image cannot be written, and its size cannot be set.
    TGIFImage empty;
    EXPECT_THROW(empty.SaveToStream(), EInvalidGraphicOperation);
    EXPECT_THROW(empty.SetWidth(3), EInvalidGraphicOperation);
}

TEST(GifImage, DamagedFramesAreEncodedAfreshWhenWritten)
{
    // Data cut inside its sub-block: the frame is corrupted and keeps the first pixels.
    QByteArray gif = Gif(ImageBlock(4, 1, QByteArray(1, '\0'), {1, 1, 0, 1}));
    const qsizetype dataStart = gif.indexOf(',') + 10;
    gif = gif.left(dataStart + 3);
    TGIFImage image;
    image.LoadFromStream(gif);
    ASSERT_EQ(image.FrameCount(), 1);
    const QImage& pixels = image.Frame(0).Bitmap().Image;
    EXPECT_EQ(QList<int>({pixels.pixelIndex(0, 0), pixels.pixelIndex(1, 0), pixels.pixelIndex(3, 0)}),
              QList<int>({1, 0, 0}));
    EXPECT_TRUE(image.Frame(0).Corrupted);
    EXPECT_EQ(gif_resave::Check(image).fault, "");  // written sound, with the same pixels
    EXPECT_FALSE(image.Frame(0).Corrupted);
}

// Files that once broke the resave promise: each writes and reads back the same, or is
// refused with the writer's own error.
TEST(GifImage, ResavingKeepsEveryFrameOrRefusesClearly)
{
    const struct { const char* name; const char* gif; bool written; } cases[] = {
        {"a damaged frame's new table became the global one under a sound frame without a table",
         "R0lGODlhAgACCgABACwAAAAAAgACAAACAlRcACH5BAUKAAEALAAAAAACAPgAQP8CRFwAIfYzN2FsbDEAIg==", true},
        {"a frame of height 0 would read back with the screen's height",
         "R0lGODdhAi4AAAAAACwGAABuAAAAAAAAAB8AAAAsRjc0KwAAAjYAAA==", false},
    };
    for (const auto& c : cases) {
        TGIFImage image;
        image.LoadFromStream(QByteArray::fromBase64(c.gif));
        const gif_resave::Outcome outcome = gif_resave::Check(image);
        EXPECT_EQ(outcome.fault, "") << c.name;
        EXPECT_EQ(outcome.written, c.written) << c.name;
    }
    // A frame wider than a descriptor holds is refused; one reaching past the largest screen
    // writes with the screen clamped.
    QImage line(70000, 1, QImage::Format_RGB32);
    line.fill(Qt::red);
    TGIFImage image;
    image.AddFrame(BitmapFromImage(line));
    EXPECT_THROW(image.SaveToStream(), EInvalidGraphicOperation);
    image.Assign(BitmapFromImage(line.copy(0, 0, 2, 1)));
    image.Frame(0).Left = 65535;
    EXPECT_TRUE(gif_resave::Check(image).fault == "" && image.ScreenWidth == 65535);
}

// Each dimension has its own bound: a frame 0 pixels wide would read back with the
// screen's width, one 65536 rows high does not fit the descriptor's 16 bits.
TEST(GifImage, FramesOfNoWidthOrTooManyRowsAreRefused)
{
    // A screen 0 wide gives the second frame, never decoded, a width of 0.
    const QByteArray noWidth = QByteArray("GIF89a") + U16(0) + U16(2) + QByteArray("\x80\0\0", 3)
        + QByteArray("\0\0\0\xFF\xFF\xFF", 6) + ImageBlock() + ImageBlock(0, 2, QByteArray(1, '\0'), {}) + ";";
    TGIFImage image;
    image.LoadFromStream(noWidth);
    ASSERT_TRUE(image.FrameCount() == 2 && image.Frame(1).Width() == 0 && !image.Frame(1).Corrupted);
    EXPECT_THROW(image.SaveToStream(), EInvalidGraphicOperation);

    QImage column(1, 65536, QImage::Format_RGB32);
    column.fill(Qt::red);
    image.Assign(BitmapFromImage(column));
    EXPECT_THROW(image.SaveToStream(), EInvalidGraphicOperation);
    image.Assign(BitmapFromImage(column.copy(0, 0, 1, 65535)));
    const gif_resave::Outcome highest = gif_resave::Check(image);
    EXPECT_TRUE(highest.written && highest.fault.empty() && image.ScreenHeight == 65535) << highest.fault;
}

// A 1x5 interlaced frame whose row r has colour r. Stored in pass order the rows are 0 (pass
// 1), 4 (pass 2), 2 (pass 3), 1 and 3 (pass 4). Code size 3: clear 8, end 9, codes of 4 bits
// (the table reaches only code 13): 8 0 4 2 1 3 9, packed low nibble first.
TEST(GifImage, InterlacedFrameReadsIntoItsRows)
{
    QByteArray table;
    for (int i = 0; i < 8; ++i)
        table += QByteArray(1, char(i * 30)) + QByteArray(1, '\0') + QByteArray(1, char(255 - i * 30));
    const QByteArray gif = QByteArray("GIF89a") + U16(1) + U16(5) + QByteArray("\xA2\0\0", 3) + table + ","
        + U16(0) + U16(0) + U16(1) + U16(5) + QByteArray("\x40\x03\x04\x08\x24\x31\x09\0;", 9);
    TGIFImage image;
    image.LoadFromStream(gif);
    ASSERT_EQ(image.FrameCount(), 1);
    TGIFFrame& frame = image.Frame(0);
    const QImage& pixels = frame.Bitmap().Image;
    QList<int> rows;
    for (int y = 0; y < pixels.height(); ++y)
        rows.append(pixels.pixelIndex(0, y));
    EXPECT_TRUE(frame.Interlaced && !frame.Corrupted);
    EXPECT_EQ(rows, QList<int>({0, 1, 2, 3, 4}));
    EXPECT_EQ(pixels.pixel(0, 4), qRgb(120, 0, 135));
    // Written back with its data unchanged, it still reads interlaced.
    EXPECT_EQ(image.SaveToStream().toHex().toStdString(), gif.toHex().toStdString());

    // A frame built from a bitmap and marked interlaced is stored in pass order.
    QImage picture(3, 5, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 5; ++y)
        picture.setPixel(y % 3, y, qRgb(255, y * 60, 0));
    TGIFImage built;
    built.AddFrame(BitmapFromImage(picture));
    built.Frame(0).Interlaced = true;
    TGIFImage reread;
    reread.LoadFromStream(built.SaveToStream());
    EXPECT_TRUE(reread.Frame(0).Interlaced);
    EXPECT_EQ(gif_resave::Colours(reread.Frame(0).Bitmap()), gif_resave::Colours(BitmapFromImage(picture)));
}

// The program shows one frame at a time and composites nothing, so each disposal method
// (0 to 7, bits 2..4 of the graphic control's flags) only reads into the frame and is
// written back. The odd frames also carry the user-input bit, which must not leak into it.
TEST(GifImage, EveryDisposalMethodReadsAndWritesBack)
{
    QByteArray body;
    for (int disposal = 0; disposal < 8; ++disposal)
        body += Gce(disposal << 2 | (disposal % 2 ? 0x02 : 0), disposal + 1, 0) + ImageBlock();
    const QByteArray gif = Gif(body);
    TGIFImage image;
    image.LoadFromStream(gif);
    ASSERT_EQ(image.FrameCount(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(image.Frame(i).Disposal, i);
        EXPECT_EQ(image.Frame(i).Delay, std::uint32_t(i + 1) * 10) << i;
        EXPECT_EQ(image.Frame(i).TransparentColor, clNone) << i;
    }
    EXPECT_EQ(image.SaveToStream(), gif);
    // A disposal set in the program is written into the flags, the other bits kept.
    image.Frame(1).Disposal = 6;
    EXPECT_EQ(image.SaveToStream(), QByteArray(gif).replace(Gce(0x06, 2, 0), Gce(0x1A, 2, 0)));
}

TEST(GifImage, TransparencyIsAnIndexAndOnlyThatIndexIsMasked)
{
    // Indices 0 and 1 are both red; only index 1 is transparent.
    const QByteArray gif = QByteArray("GIF89a") + U16(2) + U16(1) + QByteArray("\x80\0\0", 3)
        + QByteArray("\xFF\0\0\xFF\0\0", 6) + Gce(1, 0, 1) + ImageBlock(2, 1, QByteArray(1, '\0'), {0, 1}) + ";";
    TGIFImage image;
    image.LoadFromStream(gif);
    image.SetTransparent(true);
    EXPECT_TRUE(image.Frame(0).TransparentIndex == 1 && image.Frame(0).TransparentColor == clRed);
    QImage canvas(2, 1, QImage::Format_RGB32);
    canvas.fill(Qt::blue);
    QPainter painter(&canvas);
    image.Draw(painter, QRect(0, 0, 2, 1));
    painter.end();
    EXPECT_TRUE(canvas.pixel(0, 0) == qRgb(255, 0, 0) && canvas.pixel(1, 0) == qRgb(0, 0, 255));
    // Written back, the index stays the transparent one.
    TGIFImage reread;
    reread.LoadFromStream(image.SaveToStream());
    EXPECT_EQ(reread.Frame(0).TransparentIndex, 1);
}

TEST(GifImage, WithoutAnyColourTableTheFrameIsGrey)
{
    const QByteArray gif = QByteArray("GIF89a") + U16(2) + U16(2) + QByteArray("\0\0\0", 3) + ImageBlock() + ";";
    TGIFImage image;
    image.LoadFromStream(gif);
    const TBitmap& bitmap = image.Frame(0).Bitmap();
    EXPECT_TRUE(bitmap.Image.pixel(0, 0) == qRgb(0, 0, 0) && bitmap.Image.pixel(1, 0) == qRgb(255, 255, 255));
}

TEST(GifImage, AssignSharesAndCopiesBeforeAChange)
{
    TGIFImage source;
    source.LoadFromStream(Gif(ImageBlock() + Comment("kept")));
    TGIFImage copy;
    copy.Assign(source);
    EXPECT_TRUE(copy.Equals(source));
    copy.MutableData().Comment = QStringList{QStringLiteral("changed")};
    EXPECT_TRUE(!copy.Equals(source) && source.Data().Comment == QStringList{QStringLiteral("kept")});

    // A frame assigned into another image keeps its colours as a local table.
    TGIFImage single;
    single.Assign(source.Frame(0));
    EXPECT_TRUE(single.Frame(0).LocalColorTable && single.Frame(0).Bitmap().Image.pixel(1, 0) == qRgb(255, 255, 255));
}

TEST(GifImage, FramesFromBitmapsWriteAndReadBack)
{
    QImage picture(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixel(x, y, qRgb(x * 50, y * 100, 7));
    TGIFImage image;
    image.AddFrame(BitmapFromImage(picture));
    image.AddFrame(BitmapFromImage(picture.mirrored(true, false)));
    image.Looping = true;
    EXPECT_TRUE(image.SaveToStream().contains("NETSCAPE2.0"));
    EXPECT_EQ(gif_resave::Colours(image.Frame(0).Bitmap()), gif_resave::Colours(BitmapFromImage(picture)));
    EXPECT_EQ(gif_resave::Check(image).fault, "");  // and reads back with the same colours
}

TEST(GifImage, ClipboardBitmapReplacesFrameZeroOfASingleFrameImageOnly)
{
    QImage green(2, 2, QImage::Format_RGB32);
    green.fill(Qt::green);
    const struct { QByteArray body; int frames; QRgb pixel; } cases[] = {
        {ImageBlock() + ImageBlock(), 2, qRgb(255, 255, 255)}, {ImageBlock(), 1, qRgb(0, 255, 0)}};
    for (const auto& c : cases) {
        TGIFImage image;
        image.LoadFromStream(Gif(c.body));
        QMimeData data;
        image.SaveToClipboardFormat(data);
        ASSERT_TRUE(data.hasFormat(GIFClipboardFormat()));
        data.setImageData(green);
        TGIFImage pasted;
        pasted.LoadFromClipboardFormat(data);
        EXPECT_EQ(pasted.FrameCount(), c.frames);
        EXPECT_EQ(pasted.Frame(0).Bitmap().Image.pixel(1, 0), c.pixel) << c.frames;
    }
}

}  // namespace
