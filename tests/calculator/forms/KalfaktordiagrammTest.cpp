// The calibration-factor chart offscreen: 1001 velocities, the readout at two decimals under
// its velocity unit, the medium controls hidden and the cursor released after the modal show.

#include "calculator/forms/KalfaktorDiagr.h"

#include "charts/ChartView.h"
#include "formbase/DialogFactory.h"
#include "platform/FormatSettings.h"

#include "ModalDriver.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>

class KalfaktordiagrammTest : public QObject {
    Q_OBJECT

private slots:
    void factorOverVelocity()
    {
        const FormatSettingsScope formats{TFormatSettings()};
        auto chart = CreateDialog<TDLG_Kalfaktordiagramm>();
        chart->PlotCalibrationFactor(1000.0, 1.0, 1.0, 2320.0, 6000.0);
        QCOMPARE(chart->Series1->count(), 1001);
        QCOMPARE(chart->Series1->at(0).y(), 0.75);
        QVERIFY(chart->GRP_Zeige->isHidden() && chart->BitBtn1->isHidden() && chart->PAN_FluidDruck->isHidden());
        QCOMPARE(chart->Lab_XME->text(), QStringLiteral("[m/s]"));
        QCOMPARE(chart->Lab_YME->text() + chart->Lab_YME2->text(), QString());  // K has no unit

        chart->resize(800, 500);
        chart->show();
        QVERIFY(QTest::qWaitForWindowExposed(chart.get()));
        chart->ChartMouseMove(chart->Chart1->MapToPixel({1.234, 0.8}, chart->Series1).toPoint());
        QCOMPARE(chart->MarkedIndex(), 123);
        QCOMPARE(chart->PAN_AktXVAlue->text(), QStringLiteral("1.23"));
        QCOMPARE(chart->PAN_AktYValue->text(), chart->GetYValueText(123));
        QCOMPARE(chart->GetYValueText(0), QStringLiteral("0.750"));
    }

    void shownModallyAndCursorReleased()
    {
        QWidget parent;
        int points = 0;
        QVERIFY(RunModal<TDLG_Kalfaktordiagramm>(
            [&] { ShowCalibrationFactorChart(&parent, 500.0, 1.0, 1.0, 2320.0, 6000.0); },
            [&](TDLG_Kalfaktordiagramm& chart) {
                points = chart.Series1->count();
                QVERIFY(!QApplication::overrideCursor());
            }));
        QCOMPARE(points, 1001);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(KalfaktordiagrammTest)
#include "KalfaktordiagrammTest.moc"
