// The translator on a form: target lists, contexts up the form's classes, the table of
// originals across switches, menus' hotkeys, list lines, memos, windows it must not touch.

#include "DictBuilder.h"
#include "formbase/MultForm.h"
#include "platform/FormatSettings.h"
#include "translation/MlBinDic.h"
#include "translation/MlResourceHook.h"
#include "translation/MlTranslator.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtTest>

class TTestBase : public TMultilingualForm {
    Q_OBJECT

public:
    TTestBase()
    {
        auto make = [this](QLabel*& label, const char* name, const QString& text) {
            label = new QLabel(text, ClientArea());
            label->setObjectName(QLatin1String(name));
        };
        setWindowTitle(QStringLiteral("Fenster"));
        make(LAB_A, "LAB_A", QStringLiteral("Eins"));
        make(LAB_B, "LAB_B", QStringLiteral("Eins"));
        make(LAB_Multi, "LAB_Multi", QStringLiteral("Zeile 1\nZeile 2"));
        COM_Colour = new QComboBox(ClientArea());
        COM_Colour->setObjectName(QStringLiteral("COM_Colour"));
        COM_Colour->addItems({QStringLiteral("rot"), QStringLiteral("grün"), QStringLiteral("rot")});
        COM_Colour->setCurrentIndex(1);
        MEM_Note = new QPlainTextEdit(QStringLiteral("Bemerkung\n"), ClientArea());
        MEM_Note->setObjectName(QStringLiteral("MEM_Note"));
        Menu = new QMenu(QStringLiteral("&Datei"), this);
        ACT_Open = Menu->addAction(QStringLiteral("Ö&ffnen"));
        Other = new QDialog(this);
        OtherLabel = new QLabel(QStringLiteral("Eins"), Other);
    }
    QLabel* LAB_A = nullptr;
    QLabel* LAB_B = nullptr;
    QLabel* LAB_Multi = nullptr;
    QComboBox* COM_Colour = nullptr;
    QPlainTextEdit* MEM_Note = nullptr;
    QMenu* Menu = nullptr;
    QAction* ACT_Open = nullptr;
    QDialog* Other = nullptr;
    QLabel* OtherLabel = nullptr;
};

class TTestForm : public TTestBase {
    Q_OBJECT
};

// A menu bar, menu items and captions with and without a hotkey of their design.
class THotkeyForm : public TMultilingualForm {
    Q_OBJECT

public:
    THotkeyForm()
    {
        auto* bar = new QMenuBar(this);
        File = bar->addMenu(QStringLiteral("Datei"));
        Edit = bar->addMenu(QStringLiteral("Bearbeiten"));
        Open = File->addAction(QStringLiteral("Öffnen"));
        Folder = File->addAction(QStringLiteral("Ordner"));
        Print = new QPushButton(QStringLiteral("&Drucken"), ClientArea());
        Customer = new QLabel(QStringLiteral("&Kunde:"), ClientArea());
        Customer->setBuddy(Print);
        Cancel = new QPushButton(QStringLiteral("Abbrechen"), ClientArea());
    }
    QStringList Texts() const
    {
        return {File->title(), Edit->title(), Open->text(), Folder->text(), Print->text(), Customer->text(), Cancel->text()};
    }
    QMenu *File, *Edit;
    QAction *Open, *Folder;
    QPushButton *Print, *Cancel;
    QLabel* Customer;
};

class TranslatorTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>();
        SetUserDefaultLCID(0x0407);
        dictionary_ = std::make_unique<TMlBinaryDictionary>();
        dictionary_->Storage = mlsEmbedded;
        dictionary_->SetData(ProgramLanguages(),
                             TranslationBlob({
                                 {"Eins", "TTestForm", "LAB_A", {"Eins", "One"}},
                                 {"Eins", "TTestBase", "LAB_B", {"Eins", "Single"}},
                                 {"Eins", "", "", {"Eins", "Uno"}},
                                 {"Zwei", "", "", {"Zwei", "Two"}},
                                 {"Fenster", "TTestBase", "", {"Fenster", "Window"}},
                                 {"Zeile 1#C#LZeile 2", "", "", {"Zeile 1#C#LZeile 2", "Line 1#C#LLine 2"}},
                                 {"rot", "", "", {"rot", "red"}},
                                 {"grün", "", "", {"grün", "green"}},
                                 {"Bemerkung", "", "", {"Bemerkung", "Note"}},
                                 {"Datei", "", "", {"Datei", "&File"}},
                                 {"Öffnen", "", "", {"Öffnen", "Open"}},
                                 {"Bearbeiten", "", "", {"Bearbeiten", "Edit"}},
                                 {"Ordner", "", "", {"Ordner", "Folder"}},
                                 {"&Drucken", "", "", {"&Drucken", "Print"}},
                                 {"&Kunde:", "", "", {"&Kunde:", "&Editor:"}},
                                 {"Abbrechen", "", "", {"Abbrechen", "Cancel"}},
                                 {"Function not yet implemented", "", "", {"Funktion fehlt", ""}},
                             }),
                             NoLocales());
        dictionary_->SetLanguage(1);
    }

    void cleanup()
    {
        dictionary_.reset();
        formats_.reset();
    }

    void targetsMatchByClassAndProperty()
    {
        TMlTargetProperties targets;
        targets.Add({{}, QStringLiteral("Caption"), 0});
        targets.Add({{}, QStringLiteral("Caption"), 0});  // equal: dropped
        targets.Add({QStringLiteral("TMemo"), {}, 0});
        targets.Add({QStringLiteral("TLabel"), QStringLiteral("Caption"), 1});
        QCOMPARE(targets.Count(), 3);
        QCOMPARE(targets.Exclusions(), 1);
        QVERIFY(targets.Matches(QStringLiteral("TButton"), QStringLiteral("caption")));
        QVERIFY(!targets.Matches(QStringLiteral("TLabel"), QStringLiteral("Caption")));
        QVERIFY(targets.Matches(QStringLiteral("tmemo"), QStringLiteral("Lines")));
        QVERIFY(!targets.Matches(QStringLiteral("TButton"), QStringLiteral("Hint")));
        QCOMPARE(DesignTargets(&TTestForm::staticMetaObject).Count(), 2);  // the base form's
    }

    void switchesTranslateFromTheNatives()
    {
        TTestForm form;
        form.Translator->SetDictionary(dictionary_.get());
        form.Translator->Targets.Add({QStringLiteral("TComboBox"), QStringLiteral("Items"), 0});
        form.Translator->Targets.Add({QStringLiteral("TMemo"), QStringLiteral("Text"), 0});
        form.Translator->Attach();
        QVERIFY(form.Translator->Attached());
        const QStringList german = Texts(form);

        dictionary_->SetLanguage(2);
        QCOMPARE(Texts(form), QStringList({"Window", "One", "Single", "Line 1\nLine 2", "red|green|red", "Note\n",
                                            "&File", "&Open", "Eins"}));
        QCOMPARE(form.COM_Colour->currentIndex(), 1);

        dictionary_->SetLanguage(1);
        QCOMPARE(Texts(form), german);

        // A text set since the last translation is the new native text.
        dictionary_->SetLanguage(2);
        form.LAB_A->setText(QStringLiteral("Zwei"));
        dictionary_->SetLanguage(1);
        dictionary_->SetLanguage(2);
        QCOMPARE(form.LAB_A->text(), QStringLiteral("Two"));

        form.Translator->Release();
        QVERIFY(!form.Translator->Attached());
        QCOMPARE(form.LAB_B->text(), QStringLiteral("Eins"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Fenster"));
        QCOMPARE(dictionary_->TranslatorCount(), 0);
    }

    void formsWithoutTargetsStayAsDesigned()
    {
        QWidget root;
        auto* label = new QLabel(QStringLiteral("Eins"), &root);
        auto* translator = new TMlTranslator(&root);
        translator->SetDictionary(dictionary_.get());
        dictionary_->SetLanguage(2);
        translator->Attach();
        QVERIFY(!translator->Attached());
        QCOMPARE(label->text(), QStringLiteral("Eins"));
        translator->Targets.Add({{}, QStringLiteral("Caption"), 0});
        translator->Attach();
        QCOMPARE(label->text(), QStringLiteral("Uno"));
        delete translator;  // leaves the dictionary
        QCOMPARE(dictionary_->TranslatorCount(), 0);
    }

    // A tab's caption is looked up with its page's name and comes back exactly, even on a
    // page that has a caption of its own.
    void tabCaptionsAreKeyedByTheirPage()
    {
        dictionary_->SetData(ProgramLanguages(),
                             TranslationBlob({
                                 {"Seite", "TTestBase", "Tab_1", {"Seite", "Page"}},
                                 {"Seite", "TTestBase", "Tab_2", {"Seite", "Sheet"}},
                                 {"Eins", "", "", {"Eins", "One"}},
                             }),
                             NoLocales());
        TTestForm form;
        auto* tabs = new QTabWidget(&form);
        auto* plain = new QWidget;
        plain->setObjectName(QStringLiteral("Tab_1"));
        auto* group = new QGroupBox(QStringLiteral("Eins"));
        group->setObjectName(QStringLiteral("Tab_2"));
        tabs->addTab(plain, QStringLiteral("Seite"));
        tabs->addTab(group, QStringLiteral("Seite"));
        form.Translator->SetDictionary(dictionary_.get());
        form.Translator->Attach();
        auto texts = [&] { return QStringList({tabs->tabText(0), tabs->tabText(1), group->title()}); };
        const QStringList german = texts();
        QCOMPARE(german, QStringList({"Seite", "Seite", "Eins"}));
        dictionary_->SetLanguage(2);
        QCOMPARE(texts(), QStringList({"Page", "Sheet", "One"}));
        dictionary_->SetLanguage(1);
        QCOMPARE(texts(), german);
        dictionary_->SetLanguage(2);
        form.Translator->Release();
        QCOMPARE(texts(), german);
    }

    // Every menu item gets a hotkey; a caption keeps the one of its design in every language;
    // none is taken twice in a menu, nor on the form with its menu bar.
    void hotkeysInEveryLanguage()
    {
        THotkeyForm form;
        form.Translator->SetDictionary(dictionary_.get());
        form.Translator->Attach();
        const QStringList german = {"D&atei", "&Bearbeiten", "Ö&ffnen", "&Ordner", "&Drucken", "&Kunde:", "Abbrechen"};
        QCOMPARE(form.Texts(), german);
        dictionary_->SetLanguage(2);
        QCOMPARE(form.Texts(), QStringList({"&File", "E&dit", "&Open", "&Folder", "&Print", "&Editor:", "Cancel"}));
        dictionary_->SetLanguage(1);
        QCOMPARE(form.Texts(), german);
        form.Translator->Release();
        QCOMPARE(form.Texts(), QStringList({"Datei", "Bearbeiten", "Öffnen", "Ordner", "&Drucken", "&Kunde:", "Abbrechen"}));
    }

    void libraryTextsGoThroughTheDictionary()
    {
        InstallResourceStringHook();
        InstallResourceStringHook();  // once only
        const char* text = "Function not yet implemented";
        QCOMPARE(QCoreApplication::translate("CEConst", text), QString::fromUtf8(text));  // closed
        dictionary_->Open();
        QCOMPARE(QCoreApplication::translate("CEConst", text), QStringLiteral("Funktion fehlt"));
        // Qt's own texts in Qt's German while German is current, its English otherwise.
        const bool catalogue = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm");
        if (catalogue)
            QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Rückgängig"));
        dictionary_->MissingTranslation = mlmtTagNative;
        dictionary_->SetLanguage(2);  // no English text: the library's own
        QCOMPARE(QCoreApplication::translate("CEConst", text), QString::fromUtf8(text));
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
        dictionary_->SetLanguage(1);
        dictionary_->Close();
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Undo"), QStringLiteral("&Undo"));
        if (!catalogue)
            QSKIP("Qt's German catalogue (qt6-translations-l10n) is not installed");
    }

private:
    static QStringList Texts(TTestBase& form)
    {
        QStringList items;
        for (int i = 0; i < form.COM_Colour->count(); ++i)
            items << form.COM_Colour->itemText(i);
        return {form.windowTitle(),           form.LAB_A->text(),  form.LAB_B->text(),
                form.LAB_Multi->text(),       items.join('|'),     form.MEM_Note->toPlainText(),
                form.Menu->title(),           form.ACT_Open->text(), form.OtherLabel->text()};
    }

    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TMlBinaryDictionary> dictionary_;
};

QTEST_MAIN(TranslatorTest)
#include "TranslatorTest.moc"
