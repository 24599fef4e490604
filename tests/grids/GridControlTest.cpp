// Counts, fixed counts, extents, moves, the update bracket and the string grid's storage and
// views, driven through the grid control.

#include "GridProbe.h"

#include "grids/GridPlatform.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

// The update bracket is closed: input, the cursor and the window lock are back.
static bool BracketClosed(const ProbeGrid& g)
{
    return !g.NowUpdating() && g.Enabled() && ScreenCursor() == crDefault && LockedWindow() == nullptr;
}

class GridControlTest : public QObject {
    Q_OBJECT

private slots:
    void countRulesLowerTheFixedCounts();
    void refusedOperationsNameTheFaultAndChangeNothing();
    void extentWritesAndDefaults();
    void moveColumnCarriesTextsObjectsWidthsAndCurrentCell();
    void moveAndDeleteRows();
    void adjustSizeInsertsAndRemoves();
    void bracketAppliesCountsOnceWithTheOldCounts();
    void bracketDisablesButKeepsTheFocus();
    void bracketCursorAndNesting();
    void bracketGuardClosesOnException();
    void movesInsideABracketGrowTheExtents();
    void cellsNeverWrittenAllocateNothing();
    void rowAndColumnViews();
    void viewClearAndAssign();
    void quantumChoiceNeverChangesValues();
};

void GridControlTest::countRulesLowerTheFixedCounts()
{
    ProbeGrid g;
    g.SetColCount(0);
    QCOMPARE(QList<int>({g.ColCount(), g.FixedCols()}), QList<int>({1, 0}));
    g.SetFixedRows(3);
    g.SetRowCount(3);  // equal to the fixed count: fixed rows become 2 first
    QCOMPARE(QList<int>({g.RowCount(), g.FixedRows()}), QList<int>({3, 2}));
    g.SetRowCount(-5);
    QCOMPARE(QList<int>({g.RowCount(), g.FixedRows()}), QList<int>({1, 0}));
}

void GridControlTest::refusedOperationsNameTheFaultAndChangeNothing()
{
    ProbeGrid g;
    g.SetCells(1, 4, QStringLiteral("last"));
    const QString index = QStringLiteral("Gitterindex außerhalb des zulässigen Bereichs");
    const QString views = QStringLiteral("Es können keine Zeilen des Tabellengitters gelöscht oder eingefügt werden");
    const struct {
        const char* name;
        std::function<void()> operation;
        QString message;
    } cases[] = {
        {"fixed cols", [&] { g.SetFixedCols(5); }, QStringLiteral("Die Anzahl fester Spalten muß kleiner sein als die Spaltenanzahl")},
        {"fixed rows", [&] { g.SetFixedRows(5); }, QStringLiteral("Die Anzahl fester Zeilen muß kleiner sein als die Zeilenanzahl")},
        {"negative fixed cols", [&] { g.SetFixedCols(-1); }, index},
        {"column width", [&] { g.SetColWidths(5, 10); }, index},
        {"row height", [&] { g.SetRowHeights(-1, 10); }, index},
        {"delete row", [&] { g.DeleteRow(5); }, index},
        {"delete row -1", [&] { g.DeleteRow(-1); }, index},
        {"delete column", [&] { g.DeleteColumn(5); }, index},
        {"move row", [&] { g.MoveRow(0, 5); }, index},
        {"move column", [&] { g.MoveColumn(-1, 2); }, index},
        {"col", [&] { g.SetCol(5); }, index},
        {"row", [&] { g.SetRow(-1); }, index},
        {"row view insert", [&] { g.Rows(1).Insert(0, QStringLiteral("x")); }, views},
        {"column view delete", [&] { g.Cols(1).Delete(1); }, views},
    };
    for (const auto& c : cases) {
        const QString got = ErrorOf(c.operation);
        QVERIFY2(got == c.message, qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(c.name), got)));
    }
    // Negative cell indices reach the storage, which names the index.
    QCOMPARE(ErrorOf<EListError>([&] { g.SetCells(-1, 0, QStringLiteral("x")); }), ListErrorText(-1));
    QCOMPARE(ErrorOf<EListError>([&] { g.Cells(0, -3); }), ListErrorText(-3));
    QCOMPARE(ErrorOf<EListError>([&] { g.Rows(-2); }), ListErrorText(-2));
    QCOMPARE(QList<int>({g.ColCount(), g.RowCount(), g.FixedCols(), g.FixedRows(), g.Col(), g.Row()}),
             QList<int>({5, 5, 1, 1, 1, 1}));
    QCOMPARE(g.Cells(1, 4), QStringLiteral("last"));
    QVERIFY(!g.HasRowHeights() && !g.HasColWidths());
    QVERIFY(g.sizeChanges.empty());

    // A new fixed count puts current cell and top-left on the first non-fixed cell.
    g.SetCol(3);
    g.SetFixedCols(2);
    QCOMPARE(g.Col(), 2);
    QCOMPARE(g.LeftCol(), 2);
}

