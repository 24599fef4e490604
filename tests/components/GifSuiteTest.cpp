// GIF reading against outside references: the conformance suite's expected frames, the
// malformed inputs, and giflib decoding the same files and the files we write.

#include "GiflibReference.h"
#include "components/imaging/CeGIF.h"
#include "components/imaging/GifLzw.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>

namespace {

const QString kPixbufTests = QStringLiteral(QV_PIXBUF_TESTS_DIR);

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString SuiteDir()
{
    return kPixbufTests + QStringLiteral("/test-images/gif-test-suite/");
}

#define SKIP_WITHOUT_SUITE()                                                                                    \
    if (kPixbufTests.isEmpty() || !QDir(SuiteDir()).exists())                                                   \
    GTEST_SKIP() << "gdk-pixbuf-tests is not installed: the GIF conformance files are missing"

// A case's .conf: "key = value" lines under [sections].
QMap<QString, QMap<QString, QString>> ReadConf(const QString& path)
{
    QMap<QString, QMap<QString, QString>> sections;
    QString section;
    for (const QByteArray& raw : ReadFile(path).split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            section = line.mid(1, line.size() - 2);
        else if (line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            sections[section][line.section(QLatin1Char('='), 0, 0).trimmed()] =
                line.section(QLatin1Char('='), 1).trimmed();
    }
    return sections;
}

QStringList ActiveCases()
{
    QStringList cases;
    for (const QByteArray& raw : ReadFile(SuiteDir() + QStringLiteral("TESTS")).split('\n')) {
        const QString name = QString::fromUtf8(raw).trimmed();
        if (!name.isEmpty() && !name.startsWith(QLatin1Char('#')))
            cases.append(name);
    }
    return cases;
}

// Draws frame after frame on a transparent screen, as the suite's expected frames show them:
// pixels the data did not reach and the transparent index are not drawn; disposal 2 clears
// the frame's area afterwards, 3 restores what was there before.
class Screen {
public:
    Screen(int width, int height) : width_(width), height_(height), rgba_(std::size_t(width) * height * 4, 0) {}

    void Draw(TGIFFrame& frame)
    {
        previous_ = rgba_;
        const TBitmap& bitmap = frame.Bitmap();
        const TGIFItem& item = frame.Item();
        std::vector<std::uint8_t> scratch(std::size_t(item.Width) * item.Height);
        const std::size_t reached =
            GifLzwDecode(reinterpret_cast<const std::uint8_t*>(item.Data.constData()), item.Data.size(), item.Width,
                         item.Height, frame.Interlaced, item.BitsPerPixel, scratch.data(), item.Width, true)
                .pixels;
        std::vector<bool> drawn(scratch.size(), false);
        std::size_t n = 0;
        for (GifRowStepper rows(item.Height, frame.Interlaced); !rows.Done() && n < reached; rows.Next())
            for (int x = 0; x < item.Width && n < reached; ++x, ++n)
                drawn[std::size_t(rows.Row()) * item.Width + x] = true;
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) {
                const int sx = frame.Left + x, sy = frame.Top + y;
                const int index = bitmap.Image.pixelIndex(x, y);
                if (sx >= width_ || sy >= height_ || !drawn[std::size_t(y) * item.Width + x]
                    || index == frame.TransparentIndex)
                    continue;
                const QRgb c = bitmap.Image.color(index);
                std::uint8_t* p = &rgba_[(std::size_t(sy) * width_ + sx) * 4];
                p[0] = qRed(c), p[1] = qGreen(c), p[2] = qBlue(c), p[3] = 255;
            }
        }
    }

    void Dispose(const TGIFFrame& frame)
    {
        if (frame.Disposal == 3)
            rgba_ = previous_;
        if (frame.Disposal != 2)
            return;
        for (int y = frame.Top; y < std::min(height_, frame.Top + frame.Height()); ++y)
            for (int x = frame.Left; x < std::min(width_, frame.Left + frame.Width()); ++x)
                std::fill_n(&rgba_[(std::size_t(y) * width_ + x) * 4], 4, 0);
    }

    QByteArray Rgba() const { return QByteArray(reinterpret_cast<const char*>(rgba_.data()), qsizetype(rgba_.size())); }

private:
    int width_, height_;
    std::vector<std::uint8_t> rgba_, previous_;
};

