// The control-contents module: grid headers, list views and trees translated and given back
// across switches, sorting kept, nothing translated without a target; mirroring of tab-page
// children within their own page and of status-bar panels.

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
        Grid = new QTableWidget(2, 3, this);
        Grid->setObjectName(QStringLiteral("Grid"));
        Grid->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Wert"), QString()});
        Grid->setVerticalHeaderLabels({QStringLiteral("Rohr"), QStringLiteral("Medium")});
        Grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("Rohr")));  // a body cell: never
        List = new QTreeWidget(this);
        List->setObjectName(QStringLiteral("List"));
        List->setRootIsDecorated(false);
        List->setColumnCount(2);
        for (const char* name : {"Wert", "Rohr", "Medium"})
            new QTreeWidgetItem(List, {QString::fromUtf8(name), QStringLiteral("Name")});
        List->sortItems(0, Qt::AscendingOrder);
        List->setSortingEnabled(true);
        Tree = new QTreeWidget(this);
        Tree->setObjectName(QStringLiteral("Tree"));
        auto* root = new QTreeWidgetItem(Tree, {QStringLiteral("Rohr")});
        new QTreeWidgetItem(root, {QStringLiteral("Wert")});
        Empty = new QTreeWidget(this);
        Empty->setObjectName(QStringLiteral("Empty"));
        Translator = new TMlTranslator(this);
    }
    QTableWidget* Grid;
    QTreeWidget* List;
    QTreeWidget* Tree;
    QTreeWidget* Empty;
    TMlTranslator* Translator;
};

namespace {

QStringList GridTexts(const QTableWidget* grid)
{
    QStringList texts;
    for (int c = 0; c < grid->columnCount(); ++c)
        texts << (grid->horizontalHeaderItem(c) ? grid->horizontalHeaderItem(c)->text() : QString());
    for (int r = 0; r < grid->rowCount(); ++r)
        texts << grid->verticalHeaderItem(r)->text();
    return texts << grid->item(0, 0)->text();
}

QStringList ViewTexts(const QTreeWidget* view)
{
    QStringList texts;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(view)); *it; ++it)
        for (int c = 0; c < (*it)->columnCount(); ++c)
            texts << (*it)->text(c);
    return texts;
}

}  // namespace

class ControlModuleTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        formats_ = std::make_unique<FormatSettingsScope>();
        SetUserDefaultLCID(0x0407);
        RegisterControlModule();
        dictionary_ = std::make_unique<TMlBinaryDictionary>();
        dictionary_->Storage = mlsEmbedded;
        dictionary_->SetData(ProgramLanguages(),
                             TranslationBlob({
                                 {"Name", "", "", {"Name", "Name"}},
                                 {"Wert", "", "", {"Wert", "Value"}},
                                 {"Rohr", "", "", {"Rohr", "Pipe"}},
                                 {"Medium", "", "", {"Medium", "Fluid"}},
                             }),
                             NoLocales());
        dictionary_->SetLanguage(1);
    }

    void cleanup()
    {
        dictionary_.reset();
        formats_.reset();
    }

    void oneModulePerClassInRegistrationOrder()
    {
        RegisterControlModule();
        TMlControlModule second;
        QVERIFY(!ModuleList().Add(&second));
        QCOMPARE(QLatin1String(ModuleList().At(0)->metaObject()->className()), QLatin1String("TMlControlModule"));
        TMlControlModule* first = qobject_cast<TMlControlModule*>(ModuleList().At(0));
        TContentsForm form;
        QVERIFY(first->TranslateComponent(*form.Translator, form.Grid));  // handled without a target
        QVERIFY(!first->TranslateComponent(*form.Translator, form.Translator));
    }

    void contentsTranslatedAndGivenBack_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("grid");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("tree");
        const QStringList nativeGrid = {"Name", "Wert", "", "Rohr", "Medium", "Rohr"};
        const QStringList nativeList = {"Medium", "Name", "Rohr", "Name", "Wert", "Name"};
        const QStringList nativeTree = {"Rohr", "Wert"};
        QTest::newRow("all") << "" << QStringList{"Name", "Value", "", "Pipe", "Fluid", "Rohr"}
                             << QStringList{"Fluid", "Name", "Pipe", "Name", "Value", "Name"} << QStringList{"Pipe", "Value"};
        QTest::newRow("grid cells") << "TStringGrid" << QStringList{"Name", "Value", "", "Pipe", "Fluid", "Rohr"} << nativeList
                                    << nativeTree;
        QTest::newRow("tree items") << "TTreeView" << nativeGrid << nativeList << QStringList{"Pipe", "Value"};
    }

    void contentsTranslatedAndGivenBack()
    {
        QFETCH(QString, target);
        QFETCH(QStringList, grid);
        QFETCH(QStringList, list);
        QFETCH(QStringList, tree);
        TContentsForm form;
        form.Translator->SetDictionary(dictionary_.get());
        if (target.isEmpty()) {
            form.Translator->Targets.Add({{}, QStringLiteral("Cells"), 0});
            form.Translator->Targets.Add({{}, QStringLiteral("Items"), 0});
        } else {
            form.Translator->Targets.Add({target, {}, 0});
        }
        form.Translator->Attach();
        const QStringList german = GridTexts(form.Grid) + ViewTexts(form.List) + ViewTexts(form.Tree);
        dictionary_->SetLanguage(2);
        QCOMPARE(GridTexts(form.Grid), grid);
        QCOMPARE(ViewTexts(form.List), list);  // the sorted view sorts once its texts are in
        QCOMPARE(ViewTexts(form.Tree), tree);
        QVERIFY(form.List->isSortingEnabled());
        QCOMPARE(form.Empty->topLevelItemCount(), 0);
        dictionary_->SetLanguage(1);
        QCOMPARE(GridTexts(form.Grid) + ViewTexts(form.List) + ViewTexts(form.Tree), german);
    }

    void mirroringWithinTheOwnPage()
    {
        QTabWidget tabs;
        tabs.resize(400, 300);
        auto* shown = new QWidget;
        auto* other = new QWidget;
        tabs.addTab(shown, QStringLiteral("a"));
        tabs.addTab(other, QStringLiteral("b"));
        other->setFixedSize(200, 100);  // not the page shown, and narrower
        auto* control = new QLabel(other);
        control->setGeometry(10, 5, 50, 20);
        TContentsForm form;
        TMlControlModule module;
        TMlBidirectionalState state;
        QVERIFY(module.MirrorPosition(*form.Translator, other, state));
        QVERIFY(!state.Mirrored);
        QVERIFY(module.MirrorPosition(*form.Translator, control, state));
        QVERIFY(state.Mirrored);
        QCOMPARE(control->x(), 200 - 50 - 10);
        QVERIFY(!module.MirrorPosition(*form.Translator, form.Grid, state));

        QStatusBar bar;
        QLabel* panels[3];
        const Qt::Alignment before[] = {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight, Qt::AlignHCenter};
        const Qt::Alignment after[] = {Qt::AlignRight | Qt::AlignVCenter, Qt::AlignLeft, Qt::AlignHCenter};
        for (int i = 0; i < 3; ++i) {
            panels[i] = new QLabel(QStringLiteral("p"));
            panels[i]->setAlignment(before[i]);
            bar.addWidget(panels[i]);
        }
        QVERIFY(module.MirrorContents(*form.Translator, &bar));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(panels[i]->alignment(), after[i]);
        QVERIFY(!module.MirrorContents(*form.Translator, form.Grid));
    }

private:
    std::unique_ptr<FormatSettingsScope> formats_;
    std::unique_ptr<TMlBinaryDictionary> dictionary_;
};

QTEST_MAIN(ControlModuleTest)
#include "ControlModuleTest.moc"
