// The coefficient list.

#include "calculator/forms/KoeffInfo.h"

#include "platform/FormatSettings.h"

#include <QPlainTextEdit>
#include <QtTest>

class KoeffsTest : public QObject {
    Q_OBJECT

private slots:
    void aNewSetReplacesTheList()
    {
        const FormatSettingsScope format{TFormatSettings{}};
        TDLG_Koeffs dialog;
        dialog.ShowCoefficients(MakeCoeffSet(1, {1480.0L}));
        dialog.ShowCoefficients(MakeCoeffSet(2, {-4.0L, 0.5L}));
        const QStringList lines = dialog.Memo1->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[0], QStringLiteral("TYPE\t2"));
        QCOMPARE(lines[1], QStringLiteral("K[0]\t-4.00000000000000E+000"));
        QCOMPARE(dialog.Coefficients(), MakeCoeffSet(2, {-4.0L, 0.5L}));
    }
};

QTEST_MAIN(KoeffsTest)
#include "KoeffsTest.moc"
