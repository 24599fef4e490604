// The base form: string and multi-line translation, language choice, and the translator
// hook through which the registry and the dialog factory translate a form once it is built.

#include "FakeDictionary.h"
#include "formbase/DialogFactory.h"
#include "formbase/FormRegistry.h"
#include "formbase/MultForm.h"
#include "formbase/TranslatorHook.h"
#include "translation/MlTranslator.h"

#include <QLabel>
#include <QtTest>

namespace {

// A form whose constructor sets its texts, as every form does.
class TSampleForm : public TMultilingualForm {
public:
    explicit TSampleForm(const QString& caption = QStringLiteral("Zeile 1\nZeile 2"))
    {
        Caption = new QLabel(caption, ClientArea());
    }
    QLabel* Caption = nullptr;
};

}  // namespace

class MultFormTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetFormsDictionary(nullptr); }

    void translationWithoutDictionaryKeepsTheText()
    {
        TSampleForm form;
        QCOMPARE(form.TranslateString(QStringLiteral("Anderes Medium")), QStringLiteral("Anderes Medium"));
        QCOMPARE(form.CurrentLanguageId(), 0);
        form.SetLanguageById(9);  // nothing happens without a dictionary
        form.Translator = nullptr;
        QCOMPARE(form.TranslateString(QStringLiteral("Text")), QStringLiteral("Text"));
    }

    void lineBreaksAreEncodedForTheDictionary()
    {
        QString text = QStringLiteral("eins\r\nzwei\r\ndrei");
        QVERIFY(TMultilingualForm::EncodeLineBreaks(text));
        QCOMPARE(text, QStringLiteral("eins#C#Lzwei#C#Ldrei"));
        QCOMPARE(TMultilingualForm::DecodeLineBreaks(text), QStringLiteral("eins\r\nzwei\r\ndrei"));
        QString lone = QStringLiteral("a\nb\rc");
        QVERIFY(!TMultilingualForm::EncodeLineBreaks(lone));
        QCOMPARE(lone, QStringLiteral("a\nb\rc"));

        FakeDictionary dictionary;
        dictionary.entries.insert(QStringLiteral("Zeile 1#C#LZeile 2"), QStringLiteral("Line 1#C#LLine 2"));
        TSampleForm form;
        form.Translator->SetDictionary(&dictionary);
        QCOMPARE(form.TranslateMultiLine(QStringLiteral("Zeile 1\r\nZeile 2")), QStringLiteral("Line 1\r\nLine 2"));
        QCOMPARE(dictionary.lastKey, QStringLiteral("Zeile 1#C#LZeile 2"));
        // A single line and an empty text are not looked up at all.
        const int lookups = dictionary.lookups;
        QCOMPARE(form.TranslateMultiLine(QStringLiteral("Zeile 1")), QStringLiteral("Zeile 1"));
        QCOMPARE(form.TranslateString(QString()), QString());
        QCOMPARE(dictionary.lookups, lookups);

        // A two-line label (LF in Qt) finds the entry and gets LF back.
        form.TranslatorTranslate(form.Translator, QStringLiteral("Caption"), form.Caption);
        QCOMPARE(form.Caption->text(), QStringLiteral("Line 1\nLine 2"));
    }

    void languagesAreSelectedByPrimaryId()
    {
        FakeDictionary dictionary;
        TSampleForm form;
        form.Translator->SetDictionary(&dictionary);
        QCOMPARE(form.CurrentLanguageId(), 7);
        form.SetLanguageById(9);
        QCOMPARE(dictionary.LanguageIndex(), 2);
        QCOMPARE(form.CurrentLanguageId(), 9);
        // The native language (index 0) is not searched: German is index 1.
        form.SetLanguageById(7);
        QCOMPARE(dictionary.LanguageIndex(), 1);
        form.SetLanguageById(12);  // unknown: unchanged
        QCOMPARE(dictionary.LanguageIndex(), 1);
    }

    // The registry and the factory translate a form after its constructor has set its texts;
    // a shared dictionary reaches every registered form, each translator rooted at its own.
    void formsAreTranslatedOnceBuilt()
    {
        FakeDictionary dictionary;
        dictionary.entries.insert(QStringLiteral("Zeile 1#C#LZeile 2"), QStringLiteral("Line 1#C#LLine 2"));
        TFormRegistry forms;
        TSampleForm* before = forms.CreateForm<TSampleForm>();
        QCOMPARE(before->Caption->text(), QStringLiteral("Zeile 1\nZeile 2"));  // no dictionary yet

        TSampleForm* second = forms.CreateForm<TSampleForm>();
        second->ShareDictionary(&dictionary);
        QCOMPARE(FormsDictionary(), &dictionary);
        for (TMultilingualForm* form : forms.Forms()) {
            QCOMPARE(form->Translator->Dictionary(), &dictionary);
            QCOMPARE(form->Translator->TargetRoot(), static_cast<QObject*>(form));
        }
        QCOMPARE(before->Caption->text(), QStringLiteral("Line 1\nLine 2"));

        TSampleForm* later = forms.CreateForm<TSampleForm>();
        QCOMPARE(later->Caption->text(), QStringLiteral("Line 1\nLine 2"));
        const auto dialog = CreateDialog<TSampleForm>();
        QCOMPARE(dialog->Caption->text(), QStringLiteral("Line 1\nLine 2"));
        QCOMPARE(dialog->Translator->TargetRoot(), static_cast<QObject*>(dialog.get()));
        QCOMPARE(TFormRegistry::Lookup<TSampleForm>(), before);
        QVERIFY(!forms.Find<TSampleForm>()->Panel_BUTTONS->isVisible());
    }
};

QTEST_MAIN(MultFormTest)
#include "MultFormTest.moc"
