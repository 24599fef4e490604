// The chart layer offscreen: the round label steps, where the labels of a chart stand (also
// after a resize and at the ends of the range), what reaches the screen after a new range,
// how many ticks a new range makes at once, and a chart that has no series.

#include "charts/ChartView.h"

#include "platform/FormatSettings.h"

#include <QChart>
#include <QGraphicsTextItem>
#include <QLineSeries>
#include <QScreen>
#include <QValueAxis>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace {

// Pixels darker than mid grey within area.
int CountDark(const QImage& image, const QRect& area)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int x = inside.left(); x <= inside.right(); ++x)
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            count += qGray(image.pixel(x, y)) < 100;
    return count;
}

QImage Paint(TChartView& view, QSize size = {600, 400})
{
    view.resize(size);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return {};
    QCoreApplication::processEvents();
    return view.grab().toImage();
}

// Where the view paints the label of a tick: below the plot across, left of it upwards.
QRect LabelBox(const TChartView& view, const QValueAxis& axis, double value)
{
    const QRectF plot = view.PlotArea();
    if (axis.orientation() == Qt::Horizontal) {
        const int x = int(view.XPixel(value));
        return {QPoint(x - 10, int(plot.bottom()) + 9), QPoint(x + 10, int(plot.bottom()) + 20)};
    }
    const int y = int(view.YPixel(value));
    return {QPoint(0, y - 6), QPoint(int(plot.left()) - 5, y + 6)};
}

}  // namespace

class ChartViewTest : public QObject {
    Q_OBJECT

