#include "components/CECtrls.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
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
void Prepare(TCeLabel& label, const QString& caption)
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
    label.SetCaption(caption);
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
        QWidget parent;
        auto* label = new TCeLabel(&parent);
        label->move(100, 10);
        Prepare(*label, QStringLiteral("Quelvar"));
        label->SetShadowSize(0);
        const QSize plain = label->size();
        const QRect measured = QFontMetrics(label->font()).boundingRect(
            QRect(0, 0, 1000, 1000), Qt::AlignLeft | Qt::TextShowMnemonic, QStringLiteral("Quelvar"));
        QCOMPARE(plain, measured.size() + QSize(2, 0));
        label->SetShadowSize(3);
        QCOMPARE(label->size(), plain + QSize(3, 3));
        // An empty caption is measured as a blank.
        label->SetCaption(QString());
        QVERIFY(label->width() > 2 + 3 && label->height() == plain.height() + 3);

        // Right-aligned, the label keeps its right edge as the caption grows.
        label->SetAlignment(Qt::AlignRight);
        label->SetCaption(QStringLiteral("ab"));
        const int right = label->x() + label->width();
        label->SetCaption(QStringLiteral("abcdefgh"));
        QVERIFY(label->width() > 20 && label->x() + label->width() == right);
        QCOMPARE(label->y(), 10);

        // A fixed size stays.
        label->SetAutoSize(false);
        label->resize(200, 40);
        label->SetCaption(QStringLiteral("Quelvar Quelvar"));
        QCOMPARE(label->size(), QSize(200, 40));
    }

    void shadowFallsToTheChosenCorner()
    {
        TCeLabel label;
        Prepare(label, QStringLiteral("HIH"));
        label.SetShadowSize(2);
        const struct { TShadowPosition pos; int dx, dy; } cases[] = {
            {spLeftTop, -2, -2}, {spLeftBottom, -2, 2}, {spRightBottom, 2, 2}, {spRightTop, 2, -2}};
        for (const auto& c : cases) {
            label.SetShadowPos(c.pos);
            const QImage image = Render(label);
            const QRect text = BoxOf(image, kBlack);
            const QRect shadow = BoxOf(image, kRed);
            QCOMPARE(c.dx < 0 ? shadow.left() - text.left() : shadow.right() - text.right(), c.dx);
            QCOMPARE(c.dy < 0 ? shadow.top() - text.top() : shadow.bottom() - text.bottom(), c.dy);
        }
        // The text starts one pixel in.
        QCOMPARE(BoxOf(Render(label), kBlack).left(),
                 1 + QFontMetrics(label.font()).boundingRect(QStringLiteral("HIH")).left());

        // Shadow size 0: no shadow while enabled, a highlight one to the bottom right when disabled.
        QPalette pal = label.palette();
        pal.setColor(QPalette::Light, kGreen);
        pal.setColor(QPalette::Disabled, QPalette::Text, kBlue);
        label.setPalette(pal);
        label.SetShadowSize(0);
        QImage image = Render(label);
        QVERIFY(BoxOf(image, kRed).isEmpty() && !BoxOf(image, kBlack).isEmpty());
        label.setEnabled(false);
        image = Render(label);
        QCOMPARE(BoxOf(image, kGreen).bottomRight(), BoxOf(image, kBlue).bottomRight() + QPoint(1, 1));
    }

    void layoutMovesTheTextDownAndTransparentPaintsNoBackground()
    {
        TCeLabel label;
        Prepare(label, QStringLiteral("HIH"));
        label.SetShadowSize(0);
        label.SetAutoSize(false);
        label.resize(60, 61);
        // The measured text (1, 1, w, h) moves down by (61 - 1 - h) div 2 or 61 - 1 - h.
        const int h = QFontMetrics(label.font()).boundingRect(QRect(0, 0, 99, 99), 0, QStringLiteral("HIH")).height();
        const int top = BoxOf(Render(label), kBlack).bottom();
        label.SetLayout(tlCenter);
        QCOMPARE(BoxOf(Render(label), kBlack).bottom() - top, (60 - h) / 2);
        label.SetLayout(tlBottom);
        QCOMPARE(BoxOf(Render(label), kBlack).bottom() - top, 60 - h);

        QPalette pal = label.palette();
        pal.setColor(QPalette::Window, kBlue);
        label.setPalette(pal);
        QCOMPARE(Render(label).pixel(0, 0) | 0xFF000000u, kBlue);
        label.SetTransparent(true);
        QCOMPARE(Render(label).pixel(0, 0) | 0xFF000000u, kWhite);
    }

    void acceleratorFocusesTheControlWhoseFocusShows()
    {
        QWidget window;
        auto* label = new TCeLabel(&window);
        auto* edit = new QLineEdit(&window);
        auto* other = new QLineEdit(&window);
        Prepare(*label, QStringLiteral("&Name"));
        label->SetFocusControl(edit);
        label->SetShowFocus(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The accelerator focuses the control; its focus shows as a rectangle on the label.
        other->setFocus();
        const QImage unfocused = Render(*label);
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(edit->hasFocus());
        QVERIFY(Render(*label) != unfocused);
        label->SetShowFocus(false);
        QCOMPARE(Render(*label), unfocused);
        other->setFocus();
        label->SetShowAccelChar(false);
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QVERIFY(other->hasFocus());
    }
};

QTEST_MAIN(LabelTest)
#include "LabelTest.moc"
