// The pressure input of the medium chart.

#include "calculator/forms/InpDruck.h"

#include "components/CESpin.h"
#include "platform/FormatSettings.h"
#include "ModalDriver.h"

class InpDruckTest : public QObject {
    Q_OBJECT

private slots:
    void pressureInWholeBarWithinItsLimits_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("pressure");
        QTest::newRow("above") << "5000" << 1000.0;
        QTest::newRow("below") << "0" << 0.1;
        QTest::newRow("inside") << "250" << 250.0;
    }

    void pressureInWholeBarWithinItsLimits()
    {
        QFETCH(QString, typed);
        QFETCH(double, pressure);
        const FormatSettingsScope format{TFormatSettings{}};
        TDLG_InpDruck dialog;
        dialog.SetPressure(12.6);
        QCOMPARE(dialog.INP_DRUCK->text(), QStringLiteral("13"));
        QCOMPARE(RunModal(dialog, [&] { TypeAndEnter(dialog.INP_DRUCK, typed); }), 1);
        QCOMPARE(dialog.GetPressure(), pressure);
    }
};

QTEST_MAIN(InpDruckTest)
#include "InpDruckTest.moc"
