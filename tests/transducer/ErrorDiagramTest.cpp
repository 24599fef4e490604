// The estimated-error diagram offscreen: texts, quantity choice and what the chart paints.

#include "transducer/D_ErrorDiagramm.h"

#include "FakeDictionary.h"

#include "formbase/DialogFactory.h"
#include "formbase/TranslatorHook.h"
#include "platform/FormatSettings.h"
#include "transducer/DUChart.h"
#include "transducer/OemVariant.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QValueAxis>
#include <QtTest>

namespace {

// dvt0 = 10 mm/s from a medium layer made for it: 0.001 c² cos T / (2 N D sin) with c = 1000,
// cos = sin, T = 0.8, N = 2, D = 20. No density: a mass factor of 0.
tErrorData Data(double velocity, double laminar, double turbulent)
{
    tErrorData data{"mm/s", "l/s", 1.0, 2.0, 0.0, "kg/s", velocity, 20.0, laminar, turbulent,
                    {.sin = std::sqrt(0.5), .cos = std::sqrt(0.5), .c = 1000.0}, 2, {}};
    data.Sensor.TotZeitAbgleich = 0.8;
    return data;
}

// Pixels darker than mid grey within area, those in skip left out.
int CountDark(const QImage& image, const QRect& area, const QRect& skip)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int x = inside.left(); x <= inside.right(); ++x)
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            count += !skip.contains(x, y) && qGray(image.pixel(x, y)) < 100;
    return count;
}

int CountColour(const QImage& image, int x0, int x1, int y0, int y1, QRgb colour)
{
    int count = 0;
    for (int x = std::max(0, x0); x <= std::min(image.width() - 1, x1); ++x)
        for (int y = std::max(0, y0); y <= std::min(image.height() - 1, y1); ++y)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

}  // namespace

class ErrorDiagramTest : public QObject {
    Q_OBJECT

    FormatSettingsScope formats_{TFormatSettings()};

    static QImage Paint(TDLG_ErrorDiagram& dialog)
    {
        dialog.resize(693, 500);
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            return {};
        QCoreApplication::processEvents();
        return dialog.ErrChart->grab().toImage();
    }

private slots:
    void cleanup() { IsOemVariant = 0; }