TEST(GifSuite, ActiveCasesDecodePixelExactly)
{
    SKIP_WITHOUT_SUITE();
    const QStringList cases = ActiveCases();
    EXPECT_GT(cases.size(), 60);
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        const auto conf = ReadConf(SuiteDir() + name + QStringLiteral(".conf"));
        const QMap<QString, QString> config = conf.value(QStringLiteral("config"));
        const QStringList frames = config.value(QStringLiteral("frames")).split(QLatin1Char(','), Qt::SkipEmptyParts);
        TGIFImage image;
        try {
            image.LoadFromStream(ReadFile(SuiteDir() + config.value(QStringLiteral("input"))));
        } catch (const Exception&) {
            EXPECT_TRUE(frames.isEmpty()) << "refused a valid file";
            continue;
        }
        if (frames.isEmpty())
            continue;  // an invalid file: read as far as valid is enough
        ASSERT_EQ(image.FrameCount(), frames.size());
        EXPECT_EQ(image.ScreenWidth, config.value(QStringLiteral("width")).toInt());
        EXPECT_EQ(image.ScreenHeight, config.value(QStringLiteral("height")).toInt());
        // The repeat count is held up to 30000.
        QString loop = config.value(QStringLiteral("loop-count"));
        if (loop.toInt() > 30000)
            loop = QStringLiteral("30000");
        // A forced animation's loop count is the viewer's, not the file's.
        const QString ours = !image.Looping          ? QStringLiteral("0")
                             : image.RepeatCount == 0 ? QStringLiteral("infinite")
                                                      : QString::number(image.RepeatCount);
        if (config.value(QStringLiteral("force-animation")) != QStringLiteral("yes")) {
            EXPECT_EQ(ours, loop);
        }
        // A comment before the image is the frame's; its sub-blocks are its lines.
        const QString comment = config.value(QStringLiteral("comment"));
        if (!comment.isEmpty() && !comment.contains(QStringLiteral("\\x"))) {
            const QStringList lines = image.Data().Comment + image.Frame(0).Comment();
            const QByteArray bytes = lines.join(QString()).toLatin1();
            QString text = QString::fromUtf8(bytes);
            if (text.contains(QChar::ReplacementCharacter))
                text = QString::fromLatin1(bytes);
            EXPECT_EQ(QLatin1Char('\'') + text + QLatin1Char('\''), comment);
        }
        Screen screen(image.ScreenWidth, image.ScreenHeight);
        for (int i = 0; i < image.FrameCount(); ++i) {
            const QMap<QString, QString> expected = conf.value(frames[i]);
            screen.Draw(image.Frame(i));
            EXPECT_TRUE(screen.Rgba() == ReadFile(SuiteDir() + expected.value(QStringLiteral("pixels"))))
                << "frame " << i;
            if (expected.contains(QStringLiteral("delay"))) {
                EXPECT_EQ(image.Frame(i).Delay, expected.value(QStringLiteral("delay")).toUInt() * 10) << "frame " << i;
            }
            screen.Dispose(image.Frame(i));
        }
    }
}

TEST(GifSuite, MalformedFilesAreRefusedOrReadAsFarAsValid)
{
    SKIP_WITHOUT_SUITE();
    QStringList files;
    for (const QString& dir : {QStringLiteral("/test-images/fail/"), QStringLiteral("/test-images/randomly-modified/")})
        for (const QString& name : QDir(kPixbufTests + dir).entryList({QStringLiteral("*.gif")}))
            files.append(kPixbufTests + dir + name);
    for (const QString& name : QDir(kPixbufTests).entryList({QStringLiteral("*.gif")}))
        files.append(kPixbufTests + QLatin1Char('/') + name);
    EXPECT_GE(files.size(), 10);
    for (const QString& path : files) {
        const QByteArray bytes = ReadFile(path);
        // Every prefix too: a file cut anywhere must not crash the reader.
        for (qsizetype cut : {bytes.size(), bytes.size() / 2, bytes.size() * 9 / 10, qsizetype(13)}) {
            TGIFImage image;
            try {
                image.LoadFromStream(bytes.left(cut));
                for (int i = 0; i < image.FrameCount(); ++i)
                    image.Frame(i).Bitmap();
            } catch (const Exception&) {
            }
        }
    }
}

// Pixels of every frame in top-to-bottom rows, as our reader decodes them.
std::vector<std::vector<std::uint8_t>> OurFrames(TGIFImage& image)
{
    std::vector<std::vector<std::uint8_t>> frames;
    for (int i = 0; i < image.FrameCount(); ++i) {
        const QImage& bits = image.Frame(i).Bitmap().Image;
        std::vector<std::uint8_t> pixels;
        for (int y = 0; y < bits.height(); ++y)
            pixels.insert(pixels.end(), bits.constScanLine(y), bits.constScanLine(y) + bits.width());
        frames.push_back(pixels);
    }
    return frames;
}

TEST(GifSuite, DecodesLikeGiflibAndWritesWhatGiflibReadsBack)
{
    SKIP_WITHOUT_SUITE();
    int compared = 0;
    QStringList files;
    for (const QString& name : ActiveCases())
        files.append(SuiteDir() + name + QStringLiteral(".gif"));
    files.append(kPixbufTests + QStringLiteral("/aero.gif"));
    files.append(kPixbufTests + QStringLiteral("/1_partyanimsm2.gif"));
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        const QByteArray bytes = ReadFile(path);
        const auto reference = GiflibDecode(bytes);
        TGIFImage image;
        try {
            image.LoadFromStream(bytes);
        } catch (const Exception&) {
            continue;
        }
        if (!reference || image.FrameCount() != int(reference->size()))
            continue;
        bool sound = true;
        for (int i = 0; i < image.FrameCount(); ++i)
            sound = sound && !image.Frame(i).Corrupted && (*reference)[i].width == image.Frame(i).Width();
        if (!sound)
            continue;
        const auto ours = OurFrames(image);
        // giflib keeps indices beyond the colour table; we mask them to the frame's depth.
        for (int i = 0; i < image.FrameCount(); ++i)
            for (std::uint8_t p : (*reference)[i].pixels)
                sound = sound && p < (1 << image.Frame(i).Item().BitsPerPixel);
        if (!sound)
            continue;
        for (std::size_t i = 0; i < ours.size(); ++i)
            EXPECT_TRUE(ours[i] == (*reference)[i].pixels) << "frame " << i;
        // Written back, giflib reads the same pixels.
        const auto written = GiflibDecode(image.SaveToStream());
        ASSERT_TRUE(written.has_value());
        for (std::size_t i = 0; i < ours.size(); ++i)
            EXPECT_TRUE(ours[i] == (*written)[i].pixels) << "written frame " << i;
        ++compared;
    }
    EXPECT_GT(compared, 40);
}

}  // namespace