    FormatSettingsScope formats_{TFormatSettings()};

private slots:
    void roundStepsForSpanAndRoom()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        // span, most intervals -> step
        const std::tuple<double, int, double> rows[] = {
            {130.0, 10, 20.0},   {130.0, 4, 50.0},     {130.0, 13, 10.0},  {112.1, 9, 20.0},
            {1.0, 10, 0.1},      {0.3, 3, 0.1},        {20200.0, 4, 10000.0}, {20200.0, 8, 5000.0},
            {2.0, 4, 0.5},       {0.001, 5, 0.0002},   {7.0, 0, 10.0},     {7.0, -3, 10.0},
            {0.0, 5, 1.0},       {-5.0, 5, 1.0},       {nan, 5, 1.0},
        };
        for (const auto& [span, intervals, step] : rows)
            QVERIFY2(std::fabs(RoundTickStep(span, intervals) - step) <= step * 1e-12,
                     qPrintable(QStringLiteral("%1 / %2 -> %3").arg(span).arg(intervals).arg(RoundTickStep(span, intervals))));
    }

    // The property chart's ranges: 0 .. 130 °C across, 1008.9 .. 1121 up. The labels stand
    // at multiples of a 1-2-5 step within the range, none more than a step from its end, as
    // many as the axis has room for and none over another: more than ten on a large chart,
    // fewer when the chart on screen is shrunk.
    void labelsOfAChartAtRoundValues()
    {
        TChartView view;
        QLineSeries* series = view.AddLineSeries(QStringLiteral("density"), Qt::red);
        series->append({{0.0, 1008.9}, {130.0, 1121.0}});
        view.BottomAxis()->setRange(0.0, 130.0);
        view.LeftAxis()->setRange(1008.9, 1121.0);
        std::map<const QValueAxis*, std::size_t> firstCount;
        for (const QSize size : {QSize(600, 400), QSize(1600, 1000), QSize(400, 280)}) {
            const QImage image = Paint(view, size);
            for (QValueAxis* axis : {view.BottomAxis(), view.LeftAxis()}) {
                const std::vector<double> ticks = view.TickValues(*axis);
                const QString count = QString::number(ticks.size());
                if (size.width() > 1000)
                    QVERIFY2(ticks.size() > 11, qPrintable(count));
                else if (size.width() < 600)
                    QVERIFY2(ticks.size() >= 2 && ticks.size() < firstCount[axis], qPrintable(count));
                else
                    QVERIFY((firstCount[axis] = ticks.size()) >= 3);
                const double step = ticks[1] - ticks[0];
                const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
                QVERIFY2(std::fabs(mantissa - 1.0) < 1e-9 || std::fabs(mantissa - 2.0) < 1e-9 || std::fabs(mantissa - 5.0) < 1e-9,
                         qPrintable(QString::number(step)));
                QVERIFY(ticks.front() >= axis->min() && ticks.front() - axis->min() < step);
                QVERIFY(ticks.back() <= axis->max() && axis->max() - ticks.back() < step);
                const QFontMetricsF metrics(axis->labelsFont());
                const bool across = axis == view.BottomAxis();
                for (std::size_t i = 0; i < ticks.size(); ++i) {
                    const double value = ticks[i];
                    QVERIFY(std::fabs(value / step - std::nearbyint(value / step)) < 1e-9);
                    // Whole steps need no decimals.
                    const QString text = AxisLabelText(*axis, value);
                    QCOMPARE(text, QString::number(std::llround(value)));
                    // And the number is painted beside its tick, clear of the one before.
                    QVERIFY2(CountDark(image, LabelBox(view, *axis, value)) > 5, qPrintable(text));
                    if (i == 0)
                        continue;
                    const QString before = AxisLabelText(*axis, ticks[i - 1]);
                    const double apart = across ? view.XPixel(value) - view.XPixel(ticks[i - 1])
                                                : view.YPixel(ticks[i - 1]) - view.YPixel(value);
                    const double needed = across ? (metrics.horizontalAdvance(before) + metrics.horizontalAdvance(text)) / 2.0
                                                 : metrics.height();
                    QVERIFY2(apart > needed, qPrintable(before + QLatin1Char(' ') + text));
                }
            }
        }
        QCOMPARE(view.AxisRange(*view.LeftAxis()), std::make_pair(1008.9, 1121.0));
    }

    // An end of the range that is a tick keeps its label: 130 at a step of 10, and the ends
    // of -1.4 .. 1.4 at a step of 0.2, though seven steps of 0.2 come to a little more than 1.4.
    void rangeEndsOnATickKeepTheirLabels()
    {
        TChartView view;
        QLineSeries* series = view.AddLineSeries(QStringLiteral("density"), Qt::red);
        series->append({{0.0, 0.2}, {130.0, 1.8}});
        struct Row {
            QValueAxis* axis;
            double low, high, step;
            std::size_t count;
            QString ends;
        };
        const Row rows[] = {
            {view.BottomAxis(), 0.0, 130.0, 10.0, 14, QStringLiteral("0 130")},
            {view.LeftAxis(), 0.2, 1.8, 0.2, 9, QStringLiteral("0.2 1.8")},
            {view.LeftAxis(), -1.4, 1.4, 0.2, 15, QStringLiteral("-1.4 1.4")},
        };
        for (const Row& row : rows) {
            row.axis->setRange(row.low, row.high);
            view.SetTickRule(row.axis, [step = row.step](double, int) { return step; });
            const QImage image = Paint(view);
            const std::vector<double> ticks = view.TickValues(*row.axis);
            QCOMPARE(ticks.size(), row.count);
            QCOMPARE(AxisLabelText(*row.axis, ticks.front()) + QLatin1Char(' ') + AxisLabelText(*row.axis, ticks.back()), row.ends);
            for (double value : {ticks.front(), ticks.back()})
                QVERIFY2(CountDark(image, LabelBox(view, *row.axis, value)) > 5, qPrintable(AxisLabelText(*row.axis, value)));
        }
    }

    // A new range moves the labels and narrows their room. A paint can come before the chart
    // lays itself out anew (as a real display's expose does); what reaches the screen after
    // the layout is still the whole chart, with no digit of the old labels left beside it.
    void newRangeRepaintsTheLabelsOnScreen()
    {
        TChartView view;
        QLineSeries* series = view.AddLineSeries(QStringLiteral("sound speed"), Qt::red);
        series->append({{0.0, 1403.0}, {70.0, 1557.0}, {130.0, 1500.0}});
        view.BottomAxis()->setRange(0.0, 130.0);
        view.LeftAxis()->setRange(1403.0, 1557.0);
        QVERIFY(!Paint(view).isNull());
        QTest::qWait(50);
        series->replace(QList<QPointF>{{0.0, 1.8}, {130.0, 0.2}});
        view.LeftAxis()->setRange(0.2, 1.8);
        view.viewport()->repaint();
        QTest::qWait(100);
        const QImage onScreen = view.screen()->grabWindow(view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        const QImage fresh = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!onScreen.isNull());
        QCOMPARE(onScreen.size(), fresh.size());
        const QRect labels(0, 0, int(view.PlotArea().left()), fresh.height());
        int differing = 0;
        for (int x = labels.left(); x <= labels.right(); ++x)
            for (int y = labels.top(); y <= labels.bottom(); ++y)
                differing += onScreen.pixel(x, y) != fresh.pixel(x, y);
        QCOMPARE(differing, 0);
    }

    // Qt lays out the ticks of a new range before the view hears of it. From a density's
    // range (step 0.01) to a sound speed's (a span of 160) the old step would mean 16000
    // ticks, each with its items, and seconds of standing still; the chart never holds more
    // than an axis has room for.
    void aWiderRangeNeverTakesTheOldStep()
    {
        TChartView view;
        QLineSeries* series = view.AddLineSeries(QStringLiteral("density"), Qt::red);
        series->append({{0.0, 1.0}, {130.0, 0.93}});
        view.BottomAxis()->setRange(0.0, 130.0);
        view.LeftAxis()->setRange(0.93, 1.0);
        QVERIFY(!Paint(view).isNull());
        QCOMPARE(view.LeftAxis()->tickInterval(), 0.01);
        qsizetype most = 0;
        connect(view.LeftAxis(), &QValueAxis::rangeChanged, &view, [&] {
            const QList<QGraphicsItem*> items = view.scene()->items();
            most = std::max(most, std::count_if(items.begin(), items.end(), [](QGraphicsItem* item) {
                                return dynamic_cast<QGraphicsTextItem*>(item) != nullptr;
                            }));
        });
        series->replace(QList<QPointF>{{0.0, 1403.0}, {70.0, 1557.0}});
        view.LeftAxis()->setRange(1400.0, 1560.0);
        QVERIFY2(most > 0 && most < 100, qPrintable(QString::number(most)));
        QCoreApplication::processEvents();
        QCOMPARE(view.TickValues(*view.LeftAxis()).front(), 1400.0);
    }

    // Without a series the axes still draw their labels, and values map to the plot's corner.
    void chartWithoutSeries()
    {
        TChartView view;
        view.BottomAxis()->setRange(0.0, 10.0);
        view.LeftAxis()->setRange(-1.0, 1.0);
        bool painted = false;
        view.OnAfterDraw = [&](QPainter&) { painted = true; };
        const QImage image = Paint(view);
        QVERIFY(painted);
        QCOMPARE(view.MapToPixel({5.0, 0.0}), view.PlotArea().topLeft());
        QCOMPARE(view.XPixel(5.0), view.PlotArea().left());
        const QRectF plot = view.PlotArea();
        QVERIFY(plot.width() > 300 && plot.height() > 200);
        QVERIFY(CountDark(image, QRect(QPoint(int(plot.left()), int(plot.bottom()) + 2), QPoint(int(plot.right()), int(plot.bottom()) + 20))) > 20);
        TChartView bare;  // no axes either
        QVERIFY(!Paint(bare).isNull());
        QCOMPARE(bare.MapToPixel({1.0, 1.0}), bare.PlotArea().topLeft());
    }
};

QTEST_MAIN(ChartViewTest)
#include "ChartViewTest.moc"
