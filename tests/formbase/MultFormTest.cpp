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
    QLabel* Caption = new QLabel(QStringLiteral("Zeile 1\nZeile 2"), ClientArea());
};
}  // namespace

class MultFormTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { SetFormsDictionary(nullptr); }

    void lineBreaksAreEncodedForTheDictionary()
    {
        QString text = QStringLiteral("eins\r\nzwei\r\ndrei");
        QVERIFY(TMultilingualForm::EncodeLineBreaks(text) && text == QStringLiteral("eins#C#Lzwei#C#Ldrei"));
        QCOMPARE(TMultilingualForm::DecodeLineBreaks(text), QStringLiteral("eins\r\nzwei\r\ndrei"));
        QString lone = QStringLiteral("a\nb\rc");
        QVERIFY(!TMultilingualForm::EncodeLineBreaks(lone) && lone == QStringLiteral("a\nb\rc"));

        FakeDictionary dictionary;
        dictionary.entries.insert(QStringLiteral("Zeile 1#C#LZeile 2"), QStringLiteral("Line 1#C#LLine 2"));
        TSampleForm form;
        form.Translator->SetDictionary(&dictionary);
        QCOMPARE(form.TranslateMultiLine(QStringLiteral("Zeile 1\r\nZeile 2")), QStringLiteral("Line 1\r\nLine 2"));
        QCOMPARE(dictionary.lastKey, QStringLiteral("Zeile 1#C#LZeile 2"));
        // A single line and an empty text are not looked up at all.
        const int lookups = dictionary.lookups;
        QVERIFY(form.TranslateMultiLine(QStringLiteral("Zeile 1")) == QStringLiteral("Zeile 1") && form.TranslateString({}).isEmpty());
        QCOMPARE(dictionary.lookups, lookups);

        // A two-line label (LF in Qt) finds the entry and gets LF back.
        form.TranslatorTranslate(form.Translator, QStringLiteral("Caption"), form.Caption);
        QCOMPARE(form.Caption->text(), QStringLiteral("Line 1\nLine 2"));
    }

    void languagesAreSelectedByPrimaryId()
    {
        TSampleForm form;
        // Without a dictionary texts stay and no language is chosen.
        QVERIFY(form.TranslateString(QStringLiteral("Medium")) == QStringLiteral("Medium") && form.CurrentLanguageId() == 0);
        form.SetLanguageById(9);
        QCOMPARE(form.CurrentLanguageId(), 0);
        FakeDictionary dictionary;
        form.Translator->SetDictionary(&dictionary);
        QCOMPARE(form.CurrentLanguageId(), 7);
        // The native language (index 0) is not searched: German is index 1; unknown: unchanged.
        for (const auto& [id, index, current] : {std::tuple{9, 2, 9}, {7, 1, 7}, {12, 1, 7}}) {
            form.SetLanguageById(id);
            QVERIFY(dictionary.LanguageIndex() == index && form.CurrentLanguageId() == current);
        }
        form.Translator = nullptr;
        QCOMPARE(form.TranslateString(QStringLiteral("Text")), QStringLiteral("Text"));
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

        QCOMPARE(forms.CreateForm<TSampleForm>()->Caption->text(), QStringLiteral("Line 1\nLine 2"));
        const auto dialog = CreateDialog<TSampleForm>();
        QCOMPARE(dialog->Caption->text(), QStringLiteral("Line 1\nLine 2"));
        QCOMPARE(dialog->Translator->TargetRoot(), static_cast<QObject*>(dialog.get()));
        QVERIFY(TFormRegistry::Lookup<TSampleForm>() == before && before->Panel_BUTTONS->isHidden());
    }
};

QTEST_MAIN(MultFormTest)
#include "MultFormTest.moc"
