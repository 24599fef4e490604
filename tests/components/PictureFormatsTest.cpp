// The formats registered at start, and the three mounting pictures read through the
// program's own GIF reader.

#include "components/CEConst.h"
#include "components/PictureFormats.h"
#include "components/imaging/CeGIF.h"
#include "components/imaging/CeGraph.h"
#include "components/imaging/ClipIcon.h"
#include "components/imaging/GraphicFormats.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QApplication>
#include <QPainter>

namespace {

QByteArray Resource(const QString& name)
{
    InitComponentResources();
    QFile file(QStringLiteral(":/components/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PictureFormats, MountingPicturesLoadAndDrawStretched)
{
    const struct { const char* name; int width; } cases[] = {
        {"MountingReflex", 240}, {"MountingFaceToFace", 240}, {"MountingFaceToFaceNegative", 241}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TGIFImage image;
        image.LoadFromStream(Resource(QLatin1String(c.name)));
        ASSERT_EQ(image.FrameCount(), 1);
        EXPECT_TRUE(QSize(image.Width(), image.Height()) == QSize(c.width, 156) && !image.Transparent());

        QImage canvas(c.width * 2, 312, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        QPainter painter(&canvas);
        image.Draw(painter, canvas.rect());
        painter.end();
        const QImage& bitmap = image.Frame(0).Bitmap().Image;
        EXPECT_TRUE(canvas.pixel(2 * 30 + 1, 2 * 78 + 1) == bitmap.pixel(30, 78) && canvas.pixel(0, 0) == bitmap.pixel(0, 0));
    }
}

TEST(PictureFormats, RegisteredAtStart)
{
    RegisterPictureFormats();
    const TGraphicFormat* gif = FindFileFormat(QStringLiteral("GIF"));
    ASSERT_NE(gif, nullptr);
    EXPECT_EQ(gif->Description, QStringLiteral("CompuServe GIF Image"));
    TGIFImage image;
    image.LoadFromStream(Resource(QStringLiteral("MountingReflex")));
    const TGraphicFormat* clipboard = FindClipboardFormat(GIFClipboardFormat());
    ASSERT_NE(clipboard, nullptr);
    EXPECT_EQ(clipboard->Read(image.WriteData()).size(), QSize(240, 156));
    EXPECT_NE(FindClipboardFormat(IconClipboardFormat()), nullptr);

}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
