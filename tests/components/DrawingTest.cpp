#include "components/CEConst.h"
#include "components/CESpinButton.h"
#include "components/VCLUtils.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/MessageBox.h"

#include <QBitmap>
#include <QPainter>
#include <QTest>
#include <QTimer>

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

QImage Filled(int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A 4 x 4 red picture with a blue diagonal.
QImage RedWithBlueDiagonal()
{
    QImage image = Filled(4, 4, kRed);
    for (int i = 0; i < 4; ++i)
        image.setPixel(i, i, kBlue);
    return image;
}

QRgb Pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}

}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void defaultColourTakesTheBottomLeftPixel()
    {
        QImage dest = Filled(6, 6, kGreen);
        QImage bitmap = RedWithBlueDiagonal();
        bitmap.setPixel(3, 0, kRed);
        {
            QPainter p(&dest);
            DrawBitmapTransparent(p, 1, 1, bitmap, clDefault);
        }
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool onDiagonal = x == y && x >= 1 && x <= 4;
                QCOMPARE(Pixel(dest, x, y), onDiagonal ? kBlue : kGreen);
            }

        // With blue given, the red shows and the diagonal is transparent.
        dest = Filled(6, 6, kGreen);
        {
            QPainter p(&dest);
            DrawBitmapTransparent(p, 0, 0, bitmap, 0xFF0000 /* blue as 0x00BBGGRR */);
        }
        QCOMPARE(Pixel(dest, 0, 0), kGreen);
        QCOMPARE(Pixel(dest, 1, 0), kRed);
        QCOMPARE(Pixel(dest, 4, 4), kGreen);
    }

    void monochromeBitmapsHaveWhiteTransparent()
    {
        QImage mono(4, 4, QImage::Format_Mono);
        mono.setColorTable({kBlack, kWhite});
        mono.fill(1);
        mono.setPixel(1, 2, 0);
        mono.setPixel(0, 3, 0);  // the bottom-left pixel is black, yet white stays the mask
        for (const TColor given : {clDefault, clRed}) {
            QImage dest = Filled(4, 4, kGreen);
            {
                QPainter p(&dest);
                DrawBitmapTransparent(p, 0, 0, mono, given);
            }
            QCOMPARE(Pixel(dest, 1, 2), kBlack);
            QCOMPARE(Pixel(dest, 0, 3), kBlack);
            QCOMPARE(Pixel(dest, 0, 0), kGreen);
            QCOMPARE(Pixel(dest, 3, 3), kGreen);
        }
    }

    void noneStretchesOpaqueByPickingPixels()
    {
        QImage dest = Filled(8, 8, kGreen);
        {
            QPainter p(&dest);
            DrawBitmapTransparent(p, QRect(0, 0, 8, 8), QRect(), RedWithBlueDiagonal(), clNone);
        }
        QCOMPARE(Pixel(dest, 1, 1), kBlue);
        QCOMPARE(Pixel(dest, 2, 0), kRed);
        QCOMPARE(Pixel(dest, 7, 6), kBlue);

        // A destination without size takes the bitmap's size.
        dest = Filled(8, 8, kGreen);
        {
            QPainter p(&dest);
            DrawBitmapTransparent(p, QRect(2, 2, 0, 0), QRect(), RedWithBlueDiagonal(), clNone);
        }
        QCOMPARE(Pixel(dest, 5, 5), kBlue);
        QCOMPARE(Pixel(dest, 6, 6), kGreen);
    }

    void sourceRectangleIsClippedToTheBitmap()
    {
        // Source (2, 2, 4, 4) of a 4 x 4 bitmap: only its 2 x 2 corner exists, drawn at the
        // scale the caller asked for (1:1 here), the rest of the destination untouched.
        QImage dest = Filled(6, 6, kGreen);
        {
            QPainter p(&dest);
            DrawBitmapTransparent(p, QRect(1, 1, 4, 4), QRect(2, 2, 4, 4), RedWithBlueDiagonal(), clNone);
        }
        QCOMPARE(Pixel(dest, 1, 1), kBlue);
        QCOMPARE(Pixel(dest, 2, 1), kRed);
        QCOMPARE(Pixel(dest, 2, 2), kBlue);
        QCOMPARE(Pixel(dest, 3, 3), kGreen);
        QCOMPARE(Pixel(dest, 3, 1), kGreen);
        QCOMPARE(Pixel(dest, 1, 3), kGreen);

        dest = Filled(6, 6, kGreen);
        {
            QPainter p(&dest);
            StretchBltTransparent(p, 0, 0, 6, 6, RedWithBlueDiagonal(), -2, -2, 3, 3, clRed);
        }
        // Only the bitmap's pixel (0, 0), blue, lies in the source; it maps to (4, 4)-(5, 5).
        QCOMPARE(Pixel(dest, 4, 4), kBlue);
        QCOMPARE(Pixel(dest, 5, 5), kBlue);
        QCOMPARE(Pixel(dest, 3, 3), kGreen);
        QCOMPARE(Pixel(dest, 0, 0), kGreen);
    }

    void spinFacesFollowTheBevelRecipe()
    {
        QPalette pal;
        pal.setColor(QPalette::Button, qRgb(192, 192, 192));
        pal.setColor(QPalette::WindowText, kBlack);
        pal.setColor(QPalette::Dark, qRgb(128, 128, 128));
        pal.setColor(QPalette::Light, kWhite);
        const QRgb face = qRgb(192, 192, 192);
        const QRgb shadow = qRgb(128, 128, 128);
        TCeSpinButton button;
        const QSize size(20, 20);
        const QImage none = TCeSpinButton::DrawFace(size, TCeSpinButton::bsNone, pal, button.UpGlyph(), button.DownGlyph());
        const QImage top = TCeSpinButton::DrawFace(size, TCeSpinButton::bsTopDown, pal, button.UpGlyph(), button.DownGlyph());
        const QImage bottom = TCeSpinButton::DrawFace(size, TCeSpinButton::bsBottomDown, pal, button.UpGlyph(), button.DownGlyph());

        // Frame and the rising diagonal (x + y = 19).
        for (const QImage* img : {&none, &top, &bottom}) {
            QCOMPARE(Pixel(*img, 19, 19), kBlack);
            QCOMPARE(Pixel(*img, 10, 9), kBlack);
        }
        // Upper triangle: highlight outside, shadow along the diagonal; pressed, shadow
        // outside and no diagonal edge. The lines stop one pixel short of their ends.
        QCOMPARE(Pixel(none, 16, 1), kWhite);
        QCOMPARE(Pixel(none, 1, 16), kWhite);
        QCOMPARE(Pixel(none, 17, 1), shadow);
        QCOMPARE(Pixel(none, 1, 17), shadow);
        QCOMPARE(Pixel(top, 16, 1), shadow);
        QCOMPARE(Pixel(top, 17, 1), face);
        QCOMPARE(Pixel(top, 1, 17), face);
        // Lower triangle: shadow outside, highlight along the diagonal; pressed the other way
        // round, with the inner shadow line one pixel further in.
        QCOMPARE(Pixel(none, 2, 18), kWhite);  // the highlight diagonal starts here
        QCOMPARE(Pixel(none, 3, 18), shadow);
        QCOMPARE(Pixel(none, 18, 5), shadow);
        QCOMPARE(Pixel(none, 17, 3), kWhite);
        QCOMPARE(Pixel(bottom, 18, 18), kWhite);
        QCOMPARE(Pixel(bottom, 3, 17), shadow);
        QCOMPARE(Pixel(bottom, 4, 17), shadow);
        QCOMPARE(Pixel(bottom, 18, 3), shadow);

        // Glyphs: up at (Round(5 - 3.5) + d, Round(5 - 2) + d), d = 2 pressed, else 1; the tip
        // of the arrow is the glyph's pixel (3, 1). Down at (Round(15 - 3.5) - 1, 12); its
        // tip is the glyph's pixel (3, 2).
        QCOMPARE(Pixel(none, 6, 5), kBlack);
        QCOMPARE(Pixel(none, 5, 5), face);
        QCOMPARE(Pixel(top, 7, 6), kBlack);
        QCOMPARE(Pixel(top, 6, 5), face);
        QCOMPARE(Pixel(none, 14, 14), kBlack);
        QCOMPARE(Pixel(none, 14, 15), face);
    }

    void pressedFaceFollowsTheFirstHalfWhileDragging()
    {
        TCeSpinButton button;
        button.resize(20, 20);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        int tops = 0;
        connect(&button, &TCeSpinButton::OnTopClick, this, [&] { ++tops; });
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(tops, 1);
        QCOMPARE(button.State(), TCeSpinButton::bsTopDown);
        QTest::mouseMove(&button, QPoint(17, 17));
        QCOMPARE(button.State(), TCeSpinButton::bsNone);
        QTest::mouseMove(&button, QPoint(4, 4));
        QCOMPARE(button.State(), TCeSpinButton::bsTopDown);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(button.State(), TCeSpinButton::bsNone);
        QCOMPARE(tops, 1);
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(tops, 1);
    }

    void glyphsComeFromTheResourcesAndReloadOnNull()
    {
        TCeSpinButton button;
        QCOMPARE(button.size(), QSize(20, 20));
        QVERIFY(!button.UpGlyph().isNull());
        QVERIFY(!button.DownGlyph().isNull());
        const QImage original = button.UpGlyph();
        button.SetUpGlyph(Filled(3, 3, kRed));
        QCOMPARE(button.UpGlyph().size(), QSize(3, 3));
        button.SetUpGlyph(QImage());
        QCOMPARE(button.UpGlyph(), original);
    }

    void cursorsAreRegisteredUnderTheirNumbers()
    {
        QCOMPARE(ScreenCursor(crHandCur).shape(), Qt::ArrowCursor);
        RegisterComponentCursors();
        RegisterComponentCursors();
        for (const int id : {crHandCur, crDragCur}) {
            const QCursor cursor = ScreenCursor(id);
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.pixmap().size(), QSize(16, 16));
        }
        QCOMPARE(ScreenCursor(crDragCur + 1).shape(), Qt::ArrowCursor);
    }

    void notImplementedTellsAndAbortsSilently()
    {
        QList<MessageRequest> shown;
        SetMessageHook([&](const MessageRequest& r) {
            shown << r;
            return true;
        });
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        bool aborted = false;
        try {
            NotImplemented();
        } catch (const EAbort&) {
            aborted = true;
        }
        QVERIFY(aborted);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Function not yet implemented"));
        QCOMPARE(shown[0].kind, MessageKind::Information);
        QVERIFY(!shown[0].yesNo);

        // Inside an event the abort ends the handler and the event loop swallows it: no
        // error box follows the message.
        bool after = false;
        QTimer::singleShot(0, this, [&] {
            NotImplemented();
            after = true;
        });
        QTRY_COMPARE(shown.size(), 2);
        QTest::qWait(10);
        QCOMPARE(shown.size(), 2);
        QVERIFY(!after);
        SetMessageHook(nullptr);
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    DrawingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DrawingTest.moc"
