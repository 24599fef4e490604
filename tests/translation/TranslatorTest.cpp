// The translator on a form: target lists, contexts up the form's classes, the table of
// originals across switches, tab captions, menus' hotkeys, list lines, memos, grids, list
// views and trees, windows it must not touch, and library and Qt texts through the dictionary.

#include "DictBuilder.h"
#include "formbase/MultForm.h"
#include "platform/FormatSettings.h"
#include "translation/MlConMod.h"
#include "translation/MlResourceHook.h"
#include "translation/MlTranslator.h"

#include <QtWidgets>
#include <QtTest>

class TTestBase : public TMultilingualForm {
    Q_OBJECT

public:
    TTestBase()
    {
        setWindowTitle(QStringLiteral("Fenster"));
        for (auto [label, name, text] : {std::tuple{&LAB_A, "LAB_A", "Eins"}, {&LAB_B, "LAB_B", "Eins"},
                                         {&LAB_Multi, "LAB_Multi", "Zeile 1\nZeile 2"}}) {
            *label = new QLabel(QString::fromUtf8(text), ClientArea());
            (*label)->setObjectName(QLatin1String(name));
        }
        COM_Colour->setObjectName(QStringLiteral("COM_Colour"));
        COM_Colour->addItems({QStringLiteral("rot"), QStringLiteral("grün"), QStringLiteral("rot")});
        COM_Colour->setCurrentIndex(1);
        MEM_Note->setObjectName(QStringLiteral("MEM_Note"));
        ACT_Open = Menu->addAction(QStringLiteral("Ö&ffnen"));
        // A tab caption is looked up with its page's name, apart from a caption of the page's own.
        auto* plain = new QWidget;
        plain->setObjectName(QStringLiteral("Tab_1"));
        Group->setObjectName(QStringLiteral("Tab_2"));
        Tabs->addTab(plain, QStringLiteral("Seite"));
        Tabs->addTab(Group, QStringLiteral("Seite"));
    }
    QLabel *LAB_A, *LAB_B, *LAB_Multi;
    QComboBox* COM_Colour = new QComboBox(ClientArea());
    QPlainTextEdit* MEM_Note = new QPlainTextEdit(QStringLiteral("Bemerkung\n"), ClientArea());
    QMenu* Menu = new QMenu(QStringLiteral("&Datei"), this);
    QAction* ACT_Open;
    QTabWidget* Tabs = new QTabWidget(ClientArea());
    QGroupBox* Group = new QGroupBox(QStringLiteral("Zwei"));
    QDialog* Other = new QDialog(this);
    QLabel* OtherLabel = new QLabel(QStringLiteral("Eins"), Other);  // another window: never
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
        Customer->setBuddy(Print);
    }
    QStringList Texts() const
    {
        return {File->title(), Edit->title(), Open->text(), Folder->text(), Print->text(), Customer->text(), Cancel->text()};
    }
    QMenu *File, *Edit;
    QAction *Open, *Folder;
    QPushButton* Print = new QPushButton(QStringLiteral("&Drucken"), ClientArea());
    QLabel* Customer = new QLabel(QStringLiteral("&Kunde:"), ClientArea());
    QPushButton* Cancel = new QPushButton(QStringLiteral("Abbrechen"), ClientArea());
};

// Captions with a lower-case design hotkey and with a literal "&&", beside captions that
// want a hotkey of the same letter.
class TAmpersandForm : public TMultilingualForm {
    Q_OBJECT

public:
    TAmpersandForm()
    {
        auto* bar = new QMenuBar(this);
        File = bar->addMenu(QStringLiteral("Datei"));
        Zoom = bar->addMenu(QStringLiteral("Zoom"));
        Save = File->addAction(QStringLiteral("Sichern && Zoomen"));
    }
    QStringList Texts() const { return {File->title(), Zoom->title(), Save->text(), Print->text(), Size->text()}; }
    QMenu *File, *Zoom;
    QAction* Save;
    QPushButton* Print = new QPushButton(QStringLiteral("&drucken"), ClientArea());
    QPushButton* Size = new QPushButton(QStringLiteral("Maß&&Zahl"), ClientArea());
};

class TContentsForm : public QWidget {
    Q_OBJECT

public:
    TContentsForm()
    {
        Grid->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Wert")});
        Grid->setVerticalHeaderLabels({QStringLiteral("Rohr")});
        Grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Rohr")));  // a body cell: never
        List->setRootIsDecorated(false);
        for (const char* name : {"Wert", "Rohr", "Medium"})
            new QTreeWidgetItem(List, {QString::fromUtf8(name), QStringLiteral("Name")});
        List->setSortingEnabled(true);
        List->sortItems(0, Qt::AscendingOrder);
        new QTreeWidgetItem(new QTreeWidgetItem(Tree, {QStringLiteral("Rohr")}), {QStringLiteral("Wert")});
    }
    QTableWidget* Grid = new QTableWidget(1, 2, this);
    QTreeWidget* List = new QTreeWidget(this);
    QTreeWidget* Tree = new QTreeWidget(this);
    TMlTranslator* Translator = new TMlTranslator(this);

