// The range input of the medium chart.

#include "calculator/forms/InpDiagGrenzen.h"

#include "components/CESpin.h"
#include "platform/FormatSettings.h"
#include "ModalDriver.h"

#include <QPushButton>

class InputGrenzenTest : public QObject {
    Q_OBJECT

private slots:
    void boundsComeBackAsTypedOnOk()
    {
        const FormatSettingsScope format{TFormatSettings{}};
        TDLG_InputGrenzen dialog;
        dialog.SetLower(0);
        dialog.SetUpper(130);
        QCOMPARE(dialog.SPN_MAX->text(), QStringLiteral("130.0"));
        QCOMPARE(RunModal(dialog, [&] { TypeAndEnter(dialog.SPN_MIN, QStringLiteral("-20")); }), 1);
        QCOMPARE(dialog.GetLower(), -20.0);
        QCOMPARE(dialog.GetUpper(), 130.0);
    }

    void automaticMeansTheDefaultRange()
    {
        TDLG_InputGrenzen dialog;
        QCOMPARE(RunModal(dialog, [&] { QTest::mouseClick(dialog.BUT_Automatic, Qt::LeftButton); }),
                 TDLG_InputGrenzen::ResetResult);
        QCOMPARE(TDLG_InputGrenzen::ResetResult, 8);
    }
};

QTEST_MAIN(InputGrenzenTest)
#include "InputGrenzenTest.moc"
