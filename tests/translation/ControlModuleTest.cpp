// The control-contents module: grid headers, list views and trees translated and given back,
// a sorted view kept sorted, body cells only with their own target; tab-page children
// mirrored within their own page, status-bar panels swapped.

#include "DictBuilder.h"
#include "platform/FormatSettings.h"
#include "translation/MlBinDic.h"
#include "translation/MlConMod.h"

#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

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

class ControlModuleTest : public QObject {
    Q_OBJECT

private slots:
    void contentsTranslatedAndGivenBack()
    {
        FormatSettingsScope formats;
        SetUserDefaultLCID(0x0407);
        RegisterControlModule();
        TMlBinaryDictionary dictionary;
        dictionary.Storage = mlsEmbedded;
        dictionary.SetData(ProgramLanguages(),
                           TranslationBlob({{"Name", "", "", {"Name", "Name"}}, {"Wert", "", "", {"Wert", "Value"}},
                                            {"Rohr", "", "", {"Rohr", "Pipe"}}, {"Medium", "", "", {"Medium", "Fluid"}}}),
                           NoLocales());
        // All cells and items; then grid cells only (the sorted list sorts once its texts are in).
        const std::pair<QString, QStringList> cases[] = {
            {{}, {"Name", "Value", "Pipe", "Rohr", "Fluid", "Name", "Pipe", "Name", "Value", "Name", "Pipe", "Value"}},
            {"TStringGrid", {"Name", "Value", "Pipe", "Rohr", "Medium", "Name", "Rohr", "Name", "Wert", "Name", "Rohr", "Wert"}},
        };
        for (const auto& [target, english] : cases) {
            dictionary.SetLanguage(1);
            TContentsForm form;
            form.Translator->SetDictionary(&dictionary);
            form.Translator->Targets.Add({target, target.isEmpty() ? QStringLiteral("Cells") : QString(), 0});
            if (target.isEmpty())
                form.Translator->Targets.Add({{}, QStringLiteral("Items"), 0});
            form.Translator->Attach();
            const QStringList german = form.Texts();
            dictionary.SetLanguage(2);
            QCOMPARE(form.Texts(), english);
            QVERIFY(form.List->isSortingEnabled());
            dictionary.SetLanguage(1);
            QCOMPARE(form.Texts(), german);
        }
    }

    void mirroring()
    {
        QTabWidget tabs;
        tabs.resize(400, 300);
        auto* other = new QWidget;
        tabs.addTab(new QWidget, QStringLiteral("a"));
        tabs.addTab(other, QStringLiteral("b"));
        other->setFixedSize(200, 100);  // not the page shown, and narrower
        auto* control = new QLabel(other);
        control->setGeometry(10, 5, 50, 20);
        TContentsForm form;
        TMlControlModule module;
        RegisterControlModule();
        QVERIFY(!ModuleList().Add(&module));  // one module per class
        TMlBidirectionalState state;
        QVERIFY(module.MirrorPosition(*form.Translator, other, state));
        QVERIFY(!state.Mirrored);
        QVERIFY(module.MirrorPosition(*form.Translator, control, state));
        QVERIFY(state.Mirrored);
        QCOMPARE(control->x(), 200 - 50 - 10);

        QStatusBar bar;
        const Qt::Alignment before[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight, Qt::AlignHCenter};
        const Qt::Alignment after[] = {Qt::AlignRight | Qt::AlignVCenter, Qt::AlignLeft, Qt::AlignHCenter};
        QLabel* panels[3];
        for (int i = 0; i < 3; ++i) {
            bar.addWidget(panels[i] = new QLabel(QStringLiteral("p")));
            panels[i]->setAlignment(before[i]);
        }
        QVERIFY(module.MirrorContents(*form.Translator, &bar));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(panels[i]->alignment(), after[i]);
    }
};

QTEST_MAIN(ControlModuleTest)
#include "ControlModuleTest.moc"