    void chartTextsAndQuantities()
    {
        auto dialog = CreateDialog<TDLG_ErrorDiagram>();
        dialog->SetErrorData(Data(3000.0, 1000.0, 2000.0));
        dialog->SetQuantity(0);
        const QImage image = Paint(*dialog);
        const int top = int(dialog->ErrChart->PlotArea().top()) + 5;
        const int bottom = int(dialog->ErrChart->PlotArea().bottom()) - 5;
        const auto px = [&dialog](double velocity) { return int(std::lround(dialog->ErrChart->XPixel(velocity))); };
        const QRgb blue = qRgb(0, 0, 255);
        const QRgb silver = qRgb(192, 192, 192);
        // The operating point: pure blue at its column, none half-way to the zone.
        QVERIFY(CountColour(image, px(3000.0), px(3000.0), top, bottom, blue) > (bottom - top) / 2);
        QCOMPARE(CountColour(image, px(2500.0), px(2500.0), top, bottom, blue), 0);
        // The transition zone: a silver hatch between the limits, none outside.
        QVERIFY(CountColour(image, px(1000.0) + 2, px(2000.0) - 2, top, bottom, silver) > 50);
        QCOMPARE(CountColour(image, px(2000.0) + 3, px(3000.0) - 3, top, bottom, silver), 0);
        // A zone narrower than 3 px is one silver line at its middle.
        dialog->SetErrorData(Data(3000.0, 1500.0, 1510.0));
        dialog->SetQuantity(0);
        const QImage narrow = Paint(*dialog);
        QVERIFY(CountColour(narrow, px(1505.0) - 1, px(1505.0) + 1, top, bottom, silver) > bottom - top);
        QCOMPARE(CountColour(narrow, px(1505.0) + 4, px(1505.0) + 30, top, bottom, silver), 0);
        dialog->hide();
        dialog = CreateDialog<TDLG_ErrorDiagram>();
        dialog->Model().ShowOnePercentBand = 1;
        dialog->SetErrorData(Data(1000.0, 100.0, 200.0));
        QCOMPARE(dialog->Memo1->toPlainText(),
                 QStringLiteral("The estimated error limit is 4.0% \nThe estimated typical error is 2.3% "));
        QCOMPARE(dialog->Lab_YME2->toolTip(), QStringLiteral("dvt0=10.000"));
        QCOMPARE(dialog->ErrChart->chart()->title(), QStringLiteral("relative measuring error (Di=20.0 mm)"));
        QVERIFY(dialog->RB_VolumeFlow->isChecked());
        QCOMPARE(dialog->ErrChart->BottomAxis()->titleText(), QStringLiteral("Volume flow [l/s]"));
        QCOMPARE(dialog->ErrChart->BottomAxis()->max(), 20200.0);
        QCOMPARE(dialog->SER_1PO->count(), 100);
        dialog->RB_FlowVeloc->click();
        QCOMPARE(dialog->ErrChart->BottomAxis()->max(), 10100.0);
        dialog->RB_MassFlow->click();
        QCOMPARE(dialog->SER_3PO->count(), 0);
        // The quantity box fits its longest caption in the language shown.
        FakeDictionary dictionary;
        dictionary.entries = {{QStringLiteral("Volume flow"), QStringLiteral("Volumenstrom")},
                              {QStringLiteral("Flow velocity"), QStringLiteral("Strömungsgeschwindigkeit")}};
        SetFormsDictionary(&dictionary);
        const auto restore = qScopeGuard([] { SetFormsDictionary(nullptr); });
        dialog = CreateDialog<TDLG_ErrorDiagram>();
        dialog->SetErrorData(Data(1000.0, 100.0, 200.0));
        Paint(*dialog);
        for (QRadioButton* button : {dialog->RB_FlowVeloc, dialog->RB_VolumeFlow, dialog->RB_MassFlow}) {
            QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
            QVERIFY(button->geometry().right() < dialog->GRP_RB->width());
        }
        QCOMPARE(dialog->RB_VolumeFlow->text(), QStringLiteral("Volumenstrom"));
        dialog->hide();
        // The partner brand offers no velocity: the box closes up.
        IsOemVariant = 1;
        auto partner = CreateDialog<TDLG_ErrorDiagram>();
        QVERIFY(partner->RB_FlowVeloc->isHidden() && partner->GRP_RB->height() < dialog->GRP_RB->height());
        QCOMPARE(partner->RB_VolumeFlow->y(), dialog->RB_FlowVeloc->y());
        QCOMPARE(partner->RB_MassFlow->y(), dialog->RB_VolumeFlow->y());
    }

    // The left axis's numbers are painted, in either language, beside each tick from the
    // lowest to the top one, within 2 % to 98 % of the axis's length; the title is 11 px.
    void leftLabelsAndTitleAsPainted()
    {
        TFormatSettings german;
        german.DecimalSeparator = QLatin1Char(',');
        german.ThousandSeparator = QLatin1Char('.');
        for (const TFormatSettings& settings : {TFormatSettings(), german}) {
            FormatSettingsScope scope(settings);
            auto dialog = CreateDialog<TDLG_ErrorDiagram>();
            dialog->SetErrorData(Data(1000.0, 100.0, 200.0));
            const QImage image = Paint(*dialog);
            TDUChart* chart = dialog->ErrChart;
            const QRectF plot = chart->PlotArea();
            const QValueAxis& axis = *chart->LeftAxis();
            const auto [low, high] = chart->AxisRange(axis);
            QCOMPARE(high, 13.0);  // the 3 % band at 100 mm/s: 100 * 10 / 100 + 3
            QCOMPARE(low, -13.0);
            QVERIFY(std::abs(chart->YPixel(high) - (plot.top() + 0.02 * plot.height())) < 1.0);
            QVERIFY(std::abs(chart->YPixel(low) - (plot.top() + 0.98 * plot.height())) < 1.0);
            const std::vector<double> ticks = chart->TickValues(axis);
            QVERIFY(ticks.size() >= 3 && ticks.front() >= low && ticks.back() <= high);
            const QRect label = dialog->Lab_YME2->geometry();
            const int right = int(plot.left()) - 2;
            const int half = QFontMetrics(axis.labelsFont()).height() / 2;
            for (double value : ticks) {
                const int y = int(std::lround(chart->YPixel(value)));
                QVERIFY2(CountDark(image, QRect(QPoint(0, y - half), QPoint(right, y + half)), label) > 5,
                         qPrintable(tErrorModel::LeftAxisLabel(value)));
            }
            const int between = int(std::lround((chart->YPixel(ticks[0]) + chart->YPixel(ticks[1])) / 2));
            QCOMPARE(CountDark(image, QRect(QPoint(0, between - 1), QPoint(right, between + 1)), label), 0);
            // The unit label sits in the top left corner of the chart, and is seen there.
            QVERIFY(dialog->Lab_YME2->parentWidget() == chart && label.topLeft() == QPoint(6, 12));
            QVERIFY(CountDark(image, label, {}) > 5);
            const QFont title = chart->chart()->titleFont();
            QVERIFY(title.pixelSize() == 11 && title.bold() && title.family() == QStringLiteral("Arial"));
        }
    }

