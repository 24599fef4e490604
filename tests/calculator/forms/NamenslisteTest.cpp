// The names list, filled directly and from the main window's info buttons.

#include "calculator/forms/NamensListe.h"

#include "calculator/mainwindow/StartupForms.h"
#include "calculator/mainwindow/Xmecalc.h"
#include "formbase/FormRegistry.h"
#include "platform/FormatSettings.h"
#include "reference/QlvTabels.h"
#include "transducer/OemVariant.h"

#include "ModalDriver.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace {
QStringList Column(const QTableWidget* grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row)
        texts << grid->item(row, column)->text();
    return texts;
}

// All eight rows in view, from the first on.
bool AllRowsInView(const QTableWidget* grid)
{
    return grid->rowViewportPosition(0) == 0 && grid->rowViewportPosition(7) + grid->rowHeight(7) <= grid->viewport()->height();
}
}  // namespace

class NamenslisteTest : public QObject {
    Q_OBJECT

private slots:
    // One row per language, all in view also in a larger font, and from the top again after
    // a scroll.
    void oneRowPerLanguageAllInView()
    {
        FirmwareLanguageIndex = LibLangEnglish;
        TDLG_Namensliste dialog;
        dialog.SetMedium(10001);
        QCOMPARE(Column(dialog.StringGrid1, 0),
                 QStringList({"Deutsch     ", "Französisch ", "Dänisch     ", "Tschechisch ", "Holländisch ",
                              "Polnisch    ", "Norwegisch  ", "Englisch    "}));
        QVERIFY(Column(dialog.StringGrid1, 1).first() == QStringLiteral("Wasser") && !dialog.AllNamesEqual);
        QFont large = dialog.StringGrid1->font();
        large.setPixelSize(30);
        dialog.StringGrid1->setFont(large);
        dialog.StringGrid1->setFixedHeight(60);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.StringGrid1->verticalScrollBar()->setValue(dialog.StringGrid1->verticalScrollBar()->maximum());
        QVERIFY(!AllRowsInView(dialog.StringGrid1));
        dialog.SetMedium(10045);  // "HLP32" in every language
        QVERIFY(dialog.AllNamesEqual);
        QCoreApplication::processEvents();
        QVERIFY(AllRowsInView(dialog.StringGrid1));
    }

    void infoButtonsOpenTheListOnTheirEntry()
    {
        const FormatSettingsScope format{TFormatSettings{}};
        IsOemVariant = 0;
        TFormRegistry forms;
        CreateStartupForms(forms);
        QStringList shown;
        auto open = [&](QPushButton* button) {
            return RunModal<TDLG_Namensliste>([button] { QTest::mouseClick(button, Qt::LeftButton); },
                                              [&](TDLG_Namensliste& names) { shown = Column(names.StringGrid1, 1); });
        };
        QVERIFY(open(XmeCalcDlg()->MateriInfiButton));
        QVERIFY(DLG_Namensliste()->MaterialId() == 1 && shown.first() == QStringLiteral("Stahl (Normal)"));  // the standard point's steel
        QVERIFY(open(XmeCalcDlg()->MediInfoButton));
        QVERIFY(DLG_Namensliste()->MediumId() == 10001 && shown.last() == QStringLiteral("Water"));  // and its water
    }
};

QTEST_MAIN(NamenslisteTest)
#include "NamenslisteTest.moc"
