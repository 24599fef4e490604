#include "components/CEConst.h"
#include "components/CESpinButton.h"
#include "components/VCLUtils.h"

#include "platform/Application.h"
#include "platform/Exceptions.h"
#include "platform/MessageBox.h"

#include <QPainter>
#include <QTest>

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

// What `draw` leaves on a green square of the given side.
template <typename Draw>
QImage OnGreen(int side, Draw draw)
{
    QImage dest = Filled(side, side, kGreen);
    QPainter p(&dest);
    draw(p);
    p.end();
    return dest;
}

struct Px {
    int x, y;
    QRgb rgb;
};

// The pixels that differ from the expected ones, as text (empty when all match).
QString Mismatches(const QImage& image, std::initializer_list<Px> expected)
{
    QString out;
    for (const Px& p : expected)
        if ((image.pixel(p.x, p.y) | 0xFF000000u) != p.rgb)
            out += QStringLiteral("(%1, %2) is %3; ").arg(p.x).arg(p.y).arg(image.pixel(p.x, p.y), 0, 16);
    return out;
}

}  // namespace

class DrawingTest : public QObject {
    Q_OBJECT

private slots:
    void transparentColourChoices()
    {
        // clDefault takes the bottom-left pixel: all red is transparent.
        const QImage bitmap = RedWithBlueDiagonal();
        QImage dest = OnGreen(6, [&](QPainter& p) { DrawBitmapTransparent(p, 1, 1, bitmap, clDefault); });
        QCOMPARE(Mismatches(dest, {{1, 1, kBlue}, {4, 4, kBlue}, {0, 0, kGreen}, {2, 1, kGreen}, {5, 5, kGreen}}),
                 QString());
        // With blue given, the red shows and the diagonal is transparent.
        dest = OnGreen(6, [&](QPainter& p) { DrawBitmapTransparent(p, 0, 0, bitmap, 0xFF0000 /* 0x00BBGGRR */); });
        QCOMPARE(Mismatches(dest, {{0, 0, kGreen}, {1, 0, kRed}, {4, 4, kGreen}}), QString());

        // A monochrome bitmap has white transparent, even with black bottom-left or a colour given.
        QImage mono(4, 4, QImage::Format_Mono);
        mono.setColorTable({kBlack, kWhite});
        mono.fill(1);
        mono.setPixel(1, 2, 0);
        mono.setPixel(0, 3, 0);
        for (const TColor given : {clDefault, clRed}) {
            dest = OnGreen(4, [&](QPainter& p) { DrawBitmapTransparent(p, 0, 0, mono, given); });
            QCOMPARE(Mismatches(dest, {{1, 2, kBlack}, {0, 3, kBlack}, {3, 3, kGreen}}), QString());
        }
    }

    void stretchingPicksPixelsAndClipsTheSourceToTheBitmap()
    {
        auto drawn = [](int side, QRect dest, QRect source) {
            return OnGreen(side, [&](QPainter& p) {
                DrawBitmapTransparent(p, dest, source, RedWithBlueDiagonal(), clNone);
            });
        };
        // clNone draws opaque; a destination without size takes the bitmap's size.
        QCOMPARE(Mismatches(drawn(8, QRect(0, 0, 8, 8), QRect()), {{1, 1, kBlue}, {2, 0, kRed}, {7, 6, kBlue}}),
                 QString());
        QCOMPARE(Mismatches(drawn(8, QRect(2, 2, 0, 0), QRect()), {{5, 5, kBlue}, {6, 6, kGreen}}), QString());
        // Source (2, 2, 4, 4) of a 4 x 4 bitmap: only its 2 x 2 corner exists, drawn at the
        // scale asked for (1:1), the rest of the destination untouched.
        const QImage clipped = drawn(6, QRect(1, 1, 4, 4), QRect(2, 2, 4, 4));
        QCOMPARE(Mismatches(clipped, {{1, 1, kBlue}, {2, 1, kRed}, {2, 2, kBlue}, {3, 1, kGreen}, {1, 3, kGreen}}),
                 QString());
        // Only the bitmap's pixel (0, 0), blue, lies in the source; it maps to (4, 4)-(5, 5).
        const QImage dest = OnGreen(6, [](QPainter& p) {
            StretchBltTransparent(p, 0, 0, 6, 6, RedWithBlueDiagonal(), -2, -2, 3, 3, clRed);
        });
        QCOMPARE(Mismatches(dest, {{4, 4, kBlue}, {5, 5, kBlue}, {3, 3, kGreen}, {0, 0, kGreen}}), QString());
    }

