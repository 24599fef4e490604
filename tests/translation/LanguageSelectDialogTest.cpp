// The language selection dialog on the program's dictionary: the listed languages and the
// preselection, its texts in both languages, OK, Cancel, double click, and OK with nothing
// selected; the main window's "Sprache" action.

#include "calculator/mainwindow/Xmecalc.h"
#include "ProgramDictionaryScope.h"
#include "translation/MlLaSelD.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// Runs the step on the modal dialog once it is up.
void WhenShown(std::function<void(TMlLanguageSelectDialog&)> step)
{
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<TMlLanguageSelectDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        step(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

QStringList Names(const TMlLanguageSelectDialog& dialog)
{
    QStringList names;
    for (int i = 0; i < dialog.ListBox->count(); ++i)
        names << dialog.ListBox->item(i)->text();
    return names;
}

}  // namespace

class LanguageSelectDialogTest : public QObject {
    Q_OBJECT

private slots:
    void init() { scope_ = std::make_unique<TProgramDictionaryScope>(); }
    void cleanup() { scope_.reset(); }

    void listPreselectionAndTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<unsigned>("options");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("German") << 1 << 0u
                                << QStringList{"Sprache auswählen", "Deutsch", "Englisch", "OK", "Abbrechen", "&Hilfe"};
        QTest::newRow("English") << 2 << 0u
                                 << QStringList{"Select Language", "German", "English", "OK", "Cancel", "&Help"};
        QTest::newRow("native names") << 1 << unsigned(mlsoNativeNames)
                                      << QStringList{"Sprache auswählen", "Deutsch", "English", "OK", "Abbrechen", "&Hilfe"};
    }

    void listPreselectionAndTexts()
    {
        QFETCH(int, language);
        QFETCH(unsigned, options);
        QFETCH(QStringList, texts);
        scope_->Dictionary->SetLanguage(language);
        TMlLanguageSelectDialog dialog(nullptr, scope_->Dictionary.get(), QString(), 0, options);
        QCOMPARE(QStringList({dialog.windowTitle()}) + Names(dialog) +
                     QStringList({dialog.OkButton->text(), dialog.CancelButton->text(), dialog.HelpButton->text()}),
                 texts);
        QCOMPARE(dialog.SelectedLanguage(), language);
        QCOMPARE(dialog.ListBox->currentRow(), language - 1);
        QVERIFY(dialog.HelpButton->isHidden());
        QVERIFY(dialog.OkButton->isEnabled());
        TMlLanguageSelectDialog captioned(nullptr, scope_->Dictionary.get(), QStringLiteral("Sprachwahl"), 5, options);
        QCOMPARE(captioned.windowTitle(), QStringLiteral("Sprachwahl"));
        QVERIFY(!captioned.HelpButton->isHidden());
    }

    void okCancelAndDoubleClick_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("language");
        QTest::newRow("OK on English") << 1 << "ok" << true << 2;
        QTest::newRow("double click") << 1 << "double" << true << 2;
        QTest::newRow("Cancel") << 1 << "cancel" << false << 7;
        QTest::newRow("OK with nothing selected") << -1 << "ok" << false << 7;
    }

    void okCancelAndDoubleClick()
    {
        QFETCH(int, row);
        QFETCH(QString, how);
        QFETCH(bool, result);
        QFETCH(int, language);
        bool okEnabled = true;
        WhenShown([&](TMlLanguageSelectDialog& dialog) {
            dialog.ListBox->setCurrentRow(row);
            okEnabled = dialog.OkButton->isEnabled();
            if (how == QLatin1String("ok"))
                dialog.OkButton->click();
            else if (how == QLatin1String("cancel"))
                dialog.CancelButton->click();
            else
                emit dialog.ListBox->itemDoubleClicked(dialog.ListBox->item(row));
        });
        int chosen = 7;
        QCOMPARE(SelectLanguage(nullptr, scope_->Dictionary.get(), QString(), chosen, 0, 0), result);
        QCOMPARE(chosen, language);
        QCOMPARE(okEnabled, row >= 0);
    }

    void mainWindowActionSwitchesTheLanguage()
    {
        TXmeCalcDlg window;
        TranslateForm(window);
        QCOMPARE(window.ACT_ToggleSprache->text(), QStringLiteral("&Sprache"));
        WhenShown([](TMlLanguageSelectDialog& dialog) {
            QCOMPARE(dialog.SelectedLanguage(), 1);
            dialog.ListBox->setCurrentRow(1);
            dialog.OkButton->click();
        });
        window.ACT_ToggleSprache->trigger();
        QCOMPARE(scope_->Dictionary->LanguageIndex(), 2);
        QCOMPARE(window.ACT_ToggleSprache->text(), QStringLiteral("&Language"));
        // A closed dictionary raises before any dialog is made.
        scope_->Dictionary->Close();
        int language = 1;
        try {
            SelectLanguage(nullptr, scope_->Dictionary.get(), QString(), language, 0, 0);
            QFAIL("no error");
        } catch (const EMlMulti& e) {
            QCOMPARE(e.Message(), QStringLiteral("Dictionary is not open\n\rYou must open the dictionary before you "
                                                 "can change the language"));
        }
        QCOMPARE(language, 1);
    }

private:
    std::unique_ptr<TProgramDictionaryScope> scope_;
};

QTEST_MAIN(LanguageSelectDialogTest)
#include "LanguageSelectDialogTest.moc"