    QStringList Texts() const
    {
        QStringList texts = {Grid->horizontalHeaderItem(0)->text(), Grid->horizontalHeaderItem(1)->text(),
                             Grid->verticalHeaderItem(0)->text(), Grid->item(0, 0)->text()};
        for (const QTreeWidget* view : {List, Tree})
            for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(view)); *it; ++it)
                for (int c = 0; c < (*it)->columnCount(); ++c)
                    texts << (*it)->text(c);
        return texts;
    }
};

class TranslatorTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>();
        SetUserDefaultLCID(0x0407);
        std::vector<TRow> rows = {
            {"Eins", "TTestForm", "LAB_A", {"Eins", "One"}},
            {"Eins", "TTestBase", "LAB_B", {"Eins", "Single"}},
            {"Fenster", "TTestBase", "", {"Fenster", "Window"}},
            {"Zeile 1#C#LZeile 2", "", "", {"Zeile 1#C#LZeile 2", "Line 1#C#LLine 2"}},
            {"Seite", "TTestBase", "Tab_1", {"Seite", "Page"}},
            {"Seite", "TTestBase", "Tab_2", {"Seite", "Sheet"}},
            {"&Kunde:", "", "", {"&Kunde:", "&Editor:"}},
            {"Datei", "", "", {"Datei", "&File"}},
            {"Function not yet implemented", "", "", {"Funktion fehlt", ""}},
        };
        for (const char* pair : {"Eins Uno", "Zwei Two", "rot red", "grün green", "Bemerkung Note", "Öffnen Open",
                                 "Bearbeiten Edit", "Ordner Folder", "&Drucken Print", "Abbrechen Cancel",
                                 "Name Name", "Wert Value", "Rohr Pipe", "Medium Fluid", "Zoom Zoom",
                                 "Sichern_&&_Zoomen &Save_&&_zoom", "&drucken &Print", "Maß&&Zahl Size_&&_count"}) {
            QStringList words = QString::fromUtf8(pair).split(QLatin1Char(' '));
            for (QString& word : words)
                word.replace(QLatin1Char('_'), QLatin1Char(' '));
            rows.push_back({words[0], "", "", {words[0], words[1]}});
        }
        dictionary_ = MakeDictionary(rows);
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
        // A memo whose translation is its text is not written: its cursor and undo stay.
        QSignalSpy memoWrites(form.MEM_Note, &QPlainTextEdit::textChanged);
        form.Translator->Attach();
        QCOMPARE(memoWrites.count(), 0);
        const QStringList german = Texts(form);

        dictionary_->SetLanguage(2);
        QCOMPARE(Texts(form), QStringList({"Window", "One", "Single", "Line 1\nLine 2", "red|green|red", "Note\n",
                                            "&File", "&Open", "Page", "Sheet", "Two", "Eins"}));
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
        QCOMPARE(Texts(form), QStringList({"Fenster", "Zwei", "Eins", "Zeile 1\nZeile 2", "rot|grün|rot", "Bemerkung\n",
                                            "&Datei", "Ö&ffnen", "Seite", "Seite", "Zwei", "Eins"}));
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
        QVERIFY(!translator->Attached() && label->text() == QStringLiteral("Eins"));
        translator->Targets.Add({{}, QStringLiteral("Caption"), 0});
        translator->Attach();
        QCOMPARE(label->text(), QStringLiteral("Uno"));
        delete translator;  // leaves the dictionary
        QCOMPARE(dictionary_->TranslatorCount(), 0);
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

    // A design hotkey in lower case reserves its letter as an upper-case one does; "&&" is a
    // literal ampersand, neither a hotkey nor a reserved letter, in every language.
    void lowerCaseHotkeysAndLiteralAmpersands()
    {
        TAmpersandForm form;
        form.Translator->SetDictionary(dictionary_.get());
        form.Translator->Attach();
        QCOMPARE(form.Texts(), QStringList({"D&atei", "&Zoom", "&Sichern && Zoomen", "&drucken", "Maß&&Zahl"}));
        dictionary_->SetLanguage(2);
        QCOMPARE(form.Texts(), QStringList({"&File", "&Zoom", "&Save && zoom", "&Print", "Size && count"}));
        form.Translator->Release();
        QCOMPARE(form.Texts(), QStringList({"Datei", "Zoom", "Sichern && Zoomen", "&drucken", "Maß&&Zahl"}));
    }

    // The restriction events: a component's texts or contents, for it and what it holds or
    // for it alone; one object; one property.
    void restrictionEventsNarrowTheWalk()
    {
        const std::pair<unsigned, QStringList> cases[] = {
            {mlrsProperties,
             {"Fenster", "Eins", "Single", "Line 1\nLine 2", "rot|grün|rot", "Bemerkung\n", "&File", "&Open", "Seite", "Seite", "Zwei", "Eins"}},
            {mlrsProperties | mlrsNotInherited,
             {"Fenster", "Eins", "Single", "Line 1\nLine 2", "rot|grün|rot", "Bemerkung\n", "&File", "&Open", "Seite", "Seite", "Two", "Eins"}},
        };
        dictionary_->SetLanguage(2);
        for (const auto& [restriction, expected] : cases) {
            const unsigned tabs = restriction;
            TTestForm form;
            form.Translator->SetDictionary(dictionary_.get());
            form.Translator->Targets.Add({QStringLiteral("TComboBox"), QStringLiteral("Items"), 0});
            form.Translator->Targets.Add({QStringLiteral("TMemo"), QStringLiteral("Text"), 0});
            form.Translator->OnRestrictComponent = [&form, tabs](TMlTranslator*, QObject* component, unsigned& restrictions) {
                if (component == form.Tabs)
                    restrictions |= tabs;
                if (component == form.MEM_Note)
                    restrictions |= mlrsContents;
            };
            form.Translator->OnRestrictObject = [&form](TMlTranslator*, QObject* object, bool& translate) {
                translate = object != form.LAB_A;
            };
            form.Translator->OnRestrictProperty = [&form](TMlTranslator*, QObject* object, const QString& property, bool& translate) {
                translate = property != QLatin1String("Items") && !(object == &form && property == QLatin1String("Caption"));
            };
            form.Translator->Attach();
            QCOMPARE(Texts(form), expected);
        }
    }

    // Restoring the natives: this form shows its design texts, the others keep theirs, the
    // dictionary stays native with the locale it had, and auto-translation is on again.
    void restoreNativeLeavesTheOtherForms()
    {
        TTestForm first, second;
        for (TTestForm* form : {&first, &second}) {
            form->Translator->SetDictionary(dictionary_.get());
            form->Translator->Attach();
        }
        dictionary_->SetLanguage(2);
        first.Translator->RestoreNative();
        QCOMPARE(first.windowTitle() + '|' + first.LAB_B->text() + '|' + second.LAB_B->text(), QStringLiteral("Fenster|Eins|Single"));
        QVERIFY(!first.Translator->Attached() && second.Translator->Attached());
        QCOMPARE(dictionary_->LanguageIndex(), 0);
        QCOMPARE(dictionary_->LocaleLCID(), 0x0409u);
        QCOMPARE(FormatSettings().DecimalSeparator, QLatin1Char('.'));
        QVERIFY(dictionary_->Options & mldoAutoTranslate);
        dictionary_->SetLanguage(1);
        QCOMPARE(second.LAB_B->text() + '|' + first.LAB_B->text(), QStringLiteral("Eins|Eins"));

        // Without any dictionary there is nothing to translate with: an error names the form.
        dictionary_.reset();
        TTestForm alone;
        QString error;
        try {
            alone.Translator->Attach();
        } catch (const EMlMulti& e) {
            error = e.Message();
        }
        QCOMPARE(error, QStringLiteral("No dictionary has been assigned to the translator component (Translator on \"TTestForm\" form)"));
    }

    // A far-eastern language shows the form scaled, any other language as designed; OnScale
    // reports each change. The form's font scales with it, in pixels (as the base form sets
    // it) or in points; a dialog the form owns is a window of its own and keeps its size.
    void multiByteLanguagesScaleTheForm()
    {
        dictionary_ = MakeDictionary({}, LanguageBlob({{0, 0, 1252, "Native", "Native"}, {7, 1, 1252, "German", "Deutsch"},
                                                      {17, 1, 932, "Japanese", "Nihongo"}}));
        dictionary_->CheckLevel = mlclNone;
        dictionary_->SetLanguage(1);
        const std::pair<int, qreal> cases[] = {{150, 0}, {150, 10}, {100, 0}};  // scale, points (0: pixels)
        for (const auto& [scale, points] : cases) {
            TTestForm form;
            if (points > 0) {
                QFont font = form.font();
                font.setPointSizeF(points);
                form.setFont(font);
            }
            form.resize(400, 300);
            form.LAB_A->setGeometry(10, 21, 100, 30);
            const QRect label = form.LAB_A->geometry();
            const QSize dialog = form.Other->size();
            const int pixels = form.font().pixelSize();
            int scalings = 0;
            form.Translator->MultiByteScale = scale;
            form.Translator->OnScale = [&](TMlTranslator*, const QString&, QObject* root) { scalings += root == &form; };
            form.Translator->SetDictionary(dictionary_.get());
            form.Translator->Attach();
            QCOMPARE(scalings, 0);
            dictionary_->SetLanguage(2);
            QCOMPARE(scalings, scale == 100 ? 0 : 1);
            QCOMPARE(form.Translator->Scaled(), scale != 100);
            QCOMPARE(form.width() > 400, scale != 100);
            QCOMPARE(form.LAB_A->width() > label.width() && form.LAB_A->y() > label.y(), scale != 100);
            QCOMPARE(form.font().pixelSize() > pixels, scale != 100 && points == 0);
            QCOMPARE(form.font().pointSizeF(), points > 0 ? points * scale / 100 : -1);
            QCOMPARE(form.Other->size(), dialog);
            dictionary_->SetLanguage(1);
            QCOMPARE(scalings, scale == 100 ? 0 : 2);
            QCOMPARE(form.LAB_A->geometry(), label);
            QCOMPARE(form.width(), 400);
            QCOMPARE(form.font().pixelSize(), pixels);
            QCOMPARE(form.font().pointSizeF(), points > 0 ? points : -1);
        }
    }

    // Grid headers, list views and trees; a sorted view kept sorted; body cells only with
    // their own target.
    void contentsTranslatedAndGivenBack()
    {
        RegisterControlModule();
        // All cells and items; then grid cells only (the sorted list sorts once its texts are in).
        const std::pair<QString, QStringList> cases[] = {
            {{}, {"Name", "Value", "Pipe", "Rohr", "Fluid", "Name", "Pipe", "Name", "Value", "Name", "Pipe", "Value"}},
            {"TStringGrid", {"Name", "Value", "Pipe", "Rohr", "Medium", "Name", "Rohr", "Name", "Wert", "Name", "Rohr", "Wert"}},
        };
        for (const auto& [target, english] : cases) {
            dictionary_->SetLanguage(1);
            TContentsForm form;
            form.Translator->SetDictionary(dictionary_.get());
            form.Translator->Targets.Add({target, target.isEmpty() ? QStringLiteral("Cells") : QString(), 0});
            if (target.isEmpty())
                form.Translator->Targets.Add({{}, QStringLiteral("Items"), 0});
            form.Translator->Attach();
            const QStringList german = form.Texts();
            dictionary_->SetLanguage(2);
            QCOMPARE(form.Texts(), english);
            QVERIFY(form.List->isSortingEnabled());
            dictionary_->SetLanguage(1);
            QCOMPARE(form.Texts(), german);
        }
    }

    void libraryAndQtTextsFollowTheLanguage()
    {
        const bool catalogue = QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm");
        InstallResourceStringHook();
        InstallResourceStringHook();  // once only
        const char* text = "Function not yet implemented";
        auto texts = [text] {
            return QStringList({QCoreApplication::translate("CEConst", text), QCoreApplication::translate("QLineEdit", "&Undo")});
        };
        QCOMPARE(texts(), QStringList({text, "&Undo"}));  // closed
        dictionary_->Open();
        QCOMPARE(texts(), QStringList({"Funktion fehlt", catalogue ? "&Rückgängig" : "&Undo"}));
        dictionary_->MissingTranslation = mlmtTagNative;
        dictionary_->SetLanguage(2);  // no English text: the library's own
        QCOMPARE(texts(), QStringList({text, "&Undo"}));
        dictionary_->SetLanguage(1);
        dictionary_->Close();
        QCOMPARE(texts(), QStringList({text, "&Undo"}));
        // Destroyed while open: dropping Qt's catalogue makes Qt ask for texts again, and the
        // half-destroyed dictionary must not be asked.
        dictionary_->Open();
        dictionary_.reset();
        QCOMPARE(texts(), QStringList({text, "&Undo"}));
        if (!catalogue)
            QSKIP("Qt's German catalogue (qt6-translations-l10n) is not installed");
    }

private:
    static QStringList Texts(TTestBase& form)
    {
        QStringList items;
        for (int i = 0; i < form.COM_Colour->count(); ++i)
            items << form.COM_Colour->itemText(i);
        return {form.windowTitle(),     form.LAB_A->text(),       form.LAB_B->text(),       form.LAB_Multi->text(),
                items.join('|'),        form.MEM_Note->toPlainText(), form.Menu->title(),    form.ACT_Open->text(),
                form.Tabs->tabText(0),  form.Tabs->tabText(1),    form.Group->title(),      form.OtherLabel->text()};
    }

    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TMlBinaryDictionary> dictionary_;
};

QTEST_MAIN(TranslatorTest)
#include "TranslatorTest.moc"
