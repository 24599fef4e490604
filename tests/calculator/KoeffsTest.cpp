// The coefficient list.

#include "calculator/KoeffInfo.h"

#include "platform/FormatSettings.h"

#include <QPlainTextEdit>
#include <QtTest>

class KoeffsTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheSetAsSixLines()
    {
        const FormatSettingsScope format{TFormatSettings{}};
        TDLG_Koeffs dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Koeffizienten"));
        dialog.ShowCoefficients(MakeCoeffSet(1, {1480.0L}));
        dialog.ShowCoefficients(MakeCoeffSet(2, {-4.0L, 0.5L}));  // replaces, never appends
        QCOMPARE(dialog.Memo1->toPlainText(), QStringLiteral("TYPE\t2\n"
                                                             "K[0]\t-4.00000000000000E+000\n"
                                                             "K[1]\t+5.00000000000000E-001\n"
                                                             "K[2]\t+0.00000000000000E+000\n"
                                                             "K[3]\t+0.00000000000000E+000\n"
                                                             "K[4]\t+0.00000000000000E+000"));
        QCOMPARE(dialog.Coefficients(), MakeCoeffSet(2, {-4.0L, 0.5L}));
    }
};

QTEST_MAIN(KoeffsTest)
#include "KoeffsTest.moc"
