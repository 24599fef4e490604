// The small pieces every subsystem shares: the sketch shape, the text window and the
// one-value input.

#include "formbase/DUShape.h"
#include "formbase/D_InputUserValue.h"
#include "formbase/D_MemoInfo.h"

#include "components/CESpin.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "ModalDriver.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
QImage Render(TDUShape& shape)
{
    QImage image(shape.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    shape.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}
}  // namespace

class SmallFormsTest : public QObject {
    Q_OBJECT

private slots:
    // Fill, outline and polyline; fewer than two points paint the plain shape; a circle is
    // centred in the shape.
    void shapeUnderItsPolyline()
    {
        TDUShape shape;
        shape.resize(40, 20);
        shape.SetBrush(QColor(255, 255, 0));
        shape.SetPolyPen(QPen(Qt::red, 1));
        const QImage plain = Render(shape);
        QVERIFY(plain.pixelColor(20, 10) == QColor(255, 255, 0) && plain.pixelColor(0, 0) == QColor(Qt::black));
        shape.SetPoints(QPolygon({QPoint(5, 10)}));
        QCOMPARE(Render(shape), plain);
        shape.SetPoints(QPolygon({QPoint(2, 10), QPoint(37, 10)}));
        const QImage line = Render(shape);
        QVERIFY(line.pixelColor(20, 10) == QColor(Qt::red) && line.pixelColor(20, 5) == QColor(255, 255, 0));
        shape.resize(60, 30);
        shape.SetPoints({});
        shape.SetShape(TDUShape::stCircle);
        shape.SetPen(Qt::NoPen);
        const QImage circle = Render(shape);
        QCOMPARE(circle.pixelColor(30, 15), QColor(255, 255, 0));
        QVERIFY(circle.pixelColor(5, 15).alpha() == 0 && circle.pixelColor(55, 15).alpha() == 0);
    }

    void memoShowsTheTextReadOnlyUntilOk()
    {
        auto dialog = CreateDialog<TDLG_MemoInfo>();
        dialog->DasMemo->setPlainText(QStringLiteral("ALPHA\t12.5\nBETA\t3.0"));
        QVERIFY(dialog->DasMemo->isReadOnly() && dialog->DasMemo->lineWrapMode() == QPlainTextEdit::NoWrap);
        QCOMPARE(RunModal(*dialog, [&] { QTest::mouseClick(dialog->BUT_OK, Qt::LeftButton); }), 1);
        QCOMPARE(dialog->DasMemo->toPlainText(), QStringLiteral("ALPHA\t12.5\nBETA\t3.0"));
    }

    // Set and typed values are clamped to 200 .. 6500; Enter takes OK while the edit still
    // shows what was typed.
    void inputValuesAreClampedToTheRange()
    {
        const FormatSettingsScope format{TFormatSettings{}};
        TDLG_InputUserValue dialog;
        QCOMPARE(dialog.ED_Value->text(), QStringLiteral("600.0"));
        dialog.SetValue(7000.0);
        QCOMPARE(dialog.ED_Value->text(), QStringLiteral("6500.0"));
        for (const auto& [typed, value] : {std::pair{"9999", 6500.0}, {"5", 200.0}, {"1234.5", 1234.5}}) {
            QCOMPARE(RunModal(dialog, [&dialog, typed = typed] { TypeAndEnter(dialog.ED_Value, QString::fromLatin1(typed)); }), 1);
            QCOMPARE(dialog.GetValue(), value);
        }
    }
};

QTEST_MAIN(SmallFormsTest)
#include "SmallFormsTest.moc"
