// The names list, filled directly and from the main window's info buttons.

#include "calculator/forms/NamensListe.h"

#include "calculator/mainwindow/StartupForms.h"
#include "formbase/FormRegistry.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "platform/FormatSettings.h"
#include "reference/QlvTabels.h"
#include "transducer/OemVariant.h"
#include "ModalDriver.h"

#include <QPushButton>
#include <QTableWidget>

#include <memory>

namespace {
QStringList Column(const QTableWidget* grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row)
        texts << grid->item(row, column)->text();
    return texts;
}
}  // namespace

class NamenslisteTest : public QObject {
    Q_OBJECT

private slots:
    void oneRowPerLanguageAndTheAllEqualFlag()
    {
        FirmwareLanguageIndex = LibLangEnglish;
        TDLG_Namensliste dialog;
        dialog.SetMedium(10001);
        QCOMPARE(Column(dialog.StringGrid1, 0),
                 QStringList({"Deutsch     ", "Französisch ", "Dänisch     ", "Tschechisch ", "Holländisch ",
                              "Polnisch    ", "Norwegisch  ", "Englisch    "}));
        QCOMPARE(Column(dialog.StringGrid1, 1).first(), QStringLiteral("Wasser"));
        QVERIFY(!dialog.AllNamesEqual);
        dialog.SetMedium(10045);  // "HLP32" in every language
        QVERIFY(dialog.AllNamesEqual);
    }

    void infoButtonsOpenTheListOnTheirEntry()
    {
        const FormatSettingsScope format{TFormatSettings{}};
        IsOemVariant = 0;
        TFormRegistry forms;
        CreateStartupForms(forms);
        TXmeCalcDlg* window = XmeCalcDlg();
        TDLG_Namensliste* names = DLG_Namensliste();
        QVERIFY(window && names);
        QTimer::singleShot(0, names, [names] { names->done(1); });
        QTest::mouseClick(window->MateriInfiButton, Qt::LeftButton);
        QCOMPARE(names->MaterialId(), std::uint16_t(1));  // the standard point's carbon steel
        QCOMPARE(names->StringGrid1->item(0, 1)->text(), QStringLiteral("Stahl (Normal)"));

        QTimer::singleShot(0, names, [names] { names->done(1); });
        QTest::mouseClick(window->MediInfoButton, Qt::LeftButton);
        QCOMPARE(names->MediumId(), std::uint16_t(10001));  // and its water
        QCOMPARE(names->StringGrid1->item(7, 1)->text(), QStringLiteral("Water"));
    }
};

QTEST_MAIN(NamenslisteTest)
#include "NamenslisteTest.moc"
