// The transducer range chart offscreen: rows per brand variant and expert mode, the bar
// geometry, the inch labels, the logarithmic axis and a look at the drawn bars.

#include "transducer/D_SensorAuswahl.h"

#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "transducer/DUChart.h"
#include "transducer/DUGanttSeries.h"
#include "transducer/OemVariant.h"
#include "transducer/SensorCatalogue.h"

#include <QCheckBox>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QScrollArea>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <limits>

class SensorAuswahlTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { IsOemVariant = 0; }

    void rowsPerVariantAndExpert()
    {
        int own = 0;
        int partner = 0;
        for (const tSensorDatenTableItem& e : SensorCatalogue) {
            own += e.OwnVisible;
            partner += e.BrandolfVisible;
        }
        struct Row {
            bool oem, expert;
            int rows;
        } rows[] = {{false, false, own}, {true, false, partner}, {false, true, 13}, {true, true, 13}};
        for (const Row& r : rows) {
            const std::vector<tRangeBar> bars = RangeChartBars(r.oem, r.expert);
            QCOMPARE(int(bars.size()), 3 * r.rows);
            QCOMPARE(bars.back().Y, double(r.rows));
        }
        // Three bars per entry: possible below, specified, possible above.
        const std::vector<tRangeBar> all = RangeChartBars(true, true);
        const tSensorDatenTableItem& first = SensorCatalogue[0];
        QCOMPARE(all[0].Label, QString(first.BrandolfName));
        QCOMPARE(all[0].Start, first.DNext.von);
        QCOMPARE(all[0].End, first.DNspez.von);
        QCOMPARE(all[1].Colour, RangeGreen);
        QCOMPARE(all[1].Height, 4);
        QCOMPARE(all[2].Start, first.DNspez.bis);
        QCOMPARE(all[2].End, first.DNext.bis);
        QCOMPARE(all[2].Height, 2);

        auto dialog = CreateDialog<TDLG_SensorAuswahl>();
        dialog->FillRangeChart(true);
        QCOMPARE(dialog->Rows(), 13);
        QCOMPARE(dialog->DUChart1->minimumHeight(), 715);
        QCOMPARE(dialog->Series()->Count(), 39);
    }

    void barGeometry()
    {
        const QRect bar = GanttBarRect(100.0, 201.0, 50.0, 4.0, 7);
        QCOMPARE(bar.left(), 100);
        QCOMPARE(bar.right(), 200);  // half = 101 div 2
        QCOMPARE(bar.top(), 46);
        QCOMPARE(bar.bottom(), 54);
        QCOMPARE(GanttBarRect(10.0, 20.0, 50.0, 0.0, 7).top(), 43);  // no height: the default
        const QRect wide = GanttBarRect(-1e9, 1e9, 10.0, 2.0, 4);
        QCOMPARE(wide.left(), -16383);
        QCOMPARE(wide.right(), 16383);
        QCOMPARE(GanttBarRect(std::numeric_limits<double>::quiet_NaN(), 5.0, 0.0, 2.0, 4).left(), -16383);
        const std::vector<QPoint> link = GanttConnector({10, 5}, {31, 20});
        QCOMPARE(link[1], QPoint(20, 5));
        QCOMPARE(link[2], QPoint(20, 20));
    }

    void inchLabelsAndTitle()
    {
        FormatSettingsScope formats{TFormatSettings()};
        QCOMPARE(InchAxisLabel(QStringLiteral("254")), QStringLiteral("10.0"));
        QCOMPARE(InchAxisLabel(QStringLiteral("0")), QStringLiteral("0.0"));
        QCOMPARE(InchAxisLabel(QStringLiteral("12.5")), QString());
        auto dialog = CreateDialog<TDLG_SensorAuswahl>();
        dialog->FillRangeChart(false);
        QString text = QStringLiteral("254");
        dialog->DUChart1GetAxisLabel(dialog->BottomAxis(), text);
        QCOMPARE(text, QStringLiteral("254"));
        dialog->CB_Inch->setChecked(true);
        dialog->DUChart1GetAxisLabel(dialog->BottomAxis(), text);
        QCOMPARE(text, QStringLiteral("10.0"));
        QCOMPARE(dialog->BottomAxis()->titleText(), QStringLiteral("Innendurchmesser [inch]"));
    }

    void logarithmicAxisNeverStartsAtZero()
    {
        QCOMPARE(RangeChartAxis(false, 4.0, 6500.0).Min, 0.0);
        QCOMPARE(RangeChartAxis(true, 4.0, 6500.0).Min, 1.0);
        QCOMPARE(RangeChartAxis(true, 0.0, 6500.0).Min, 1.0);
        QCOMPARE(RangeChartAxis(true, 25.0, 6500.0).Min, 10.0);
        QCOMPARE(RangeChartAxis(true, 25.0, 5.0).Max, 100.0);
        auto dialog = CreateDialog<TDLG_SensorAuswahl>();
        dialog->FillRangeChart(true);
        dialog->CheckBox1->setChecked(true);
        auto* log = qobject_cast<QLogValueAxis*>(dialog->BottomAxis());
        QVERIFY(log);
        QVERIFY(log->min() > 0.0);
        dialog->ScrollBar1Scroll(1000);
        QVERIFY(log->min() > 0.0);
        QCOMPARE(log->max(), 1000.0);
        dialog->CheckBox1->setChecked(false);
        dialog->ScrollBar1Scroll(1000);
        auto* linear = qobject_cast<QValueAxis*>(dialog->BottomAxis());
        QCOMPARE(linear->min(), 0.0);
        QCOMPARE(linear->max(), 1000.0);
    }

    void drawsGreenSpecifiedBars()
    {
        auto dialog = CreateDialog<TDLG_SensorAuswahl>();
        dialog->FillRangeChart(false);
        dialog->resize(700, 503);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCoreApplication::processEvents();
        const QImage image = dialog->DUChart1->grab().toImage();
        // The first row's specified bar, in the middle of its range.
        const std::vector<tRangeBar> bars = RangeChartBars(false, false);
        const tRangeBar& green = bars[1];
        const QPointF at = dialog->DUChart1->MapToPixel({(green.Start + green.End) / 2, green.Y},
                                                        dialog->DUChart1->chart()->series().value(0));
        QCOMPARE(image.pixelColor(at.toPoint()), QColor(0, 255, 0));
        // Above the bar's half-height of 4 px the chart is white again.
        QCOMPARE(image.pixelColor(at.toPoint() - QPoint(0, 8)), QColor(Qt::white));

        // Dragging to the right pans the diameters along with the mouse; heights stay.
        auto* axis = qobject_cast<QValueAxis*>(dialog->BottomAxis());
        const double span = axis->max() - axis->min();
        const double perPixel = span / dialog->DUChart1->PlotArea().width();
        QWidget* view = dialog->DUChart1->viewport();
        const QPoint from = dialog->DUChart1->PlotArea().center().toPoint();
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, from + QPoint(100, 30), view->mapToGlobal(from + QPoint(100, 30)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(100, 30));
        QVERIFY(std::fabs(axis->min() + 100 * perPixel) < 2 * perPixel);
        QCOMPARE(axis->max() - axis->min(), span);
        QCOMPARE(dialog->DUChart1->MapToPixel({green.Start, green.Y}, dialog->DUChart1->chart()->series().value(0)).y(), at.y());
    }
};

QTEST_MAIN(SensorAuswahlTest)
#include "SensorAuswahlTest.moc"
