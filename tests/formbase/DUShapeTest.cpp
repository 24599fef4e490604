// The sketch shape: fill, outline and polyline.

#include "formbase/DUShape.h"

#include <QImage>
#include <QtTest>

namespace {
QImage Render(TDUShape& shape)
{
    QImage image(shape.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    shape.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}
}  // namespace

class DUShapeTest : public QObject {
    Q_OBJECT

private slots:
    void fewerThanTwoPointsPaintThePlainShape()
    {
        TDUShape shape;
        shape.resize(40, 20);
        shape.SetBrush(QColor(255, 255, 0));
        shape.SetPolyPen(QPen(Qt::red, 1));
        const QImage plain = Render(shape);
        QCOMPARE(plain.pixelColor(20, 10), QColor(255, 255, 0));
        QCOMPARE(plain.pixelColor(0, 0), QColor(Qt::black));  // the outline
        shape.SetPoints(QPolygon({QPoint(5, 10)}));
        QCOMPARE(Render(shape), plain);

        shape.SetPoints(QPolygon({QPoint(2, 10), QPoint(37, 10)}));
        const QImage line = Render(shape);
        QCOMPARE(line.pixelColor(20, 10), QColor(Qt::red));
        QCOMPARE(line.pixelColor(20, 5), QColor(255, 255, 0));
    }

    void circleIsCentredInTheShape()
    {
        TDUShape shape;
        shape.resize(60, 30);
        shape.SetShape(TDUShape::stCircle);
        shape.SetPen(Qt::NoPen);
        shape.SetBrush(QColor(169, 212, 254));
        const QImage image = Render(shape);
        QCOMPARE(image.pixelColor(30, 15), QColor(169, 212, 254));
        QCOMPARE(image.pixelColor(5, 15).alpha(), 0);   // left of the circle
        QCOMPARE(image.pixelColor(55, 15).alpha(), 0);  // right of it
    }
};

QTEST_MAIN(DUShapeTest)
#include "DUShapeTest.moc"