    // The left axis runs from 2 % to 98 % of its length: its line, its grid lines (across the
    // plot, at the inner ticks) and its tick marks (outside the plot) stay within that part,
    // though with a range of +-3.9 % the next tick, 4 %, lies in the strip above it. In a tall
    // window the +-1 % of a chart without bands keeps the step of 0.1 %.
    void leftAxisLineGridAndTicksWithinItsPart()
    {
        tErrorData data = Data(1000.0, 100.0, 200.0);
        data.Sensor.TotZeitAbgleich = 0.072;  // dvt0 = 0.9 mm/s: the 3 % band reaches 3.9 %
        auto dialog = CreateDialog<TDLG_ErrorDiagram>();
        dialog->SetErrorData(data);
        const QImage image = Paint(*dialog);
        TDUChart* chart = dialog->ErrChart;
        const QValueAxis& axis = *chart->LeftAxis();
        const QRgb grid = axis.gridLinePen().color().rgb();
        const QRgb line = axis.linePen().color().rgb();
        QVERIFY(grid != line);
        const QRectF plot = chart->PlotArea();
        const int left = int(plot.left());
        const int right = std::min(int(plot.right()), dialog->GRP_RB->x()) - 2;  // the box stands on the plot
        const auto [low, high] = chart->AxisRange(axis);
        const int lowRow = int(std::lround(chart->YPixel(low)));
        const int highRow = int(std::lround(chart->YPixel(high)));
        const auto rowOf = [chart](double value) { return int(std::lround(chart->YPixel(value))); };
        // Rows that cross a grid line of the left axis: most of their pixels are of its colour.
        const auto gridAt = [&](int y) { return CountColour(image, left + 2, right, y, y, grid) > (right - left) / 2; };
        const auto lineIn = [&](int x0, int x1, int y0, int y1) { return CountColour(image, x0, x1, y0, y1, line) > 0; };
        const std::vector<double> ticks = chart->TickValues(axis);
        QVERIFY(ticks.size() >= 3);
        for (double value : ticks) {
            const int y = rowOf(value);
            QVERIFY2(gridAt(y - 1) || gridAt(y) || gridAt(y + 1), qPrintable(tErrorModel::LeftAxisLabel(value)));
            // The tick mark stands left of the axis, none inside the plot.
            QVERIFY2(lineIn(left - 2, left - 2, y - 1, y + 1), qPrintable(tErrorModel::LeftAxisLabel(value)));
            QVERIFY2(!lineIn(left + 3, left + 3, y - 1, y + 1), qPrintable(tErrorModel::LeftAxisLabel(value)));
        }
        const int between = rowOf((ticks[0] + ticks[1]) / 2);
        QVERIFY(!lineIn(left - 2, left - 2, between, between));
        // The axis line runs from the lowest to the highest value, and no further.
        QVERIFY(lineIn(left - 1, left + 1, between, between));
        for (int y = int(plot.top()) + 1; y < int(plot.bottom()); ++y) {
            if (y >= highRow - 1 && y <= lowRow + 1)
                continue;
            QVERIFY2(!gridAt(y), qPrintable(QString::number(y)));
            QVERIFY2(!lineIn(left - 1, left + 1, y, y), qPrintable(QString::number(y)));
        }
        // No bands (a mass flow without density): +-1 %, in 0.1 % steps, never finer.
        dialog->SetQuantity(QuantityMass);
        dialog->resize(693, 1800);
        QCoreApplication::processEvents();
        QCOMPARE(chart->AxisRange(axis), std::make_pair(-1.0, 1.0));
        const std::vector<double> fine = chart->TickValues(axis);
        QCOMPARE(fine.size(), std::size_t(21));
        QCOMPARE(tErrorModel::LeftAxisLabel(fine[1]), QStringLiteral("-0.9"));
    }
};

QTEST_MAIN(ErrorDiagramTest)
#include "ErrorDiagramTest.moc"
