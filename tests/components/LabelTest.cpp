#include "components/CECtrls.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kBlue = qRgb(0, 0, 255);

// The bounding box of the pixels of one colour.
QRect BoxOf(const QImage& image, QRgb color)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) == color)
                box |= QRect(x, y, 1, 1);
    return box;
}

// A label with crisp text: black on white, red shadow.
void Prepare(TCeLabel& label)
{
    QFont font = label.font();
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    label.setFont(font);
    QPalette pal = label.palette();
    pal.setColor(QPalette::Window, kWhite);
    pal.setColor(QPalette::WindowText, kBlack);
    label.setPalette(pal);
    label.SetShadowColor(kRed);
}

QImage Render(TCeLabel& label)
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(kWhite);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

}  // namespace

class LabelTest : public QObject {
    Q_OBJECT

private slots:
    void autoSizeMeasuresTextAndShadowTogether()
    {
        TCeLabel label;
        Prepare(label);
        label.SetShadowSize(0);
        label.SetCaption(QStringLiteral("Quelvar"));
        const QSize plain = label.size();
        const QFontMetrics metrics(label.font());
        const QRect measured = metrics.boundingRect(QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::TextShowMnemonic,
                                                    QStringLiteral("Quelvar"));
        QCOMPARE(plain.width(), measured.width() + 2);
        QCOMPARE(plain.height(), measured.height());
        label.SetShadowSize(3);
        QCOMPARE(label.size(), plain + QSize(3, 3));
        label.SetShadowPos(spRightTop);
        QCOMPARE(label.size(), plain + QSize(3, 3));

        // An empty caption is measured as a blank.
        label.SetCaption(QString());
        QVERIFY(label.width() > 2 + 3);
        QCOMPARE(label.height(), plain.height() + 3);

        // A fixed size stays.
        label.SetAutoSize(false);
        label.resize(200, 40);
        label.SetCaption(QStringLiteral("Quelvar Quelvar"));
        QCOMPARE(label.size(), QSize(200, 40));
    }

    void rightAlignedAutoSizeKeepsTheRightEdge()
    {
        QWidget parent;
        auto* label = new TCeLabel(&parent);
        Prepare(*label);
        label->SetAlignment(Qt::AlignRight);
        label->move(100, 10);
        label->SetCaption(QStringLiteral("ab"));
        const int right = label->x() + label->width();
        label->SetCaption(QStringLiteral("abcdefgh"));
        QVERIFY(label->width() > 20);
        QCOMPARE(label->x() + label->width(), right);
        QCOMPARE(label->y(), 10);
    }

    void shadowFallsToTheChosenCorner()
    {
        TCeLabel label;
        Prepare(label);
        label.SetShadowSize(2);
        label.SetShadowPos(spRightBottom);
        label.SetCaption(QStringLiteral("HIH"));
        QImage image = Render(label);
        QRect text = BoxOf(image, kBlack);
        QRect shadow = BoxOf(image, kRed);
        QVERIFY(!text.isEmpty());
        QCOMPARE(shadow.bottomRight(), text.bottomRight() + QPoint(2, 2));
        // The text starts one pixel in.
        QCOMPARE(text.left(), 1 + QFontMetrics(label.font()).boundingRect(QStringLiteral("HIH")).left());

        label.SetShadowSize(1);
        label.SetShadowPos(spLeftTop);
        image = Render(label);
        text = BoxOf(image, kBlack);
        shadow = BoxOf(image, kRed);
        QCOMPARE(shadow.topLeft(), text.topLeft() - QPoint(1, 1));

    }

    void zeroShadowHidesWhileEnabledAndHighlightsWhenDisabled()
    {
        TCeLabel label;
        Prepare(label);
        QPalette pal = label.palette();
        pal.setColor(QPalette::Light, kRed);
        pal.setColor(QPalette::Disabled, QPalette::Text, kBlue);
        label.setPalette(pal);
        label.SetShadowColor(qRgb(0, 255, 0));
        label.SetShadowSize(0);
        label.SetCaption(QStringLiteral("HIH"));
        QImage image = Render(label);
        QVERIFY(BoxOf(image, qRgb(0, 255, 0)).isEmpty());
        QVERIFY(!BoxOf(image, kBlack).isEmpty());

        label.setEnabled(false);
        image = Render(label);
        const QRect text = BoxOf(image, kBlue);
        const QRect shadow = BoxOf(image, kRed);
        QVERIFY(!text.isEmpty());
        QCOMPARE(shadow.bottomRight(), text.bottomRight() + QPoint(1, 1));
    }