    void spinFacesShowWhichHalfIsPressed()
    {
        const QRgb face = qRgb(192, 192, 192);
        const QRgb shadow = qRgb(128, 128, 128);
        QPalette pal;
        pal.setColor(QPalette::Button, face);
        pal.setColor(QPalette::WindowText, kBlack);
        pal.setColor(QPalette::Dark, shadow);
        pal.setColor(QPalette::Light, kWhite);
        TCeSpinButton button;
        auto draw = [&](TCeSpinButton::TButtonState state) {
            return TCeSpinButton::DrawFace(QSize(20, 20), state, pal, button.UpGlyph(), button.DownGlyph());
        };
        // The frame and the rising diagonal (x + y = 19); glyphs: up at (Round(5 - 3.5) + d,
        // Round(5 - 2) + d), d = 2 pressed, else 1, its tip the glyph's pixel (3, 1); down at
        // (Round(15 - 3.5) - 1, 12), its tip at (3, 2).
        QCOMPARE(Mismatches(draw(TCeSpinButton::bsNone), {{19, 19, kBlack}, {10, 9, kBlack}, {6, 5, kBlack}, {5, 5, face},
                                                          {14, 14, kBlack}, {14, 15, face}}),
                 QString());
        QCOMPARE(Mismatches(draw(TCeSpinButton::bsTopDown), {{7, 6, kBlack}, {6, 5, face}}), QString());
        // Each half raised: highlight outside, shadow along the diagonal (lines one pixel short
        // of their ends). Pressed, the upper half has shadow outside and no diagonal edge; the
        // lower one turns round, its inner shadow line one pixel further in.
        QCOMPARE(Mismatches(draw(TCeSpinButton::bsNone), {{16, 1, kWhite}, {1, 16, kWhite}, {17, 1, shadow}, {1, 17, shadow},
                                                          {2, 18, kWhite}, {3, 18, shadow}, {18, 5, shadow}, {17, 3, kWhite}}),
                 QString());
        QCOMPARE(Mismatches(draw(TCeSpinButton::bsTopDown), {{16, 1, shadow}, {17, 1, face}, {1, 17, face}}), QString());
        QCOMPARE(Mismatches(draw(TCeSpinButton::bsBottomDown), {{18, 18, kWhite}, {3, 17, shadow}, {4, 17, shadow}, {18, 3, shadow}}),
                 QString());
    }

    void buttonStepsOncePerPressAndShowsOnlyTheFirstHalfPressed()
    {
        TCeSpinButton button;
        QCOMPARE(button.size(), QSize(20, 20));
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        int tops = 0;
        connect(&button, &TCeSpinButton::OnTopClick, this, [&] { ++tops; });
        QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
        QVERIFY(tops == 1 && button.State() == TCeSpinButton::bsTopDown);
        QTest::mouseMove(&button, QPoint(17, 17));
        QCOMPARE(button.State(), TCeSpinButton::bsNone);
        QTest::mouseMove(&button, QPoint(4, 4));
        QCOMPARE(button.State(), TCeSpinButton::bsTopDown);
        QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(button.State(), TCeSpinButton::bsNone);
        button.setEnabled(false);
        QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(tops, 1);
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
        QVERIFY_THROWS_EXCEPTION(EAbort, NotImplemented());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(shown.size() == 1 && shown[0].text == QStringLiteral("Function not yet implemented"));
        QVERIFY(shown[0].kind == MessageKind::Information && !shown[0].yesNo);
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