void GridControlTest::extentWritesAndDefaults()
{
    ProbeGrid g;
    QCOMPARE(g.ColWidths(7), 64);  // beyond the count: the default
    g.SetColWidths(2, 30);
    QCOMPARE(g.ColWidths(2), 30);
    QCOMPARE(g.ColWidths(3), 64);

    // A new default width resets every column that had its own.
    g.SetDefaultColWidth(40);
    QCOMPARE(g.ColWidths(2), 40);
    QVERIFY(!g.HasColWidths());

    // A count change keeps the entries and gives new columns the default.
    g.SetColWidths(1, 11);
    g.SetColCount(8);
    QCOMPARE(g.ColWidths(1), 11);
    QCOMPARE(g.ColWidths(7), 40);

    // Only width changes notify: not the options or the line width.
    g.widthChanges = 0;
    g.SetOptions(g.Options() | goColSizing);
    g.SetGridLineWidth(2);
    QCOMPARE(g.widthChanges, 0);
    g.SetColWidths(7, 13);
    QCOMPARE(QList<int>({g.widthChanges, g.ColWidths(7)}), QList<int>({1, 13}));
}

void GridControlTest::moveColumnCarriesTextsObjectsWidthsAndCurrentCell()
{
    ProbeGrid g;
    int obj = 0;
    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 1, QString(QChar('A' + c)));
    g.SetObjects(1, 2, &obj);
    g.SetColWidths(1, 21);
    g.SetTabStops(1, false);
    g.SetCol(1);
    std::vector<std::pair<int, int>> moved;
    g.OnColumnMoved = [&](QObject*, int from, int to) { moved.emplace_back(from, to); };

    g.MoveColumn(1, 3);
    QCOMPARE(g.Rows(1).ToStringList(), (QStringList{"A", "C", "D", "B", "E"}));
    QCOMPARE(g.Objects(3, 2), static_cast<TGridObject>(&obj));
    QCOMPARE(g.Objects(1, 2), static_cast<TGridObject>(nullptr));
    QCOMPARE(g.ColWidths(3), 21);
    QCOMPARE(g.ColWidths(1), 64);
    QVERIFY(!g.TabStops(3));
    QVERIFY(g.TabStops(1));
    QCOMPARE(g.Col(), 3);  // the current column follows its column
    QCOMPARE(moved.size(), size_t(1));
    QCOMPARE(moved[0], std::make_pair(1, 3));

    // A column in between shifts by one.
    g.SetCol(2);
    g.MoveColumn(4, 1);
    QCOMPARE(g.Rows(1).ToStringList(), (QStringList{"A", "E", "C", "D", "B"}));
    QCOMPARE(g.Col(), 3);
}