    void layoutMovesTheTextDown()
    {
        TCeLabel label;
        Prepare(label);
        label.SetShadowSize(0);
        label.SetCaption(QStringLiteral("HIH"));
        label.SetAutoSize(false);
        label.resize(60, 60);
        const int top = BoxOf(Render(label), kBlack).bottom();
        label.SetLayout(tlCenter);
        const int center = BoxOf(Render(label), kBlack).bottom();
        label.SetLayout(tlBottom);
        const QRect bottomBox = BoxOf(Render(label), kBlack);
        QVERIFY(top < center);
        QVERIFY(center < bottomBox.bottom());
        QVERIFY(bottomBox.bottom() < 60);
        // Measured text height h: bottom layout puts the text rectangle at 60 - h - 1 + 1.
        const int h = QFontMetrics(label.font()).height();
        QVERIFY(bottomBox.bottom() >= 60 - h);
    }

    void transparentLabelPaintsNoBackground()
    {
        TCeLabel label;
        Prepare(label);
        QPalette pal = label.palette();
        pal.setColor(QPalette::Window, kBlue);
        label.setPalette(pal);
        label.SetCaption(QStringLiteral("H"));
        QCOMPARE(Render(label).pixel(0, label.height() - 1) | 0xFF000000u, kBlue);
        label.SetTransparent(true);
        QCOMPARE(Render(label).pixel(0, label.height() - 1) | 0xFF000000u, kWhite);
    }

    void accelCharAndFocusControl()
    {
        QWidget window;
        auto* label = new TCeLabel(&window);
        auto* edit = new QLineEdit(&window);
        auto* other = new QLineEdit(&window);
        edit->move(0, 30);
        other->move(0, 60);
        label->SetCaption(QStringLiteral("&Name"));
        label->SetFocusControl(edit);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(edit->hasFocus());

        // Without the accelerator the key does nothing.
        other->setFocus();
        label->SetShowAccelChar(false);
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QVERIFY(other->hasFocus());
    }

    void focusRectangleShowsWhileTheFocusControlHasTheFocus()
    {
        QWidget window;
        auto* label = new TCeLabel(&window);
        auto* edit = new QLineEdit(&window);
        auto* other = new QLineEdit(&window);
        edit->move(0, 30);
        other->move(0, 60);
        Prepare(*label);
        label->SetCaption(QStringLiteral("Name"));
        label->SetFocusControl(edit);
        label->SetShowFocus(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        const QImage unfocused = Render(*label);
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QVERIFY(Render(*label) != unfocused);
        label->SetShowFocus(false);
        QCOMPARE(Render(*label), unfocused);
    }

    void mouseEnterAndLeaveNeedAnEnabledLabelOfTheActiveProgram()
    {
        QWidget window;
        auto* label = new TCeLabel(&window);
        label->SetCaption(QStringLiteral("Label"));
        // Keep the label away from the pointer, which rests near the screen's corner.
        window.resize(300, 300);
        label->move(150, 150);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy enters(label, &TCeLabel::OnMouseEnter);
        QVERIFY(!label->MouseInControl());
        QSignalSpy leaves(label, &TCeLabel::OnMouseLeave);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), label->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(label, &enter);
        QCOMPARE(enters.count(), 1);
        QVERIFY(label->MouseInControl());
        QApplication::sendEvent(label, &enter);
        QCOMPARE(enters.count(), 1);

        // While the left button is held down the leave is not reported.
        QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(label, &leave);
        QCOMPARE(leaves.count(), 0);
        QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(2, 2));
        QApplication::sendEvent(label, &leave);
        QVERIFY(!label->MouseInControl());
        QCOMPARE(leaves.count(), 1);

        label->setEnabled(false);
        QApplication::sendEvent(label, &enter);
        QCOMPARE(enters.count(), 1);
    }
};

QTEST_MAIN(LabelTest)
#include "LabelTest.moc"
