// The transducer range chart offscreen: rows per brand variant and expert mode, the bar
// geometry, the inch labels, the logarithmic axis and a look at the drawn bars.

#include "transducer/D_SensorAuswahl.h"

#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "transducer/DUChart.h"
#include "transducer/DUGanttSeries.h"
#include "transducer/SensorCatalogue.h"

#include <QCheckBox>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <limits>
#include <tuple>

class SensorAuswahlTest : public QObject {
    Q_OBJECT

private slots:
    // Three bars an entry: possible below, specified, possible above; drawn bars stay in the
    // painter's range.
    void barsPerVariantAndExpert()
    {
        for (auto [oem, expert, rows] : {std::tuple{false, false, 12}, {true, false, 7}, {true, true, 13}}) {
            const std::vector<tRangeBar> bars = RangeChartBars(oem, expert);
            QCOMPARE(int(bars.size()), 3 * rows);
            QCOMPARE(bars.back().Y, double(rows));
        }
        const std::vector<tRangeBar> all = RangeChartBars(true, true);
        const tSensorDatenTableItem& first = SensorCatalogue[0];
        QCOMPARE(all[0].Label, QString(first.BrandolfName));
        QCOMPARE(QPointF(all[0].Start, all[0].End), QPointF(first.DNext.von, first.DNspez.von));
        QCOMPARE(QPointF(all[2].Start, all[2].End), QPointF(first.DNspez.bis, first.DNext.bis));
        QVERIFY(all[1].Colour == RangeGreen && all[1].Height == 4 && all[2].Height == 2);
        // The green bar spans the specified range of every entry, not the possible one.
        for (std::size_t i = 0; i < SensorCatalogue.size(); ++i) {
            const tSensorDatenTableItem& e = SensorCatalogue[i];
            const tRangeBar& green = all[3 * i + 1];
            QVERIFY2(green.Colour == RangeGreen && green.Start == e.DNspez.von && green.End == e.DNspez.bis, e.CBXname.data());
            QCOMPARE(all[3 * i].Start, e.DNext.von);
        }
        QCOMPARE(GanttBarRect(100.0, 201.0, 50.0, 4.0, 7), QRect(QPoint(100, 46), QPoint(200, 54)));  // half = 101 div 2
        QCOMPARE(GanttBarRect(10.0, 20.0, 50.0, 0.0, 7).top(), 43);  // no height: the default
        const QRect wide = GanttBarRect(-1e9, 1e9, 10.0, 2.0, 4);
        QCOMPARE(QPoint(wide.left(), wide.right()), QPoint(-16383, 16383));
        QCOMPARE(GanttBarRect(std::numeric_limits<double>::quiet_NaN(), 5.0, 0.0, 2.0, 4).left(), -16383);
        QCOMPARE(GanttConnector({10, 5}, {31, 20}), (std::vector<QPoint>{{10, 5}, {20, 5}, {20, 20}, {31, 20}}));
    }

    // Inch labels only for whole millimetre ticks; a logarithmic axis never starts at zero.
    void inchLabelsAxesAndDrawnBars()
    {
        FormatSettingsScope formats{TFormatSettings()};
        for (auto [mm, inch] : {std::pair{"254", "10.0"}, {"0", "0.0"}, {"12.5", ""}})
            QCOMPARE(InchAxisLabel(QString::fromLatin1(mm)), QString::fromLatin1(inch));
        for (auto [log, min, max, axisMin] : {std::tuple{false, 4.0, 6500.0, 0.0}, {true, 4.0, 6500.0, 1.0},
                                              {true, 0.0, 6500.0, 1.0}, {true, 25.0, 6500.0, 10.0}})
            QCOMPARE(RangeChartAxis(log, min, max).Min, axisMin);
        QCOMPARE(RangeChartAxis(true, 25.0, 5.0).Max, 100.0);
        auto dialog = CreateDialog<TDLG_SensorAuswahl>();
        dialog->FillRangeChart(true);  // the expert's chart: every entry, a row each
        QVERIFY(dialog->Rows() == 13 && dialog->Series()->Count() == 39);
        QCOMPARE(dialog->DUChart1->minimumHeight(), 13 * RangeRowHeight);
        QString text = QStringLiteral("254");
        dialog->DUChart1GetAxisLabel(dialog->BottomAxis(), text);
        QCOMPARE(text, QStringLiteral("254"));
        dialog->CB_Inch->setChecked(true);
        dialog->DUChart1GetAxisLabel(dialog->BottomAxis(), text);
        QCOMPARE(text, QStringLiteral("10.0"));
        QCOMPARE(dialog->BottomAxis()->titleText(), QStringLiteral("Innendurchmesser [inch]"));
        // Switching the scale hands the bars from one axis to the other without Qt's complaint
        // about an axis that is no longer on the chart.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("axis")));
        dialog->CheckBox1->setChecked(true);
        dialog->ScrollBar1Scroll(1000);
        auto* log = qobject_cast<QLogValueAxis*>(dialog->BottomAxis());
        QVERIFY(log && log->min() > 0.0 && log->max() == 1000.0);
        dialog->CheckBox1->setChecked(false);
        dialog->ScrollBar1Scroll(1000);
        auto* linear = qobject_cast<QValueAxis*>(dialog->BottomAxis());
        QVERIFY(linear && linear->min() == 0.0 && linear->max() == 1000.0);
        // The specified bars are drawn green; dragging pans the diameters.
        dialog = CreateDialog<TDLG_SensorAuswahl>();
        dialog->FillRangeChart(false);
        dialog->resize(700, 503);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCoreApplication::processEvents();
        const QImage image = dialog->DUChart1->grab().toImage();
        // The first row's specified bar, in the middle of its range.
        const tRangeBar green = RangeChartBars(false, false)[1];
        QAbstractSeries* series = dialog->DUChart1->chart()->series().value(0);
        const QPointF at = dialog->DUChart1->MapToPixel({(green.Start + green.End) / 2, green.Y}, series);
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
        // Released, the mouse moves on without panning.
        const double panned = axis->min();
        QMouseEvent hover(QEvent::MouseMove, from + QPoint(200, 30), view->mapToGlobal(from + QPoint(200, 30)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &hover);
        QCOMPARE(axis->min(), panned);
        QCOMPARE(dialog->DUChart1->MapToPixel({green.Start, green.Y}, series).y(), at.y());
    }
};

QTEST_MAIN(SensorAuswahlTest)
#include "SensorAuswahlTest.moc"
