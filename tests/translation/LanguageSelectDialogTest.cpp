// The language selection dialog on the program's dictionary: the listed languages and the
// preselection, its texts in both languages, OK, Cancel and double click; the main window's
// "Sprache" action.

#include "calculator/mainwindow/Xmecalc.h"
#include "ModalDriver.h"
#include "ProgramDictionaryScope.h"
#include "translation/MlLaSelD.h"

#include <QtTest>
#include <QtWidgets>

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
        QTest::newRow("German") << 1 << 0u << QStringList{"Sprache auswählen", "Deutsch", "Englisch", "OK", "Abbrechen", "&Hilfe"};
        QTest::newRow("English") << 2 << 0u << QStringList{"Select Language", "German", "English", "OK", "Cancel", "&Help"};
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
        QCOMPARE(QStringList({dialog.windowTitle(), dialog.ListBox->item(0)->text(), dialog.ListBox->item(1)->text(),
                              dialog.OkButton->text(), dialog.CancelButton->text(), dialog.HelpButton->text()}),
                 texts);
        QCOMPARE(dialog.SelectedLanguage(), language);
        QVERIFY(dialog.HelpButton->isHidden());
        TMlLanguageSelectDialog captioned(nullptr, scope_->Dictionary.get(), QStringLiteral("Sprachwahl"), 5, options);
        QCOMPARE(captioned.windowTitle(), QStringLiteral("Sprachwahl"));
        QVERIFY(!captioned.HelpButton->isHidden());
    }

    // The result and the language given back: OK, double click, Cancel, and OK (disabled)
    // with nothing selected.
    void okCancelAndDoubleClick()
    {
        const std::function<void(TMlLanguageSelectDialog&)> ways[] = {
            [](TMlLanguageSelectDialog& d) { d.OkButton->click(); },
            [](TMlLanguageSelectDialog& d) { emit d.ListBox->itemDoubleClicked(d.ListBox->item(1)); },
            [](TMlLanguageSelectDialog& d) { d.CancelButton->click(); },
            [](TMlLanguageSelectDialog& d) { d.ListBox->setCurrentRow(-1); QVERIFY(!d.OkButton->isEnabled()); },
        };
        const int results[] = {QDialog::Accepted, QDialog::Accepted, QDialog::Rejected, 7};
        for (int i = 0; i < 4; ++i) {
            TMlLanguageSelectDialog dialog(nullptr, scope_->Dictionary.get(), QString(), 0, 0);
            dialog.ListBox->setCurrentRow(1);
            QCOMPARE(RunModal(dialog, [&] { ways[i](dialog); }), results[i]);
            QCOMPARE(dialog.SelectedLanguage(), i < 3 ? 2 : -1);
        }
    }

    void mainWindowActionSwitchesTheLanguage()
    {
        TXmeCalcDlg window;
        TranslateForm(window);
        QCOMPARE(window.ACT_ToggleSprache->text(), QStringLiteral("&Sprache"));
        QVERIFY(RunModal<TMlLanguageSelectDialog>([&] { window.ACT_ToggleSprache->trigger(); },
                                                  [](TMlLanguageSelectDialog& dialog) {
                                                      dialog.ListBox->setCurrentRow(1);
                                                      dialog.OkButton->click();
                                                  }));
        QCOMPARE(scope_->Dictionary->LanguageIndex(), 2);
        QCOMPARE(window.ACT_ToggleSprache->text(), QStringLiteral("&Language"));
        // A closed dictionary raises before any dialog is made, and the language stays.
        scope_->Dictionary->Close();
        int language = 1;
        QVERIFY_THROWS_EXCEPTION(EMlMulti, SelectLanguage(nullptr, scope_->Dictionary.get(), QString(), language, 0, 0));
        QCOMPARE(language, 1);
    }

private:
    std::unique_ptr<TProgramDictionaryScope> scope_;
};

QTEST_MAIN(LanguageSelectDialogTest)
#include "LanguageSelectDialogTest.moc"
