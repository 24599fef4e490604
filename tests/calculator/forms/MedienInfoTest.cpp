// The medium property chart offscreen: the plotted property, the ranges, the pressure and
// the pointer readout with its crosshair.

#include "calculator/forms/Medieninfo.h"

#include "charts/ChartView.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"
#include "reference/CoeffSet.h"
#include "reference/QlvTabels.h"

#include "ModalDriver.h"

#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QValueAxis>

class MedienInfoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FormatSettingsScope> formats_;

    static QPoint PixelOf(TDLG_MedienInfo& chart, QPointF value)
    {
        return chart.Chart1->MapToPixel(value, chart.Series1).toPoint();
    }

private slots:
    void init() { formats_ = std::make_unique<FormatSettingsScope>(TFormatSettings()); }
    void cleanup() { formats_.reset(); }

    void plotsTheSelectedProperty()
    {
        auto chart = CreateDialog<TDLG_MedienInfo>();
        chart->SetMedium(10001);
        QCOMPARE(chart->windowTitle(), QStringLiteral("Stoffdaten von %1 (10001)").arg(MediumName(10001)));
        QCOMPARE(chart->Series1->count(), 131);
        tMediumRec water{};
        GetMedium(10001, water);
        QCOMPARE(chart->Series1->at(20).y(), EvalProperty(water.SoundSpeed, 20.0, 1.0));
        QCOMPARE(chart->Lab_YME->text(), QStringLiteral("[m/s]"));

        chart->RB_VISKDYN->setChecked(true);
        chart->SetPressure(2.0);
        QCOMPARE(chart->PAN_aktFluidDruck->text(), QStringLiteral("  2"));
        QCOMPARE(chart->Lab_YME2->text(), QStringLiteral("[mPa*s]"));
        // A new value range keeps plotting kinematic viscosity times density, ends swapped.
        chart->ApplyValueRange(1, 80.0, 20.0);
        QCOMPARE(chart->Series1->count(), 61);
        QCOMPARE(chart->Series1->at(0).x(), 20.0);
        QCOMPARE(chart->Series1->at(0).y(),
                 EvalProperty(water.KinViscosity, 20.0, 2.0) * EvalProperty(water.Density, 20.0, 2.0));
        chart->ApplyValueRange(8, 0.0, 0.0);
        QCOMPARE(chart->Series1->count(), 131);
    }

    void axisRanges()
    {
        auto chart = CreateDialog<TDLG_MedienInfo>();
        chart->SetMedium(10001);
        const auto& p = chart->Points();
        double low = p[0].y(), high = p[0].y();
        for (const QPointF& point : p) {
            low = std::min(low, point.y());
            high = std::max(high, point.y());
        }
        QCOMPARE(chart->Chart1->LeftAxis()->min(), low - 0.005 * low);
        QCOMPARE(chart->Chart1->LeftAxis()->max(), high + 0.005 * high);
        chart->ApplyDisplayRange(1, 80.0, 20.0);
        QCOMPARE(chart->Chart1->BottomAxis()->min(), 20.0);
        QCOMPARE(chart->Chart1->BottomAxis()->max(), 80.0);
        QCOMPARE(chart->Chart1->LeftAxis()->min(), std::min(p[20].y(), p[80].y()));
        chart->ApplyDisplayRange(8, 0.0, 0.0);
        QCOMPARE(chart->Chart1->BottomAxis()->max(), 130.0);
    }

    void pointerReadoutWithCrosshair()
    {
        auto chart = CreateDialog<TDLG_MedienInfo>();
        chart->SetMedium(10001);
        chart->resize(800, 500);
        chart->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
        const QPoint at = PixelOf(*chart, {23.4, chart->Points()[23].y()});
        chart->ChartMouseMove(at);
        QCOMPARE(chart->MarkedIndex(), 23);
        QCOMPARE(chart->PAN_AktXVAlue->text(), QStringLiteral("23.0"));
        QCOMPARE(chart->PAN_AktYValue->text(), chart->GetYValueText(23));
        QCoreApplication::processEvents();
        const QImage image = chart->Chart1->viewport()->grab().toImage();
        const QPoint mark = PixelOf(*chart, chart->Points()[23]);
        const QRectF plot = chart->Chart1->PlotArea();
        // Yellow inverted on the white wall is blue.
        const int y = int(plot.top() + 3);
        QVERIFY(image.pixelColor(mark.x() - 1, y) == QColor(0, 0, 255) || image.pixelColor(mark.x(), y) == QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(mark.x() + 20, y), QColor(Qt::white));
        chart->ChartMouseMove(PixelOf(*chart, {500.0, 0.0}));
        QCOMPARE(chart->MarkedIndex(), -1);
        QCOMPARE(chart->PAN_AktXVAlue->text(), QString());
    }
};

QTEST_MAIN(MedienInfoTest)
#include "MedienInfoTest.moc"