void GridControlTest::moveAndDeleteRows()
{
    ProbeGrid g;
    int obj = 0;
    for (int r = 0; r < 5; ++r)
        g.SetCells(1, r, QString::number(r));
    g.SetObjects(2, 1, &obj);
    g.SetRowHeights(1, 30);
    g.SetRow(1);
    g.MoveRow(1, 4);
    QCOMPARE(g.Cols(1).ToStringList(), (QStringList{"0", "2", "3", "4", "1"}));
    QCOMPARE(g.Objects(2, 4), static_cast<TGridObject>(&obj));
    QCOMPARE(QList<int>({g.RowHeights(4), g.RowHeights(1), g.Row()}), QList<int>({30, 24, 4}));
    g.DeleteRow(2);
    QCOMPARE(g.Cols(1).ToStringList(), (QStringList{"0", "2", "4", "1"}));
    g.DeleteColumn(1);
    QCOMPARE(g.Cells(1, 0), QString());
    QCOMPARE(g.newCounts, (std::vector<std::pair<int, int>>{{5, 4}, {4, 4}}));
    QCOMPARE(g.sizeChanges, (std::vector<std::pair<int, int>>{{5, 5}, {5, 4}}));
}

void GridControlTest::adjustSizeInsertsAndRemoves()
{
    ProbeGrid g;
    g.SetRowHeights(3, 33);
    g.SetRow(3);
    g.AdjustSize(1, 2, true);
    QCOMPARE(g.RowCount(), 7);
    QCOMPARE(g.RowHeights(5), 33);
    QCOMPARE(g.Row(), 5);
    g.AdjustSize(4, -2, true);  // the current row lies in the removed range: it moves to 4
    QCOMPARE(g.RowCount(), 5);
    QCOMPARE(g.Row(), 4);
    QCOMPARE(ErrorOf([&] { g.AdjustSize(3, -3, true); }), QStringLiteral("Zu viele Zeilen oder Spalten gelöscht"));
    QCOMPARE(g.RowCount(), 5);
    // A range ending at the last row, the current row in it: the current row stays inside.
    g.SetRowHeights(2, 22);
    g.SetRow(4);
    g.AdjustSize(3, -2, true);
    QCOMPARE(g.RowCount(), 3);
    QCOMPARE(g.Row(), 2);
    QCOMPARE(g.RowHeights(2), 22);
}

void GridControlTest::bracketAppliesCountsOnceWithTheOldCounts()
{
    ProbeGrid g;
    g.SetRowHeights(2, 40);
    g.SetRow(4);
    g.BeginUpdate();
    QVERIFY(g.NowUpdating());
    g.SetRowCount(100);
    g.SetColCount(3);
    // Only recorded: arrays, current cell and size notifications wait for EndUpdate.
    QCOMPARE(g.RowCount(), 100);
    QCOMPARE(g.ColCount(), 3);
    QVERIFY(g.sizeChanges.empty());
    QCOMPARE(g.Row(), 4);
    g.EndUpdate();
    QVERIFY(!g.NowUpdating());
    QCOMPARE(g.sizeChanges.size(), size_t(1));
    // The counts from before the bracket are reported as the old ones.
    QCOMPARE(g.sizeChanges[0], std::make_pair(5, 5));
    QCOMPARE(g.newCounts[0], std::make_pair(3, 100));
    QCOMPARE(g.RowHeights(2), 40);
    QCOMPARE(g.RowHeights(99), 24);

    // A nested bracket keeps the counts of the outermost one.
    g.sizeChanges.clear();
    g.BeginUpdate();
    g.SetRowCount(10);
    g.BeginUpdate();
    g.SetRowCount(20);
    g.EndUpdate();
    QCOMPARE(g.sizeChanges.back(), std::make_pair(3, 100));
}

