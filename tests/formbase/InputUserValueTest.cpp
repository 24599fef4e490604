// The one-value input dialog.

#include "formbase/D_InputUserValue.h"

#include "components/CESpin.h"
#include "platform/FormatSettings.h"
#include "ModalDriver.h"

class InputUserValueTest : public QObject {
    Q_OBJECT

private slots:
    void designedValueAndRange()
    {
        const FormatSettingsScope format{TFormatSettings{}};
        TDLG_InputUserValue dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Bitte eingeben..."));
        QCOMPARE(dialog.ED_Value->text(), QStringLiteral("600.0"));
        QCOMPARE(dialog.GetValue(), 600.0);
        dialog.SetValue(7000.0);
        QCOMPARE(dialog.ED_Value->text(), QStringLiteral("6500.0"));
    }

    // Enter takes OK while the edit still shows what was typed: the getter clamps.
    void typedValueConfirmedWithEnterIsClamped_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("above") << "9999" << 6500.0;
        QTest::newRow("below") << "5" << 200.0;
        QTest::newRow("inside") << "1234.5" << 1234.5;
    }

    void typedValueConfirmedWithEnterIsClamped()
    {
        QFETCH(QString, typed);
        QFETCH(double, value);
        const FormatSettingsScope format{TFormatSettings{}};
        TDLG_InputUserValue dialog;
        QCOMPARE(RunModal(dialog, [&] { TypeAndEnter(dialog.ED_Value, typed); }), 1);
        QCOMPARE(dialog.GetValue(), value);
    }
};

QTEST_MAIN(InputUserValueTest)
#include "InputUserValueTest.moc"
