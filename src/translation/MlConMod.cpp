#include "translation/MlConMod.h"

#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

const QString kCells = QStringLiteral("Cells");
const QString kItems = QStringLiteral("Items");
const QString kCaption = QStringLiteral("Caption");

// An item's key in the table of originals: items move when a view sorts, so the key is
// the item itself.
QString ItemKey(const QString& property, const void* item, int column)
{
    return property + QLatin1Char('#') + QString::number(reinterpret_cast<quintptr>(item), 16) + QLatin1Char(',') +
           QString::number(column);
}

void TranslateItemText(TMlTranslator& t, QTreeWidget* view, QTreeWidgetItem* item, int column, const QString& property)
{
    const QString value = item->text(column);
    if (value.isEmpty())
        return;
    const QString result = t.TranslateProperty(view, view->objectName(), value, ItemKey(property, item, column));
    if (result != value)
        item->setText(column, result);
}

// The fixed cells of the grid: the header items, every row's first, then every column's.
void TranslateGrid(TMlTranslator& t, QTableWidget* grid)
{
    auto cell = [&](QTableWidgetItem* item, const QString& key) {
        if (!item || item->text().isEmpty())
            return;
        const QString result = t.TranslateProperty(grid, grid->objectName(), item->text(), key);
        if (result != item->text())
            item->setText(result);
    };
    for (int row = 0; row < grid->rowCount(); ++row)
        cell(grid->verticalHeaderItem(row), kCells + QStringLiteral("#row%1").arg(row));
    for (int col = 0; col < grid->columnCount(); ++col)
        cell(grid->horizontalHeaderItem(col), kCells + QStringLiteral("#col%1").arg(col));
}

// While the texts change, a sorted view must not re-sort; its sorting comes back after.
template <class Step>
void Unsorted(QTreeWidget* view, Step step)
{
    const bool sorted = view->isSortingEnabled();
    view->setSortingEnabled(false);
    step();
    view->setSortingEnabled(sorted);
    view->viewport()->update();
}

void TranslateListView(TMlTranslator& t, QTreeWidget* view)
{
    Unsorted(view, [&] {
        for (int i = 0; i < view->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = view->topLevelItem(i);
            TranslateItemText(t, view, item, 0, kCaption);
            for (int column = 1; column < item->columnCount(); ++column)
                TranslateItemText(t, view, item, column, kItems);
        }
    });
}

void TranslateNodes(TMlTranslator& t, QTreeWidget* view, QTreeWidgetItem* node)
{
    TranslateItemText(t, view, node, 0, kItems);
    for (int i = 0; i < node->childCount(); ++i)
        TranslateNodes(t, view, node->child(i));
}

// The tab page a control sits on directly, or nullptr.
QWidget* TabPageOf(const QWidget* control)
{
    QWidget* page = control->parentWidget();
    const QWidget* stack = page ? page->parentWidget() : nullptr;
    return stack && qobject_cast<const QStackedWidget*>(stack) && qobject_cast<const QTabWidget*>(stack->parentWidget()) ? page
                                                                                                                           : nullptr;
}

bool IsTabPage(const QWidget* control)
{
    const QWidget* stack = control->parentWidget();
    return stack && qobject_cast<const QStackedWidget*>(stack) && qobject_cast<const QTabWidget*>(stack->parentWidget());
}

}  // namespace

bool TMlControlModule::TranslateComponent(TMlTranslator& t, QObject* component)
{
    if (auto* grid = qobject_cast<QTableWidget*>(component)) {
        if (t.Targeted(QStringLiteral("TStringGrid"), kCells))
            TranslateGrid(t, grid);
        return true;
    }
    auto* view = qobject_cast<QTreeWidget*>(component);
    if (!view)
        return false;
    if (!view->rootIsDecorated()) {
        if (t.Targeted(QStringLiteral("TListView"), kItems))
            TranslateListView(t, view);
        return true;
    }
    if (t.Targeted(QStringLiteral("TTreeView"), kItems) && view->topLevelItemCount() > 0)
        Unsorted(view, [&] {
            for (int i = 0; i < view->topLevelItemCount(); ++i)
                TranslateNodes(t, view, view->topLevelItem(i));
        });
    return true;
}

bool TMlControlModule::MirrorPosition(TMlTranslator&, QWidget* control, TMlBidirectionalState& state)
{
    if (IsTabPage(control))
        return true;  // the tab widget places its pages
    const QWidget* page = TabPageOf(control);
    if (!page)
        return false;
    // Mirrored within the control's own page, which need not be the page shown.
    state.Mirrored = true;
    control->move(page->width() - control->width() - control->x(), control->y());
    return true;
}

bool TMlControlModule::MirrorContents(TMlTranslator&, QWidget* control)
{
    auto* bar = qobject_cast<QStatusBar*>(control);
    if (!bar)
        return false;
    for (QLabel* panel : bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        const Qt::Alignment horizontal = panel->alignment() & Qt::AlignHorizontal_Mask;
        const Qt::Alignment rest = panel->alignment() & ~Qt::AlignHorizontal_Mask;
        if (horizontal & (Qt::AlignLeft | Qt::AlignLeading))
            panel->setAlignment(rest | Qt::AlignRight);
        else if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
            panel->setAlignment(rest | Qt::AlignLeft);
    }
    return true;
}

void RegisterControlModule()
{
    static TMlControlModule* module = new TMlControlModule();
    ModuleList().Add(module);
}