void GridControlTest::bracketDisablesButKeepsTheFocus()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* other = new QLineEdit(&window);
    auto* grid = new ProbeGrid(&window);
    layout->addWidget(other);
    layout->addWidget(grid);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    grid->setFocus();
    QApplication::processEvents();
    QCOMPARE(window.focusWidget(), static_cast<QWidget*>(grid));
    int otherFocusIns = 0;
    QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) {
        if (now == other)
            ++otherFocusIns;
    });

    grid->SetRowCount(50);
    QCOMPARE(grid->verticalScrollBar()->maximum(), 127);
    grid->BeginUpdate();
    QVERIFY(!grid->Enabled());
    QApplication::processEvents();
    QCOMPARE(window.focusWidget(), static_cast<QWidget*>(grid));
    // No input while disabled: keys, the mouse on the cells and the scroll bars do nothing.
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 3).center());
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(grid->Row(), 1);
    QCOMPARE(grid->Col(), 1);
    QCOMPARE(grid->TopRow(), 1);
    grid->EndUpdate();
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
    QVERIFY(grid->Enabled());
    QCOMPARE(window.focusWidget(), static_cast<QWidget*>(grid));
    QCOMPARE(otherFocusIns, 0);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(grid->Row(), 2);

    // An open editor keeps the focus too, and takes no input meanwhile.
    grid->SetOptions(grid->Options() | goEditing);
    QTest::keyClick(grid, Qt::Key_F2);
    QWidget* editor = grid->InplaceEditor();
    QVERIFY(editor != nullptr);
    QCOMPARE(window.focusWidget(), editor);
    {
        TGridUpdateGuard guard(*grid);
        QTest::keyClicks(editor, QStringLiteral("zz"));
        QCOMPARE(window.focusWidget(), editor);
    }
    QCOMPARE(grid->Cells(1, 2), QString());
    QCOMPARE(window.focusWidget(), editor);
    QCOMPARE(otherFocusIns, 0);
}

void GridControlTest::bracketCursorAndNesting()
{
    ProbeGrid g;
    int begun = 0;
    g.OnBeginUpdate = [&](QObject* sender) {
        QCOMPARE(sender, static_cast<QObject*>(&g));
        ++begun;
    };
    SetScreenCursor(crHSplit);
    g.BeginUpdate();
    QCOMPARE(ScreenCursor(), crHourGlass);
    QCOMPARE(LockedWindow(), static_cast<QWidget*>(&g));
    g.BeginUpdate();
    QCOMPARE(begun, 2);
    g.EndUpdate();  // the inner end closes the bracket, with the default cursor, not the one before
    QVERIFY(BracketClosed(g));
    g.EndUpdate();
    QVERIFY(!g.NowUpdating());
}

void GridControlTest::bracketGuardClosesOnException()
{
    ProbeGrid g;
    try {
        TGridUpdateGuard guard(g);
        g.SetRowCount(50);
        g.MoveRow(7, 99);  // raises
        QFAIL("no exception");
    } catch (const EInvalidGridOperation&) {
    }
    QVERIFY(BracketClosed(g));
    QCOMPARE(g.sizeChanges.size(), size_t(1));

    // A failing EndUpdate (an extent array that cannot grow) still opens the control
    // again, keeps the old counts and passes the failure on.
    g.SetColWidths(1, 5);
    g.BeginUpdate();
    g.SetColCount(TGridExtents::MaxCount);
    QCOMPARE(ErrorOf([&] { g.EndUpdate(); }), QStringLiteral("Gitter zu groß für Operation"));
    QCOMPARE(g.ColCount(), 5);
    QCOMPARE(g.ColWidths(1), 5);
    QVERIFY(BracketClosed(g));
}

void GridControlTest::movesInsideABracketGrowTheExtents()
{
    ProbeGrid g;
    g.SetColWidths(1, 17);
    g.SetRowHeights(1, 19);
    {
        TGridUpdateGuard guard(g);
        g.SetColCount(20);
        g.SetRowCount(30);
        g.MoveColumn(1, 18);  // beyond the array's 5 entries
        g.MoveRow(1, 28);
        g.SetColWidths(19, 3);
    }
    QCOMPARE(g.ColWidths(18), 17);
    QCOMPARE(g.ColWidths(19), 3);
    QCOMPARE(g.ColWidths(1), 64);
    QCOMPARE(g.RowHeights(28), 19);
    QCOMPARE(g.RowHeights(29), 24);
}

void GridControlTest::cellsNeverWrittenAllocateNothing()
{
    ProbeGrid g;
    QCOMPARE(g.Cells(3, 3), QString());
    QCOMPARE(g.Objects(3, 3), static_cast<TGridObject>(nullptr));
    g.SetCells(4, 4, QString());
    QCOMPARE(g.StoredRowCount(), 0);
    QVERIFY(g.RowList(3) == nullptr);
}

void GridControlTest::rowAndColumnViews()
{
    ProbeGrid g;
    TMyStringGridStrings& row = g.Rows(2);
    QCOMPARE(row.Count(), 5);
    QCOMPARE(g.Cols(1).Count(), 5);
    // An empty text on an empty row becomes a blank in column 0.
    QCOMPARE(row.Add(QString()), 0);
    QCOMPARE(g.Cells(0, 2), QStringLiteral(" "));
    QCOMPARE(row.Add(QStringLiteral("b")), 1);
    g.SetCells(3, 2, QStringLiteral("d"));
    QCOMPARE(row.Add(QStringLiteral("c")), 2);
    QCOMPARE(row.Add(QStringLiteral("e")), 4);
    // Full: -1 and nothing changes.
    QCOMPARE(row.Add(QStringLiteral("f")), -1);
    QCOMPARE(row.ToStringList(), (QStringList{" ", "b", "c", "d", "e"}));

    TMyStringGridStrings& col = g.Cols(3);
    QCOMPARE(col.Get(2), QStringLiteral("d"));
    col.Put(4, QStringLiteral("z"));
    QCOMPARE(g.Cells(3, 4), QStringLiteral("z"));
    int obj = 0;
    col.PutObject(0, &obj);
    QCOMPARE(g.Objects(3, 0), static_cast<TGridObject>(&obj));
    QCOMPARE(&g.Rows(2), &row);  // one view per row, created once
}

void GridControlTest::viewClearAndAssign()
{
    ProbeGrid g;
    int obj = 0;
    for (int c = 0; c < 5; ++c)
        g.SetCells(c, 1, QStringLiteral("r%1").arg(c));
    g.SetObjects(2, 1, &obj);
    g.SetCells(2, 3, QStringLiteral("other row"));
    g.Rows(1).Clear();
    QCOMPARE(g.Rows(1).ToStringList(), (QStringList{"", "", "", "", ""}));
    QCOMPARE(g.Objects(2, 1), static_cast<TGridObject>(nullptr));
    QCOMPARE(g.RowList(1)->ItemCount(), 0);
    QCOMPARE(g.Cells(2, 3), QStringLiteral("other row"));

    g.Cols(2).Clear();
    QCOMPARE(g.Cells(2, 3), QString());

    // Assign copies position by position up to the smaller count, objects included.
    TStringSparseList source(SPASmall);
    source.Put(0, QStringLiteral("a"));
    source.Put(1, QStringLiteral("b"));
    source.PutObject(1, &obj);
    source.Put(7, QStringLiteral("beyond"));
    g.Cols(4).Assign(source);
    QCOMPARE(g.Cols(4).ToStringList(), (QStringList{"a", "b", "", "", ""}));
    QCOMPARE(g.Objects(4, 1), static_cast<TGridObject>(&obj));
    QCOMPARE(g.Cells(4, 7), QString());
}

void GridControlTest::quantumChoiceNeverChangesValues()
{
    ProbeGrid g;
    g.SetRowCount(300);
    g.SetColCount(600);  // rows created from now on use the large quantum
    g.SetCells(599, 299, QStringLiteral("corner"));
    QCOMPARE(g.RowList(299)->Quantum(), SPALarge);
    g.SetRowCount(10);
    g.SetColCount(3);
    g.SetCells(2, 5, QStringLiteral("small"));
    QCOMPARE(g.RowList(5)->Quantum(), SPASmall);
    QCOMPARE(g.Cells(599, 299), QStringLiteral("corner"));
    QCOMPARE(g.Cells(2, 5), QStringLiteral("small"));
}

QTEST_MAIN(GridControlTest)
#include "GridControlTest.moc"
