// Counts, fixed counts, extents, moves, the update bracket and the string grid's storage and
// views, driven through the grid control.

#include "GridProbe.h"

#include "grids/GridPlatform.h"

#include <QCursor>
#include <QGuiApplication>


using Pairs = std::vector<std::pair<int, int>>;

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
    void movesCarryTextsObjectsExtentsAndTheCurrentCell();
    void bracketAppliesCountsOnceWithTheOldCounts();
    void bracketCursorNestingAndFailures();
    void rowAndColumnViews();
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
        {"delete row", [&] { g.DeleteRow(5); }, index},
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
    QVERIFY(g.Cells(1, 4) == QStringLiteral("last") && !g.HasRowHeights() && !g.HasColWidths() && g.sizeChanges.empty());

    // A new fixed count puts current cell and top-left on the first non-fixed cell.
    g.SetCol(3);
    g.SetFixedCols(2);
    QCOMPARE(QList<int>({g.Col(), g.LeftCol()}), QList<int>({2, 2}));
}

void GridControlTest::extentWritesAndDefaults()
{
    ProbeGrid g;
    g.SetColWidths(2, 30);
    g.SetDefaultColWidth(40);  // resets every column that had its own width
    g.SetColCount(8);
    QVERIFY(!g.HasColWidths() && g.ColWidths(2) == 40 && g.ColWidths(9) == 40);
    // Only width changes notify: not the options or the line width.
    g.widthChanges = 0;
    g.SetOptions(g.Options() | goColSizing);
    g.SetGridLineWidth(2);
    g.SetColWidths(7, 13);
    QCOMPARE(QList<int>({g.widthChanges, g.ColWidths(7)}), QList<int>({1, 13}));
}

void GridControlTest::movesCarryTextsObjectsExtentsAndTheCurrentCell()
{
    ProbeGrid g;
    int obj = 0;
    for (int i = 0; i < 5; ++i)
        g.SetCells(i, 1, QString(QChar('A' + i)));
    g.SetObjects(1, 2, &obj);
    g.SetColWidths(1, 21);
    g.SetTabStops(1, false);
    g.SetCol(1);
    Pairs moved;
    g.OnColumnMoved = [&](QObject*, int from, int to) { moved.emplace_back(from, to); };
    g.MoveColumn(1, 3);
    QCOMPARE(g.Rows(1).ToStringList(), (QStringList{"A", "C", "D", "B", "E"}));
    QCOMPARE(QList<TGridObject>({g.Objects(3, 2), g.Objects(1, 2)}), QList<TGridObject>({&obj, nullptr}));
    QCOMPARE(QList<int>({g.ColWidths(3), g.ColWidths(1), g.TabStops(3), g.TabStops(1)}), QList<int>({21, 64, 0, 1}));
    QVERIFY(g.Col() == 3 && moved == (Pairs{{1, 3}}));  // the current column follows its column
    g.SetCol(2);
    g.MoveColumn(4, 1);  // a column in between shifts by one
    QCOMPARE(g.Rows(1).ToStringList(), (QStringList{"A", "E", "C", "D", "B"}));
    QCOMPARE(g.Col(), 3);

    // Rows alike; deletes report the counts seen inside SizeChanged and the old ones.
    ProbeGrid r;
    for (int i = 0; i < 5; ++i)
        r.SetCells(1, i, QString::number(i));
    r.SetObjects(2, 1, &obj);
    r.SetRowHeights(1, 30);
    r.SetRow(1);
    r.MoveRow(1, 4);
    QCOMPARE(r.Cols(1).ToStringList(), (QStringList{"0", "2", "3", "4", "1"}));
    QVERIFY(r.Objects(2, 4) == &obj && QList<int>({r.RowHeights(4), r.RowHeights(1), r.Row()}) == QList<int>({30, 24, 4}));
    r.DeleteRow(2);
    r.DeleteColumn(1);
    QCOMPARE(r.Cols(1).ToStringList(), (QStringList{"", "", "", ""}));
    QVERIFY(r.newCounts == (Pairs{{5, 4}, {4, 4}}) && r.sizeChanges == (Pairs{{5, 5}, {5, 4}}));

    // Rows inserted and removed at an index take their heights and the current row along.
    ProbeGrid a;
    a.SetRowHeights(3, 33);
    a.SetRow(3);
    a.AdjustSize(1, 2, true);
    QCOMPARE(QList<int>({a.RowCount(), a.RowHeights(5), a.Row()}), QList<int>({7, 33, 5}));
    a.AdjustSize(4, -2, true);  // the current row lies in the removed range: it moves to 4
    QCOMPARE(QList<int>({a.RowCount(), a.Row()}), QList<int>({5, 4}));
    QCOMPARE(ErrorOf([&] { a.AdjustSize(3, -3, true); }), QStringLiteral("Zu viele Zeilen oder Spalten gelöscht"));
    a.SetRowHeights(2, 22);
    a.SetRow(4);
    a.AdjustSize(3, -2, true);  // ending at the last row, the current row in it: it stays inside
    QCOMPARE(QList<int>({a.RowCount(), a.Row(), a.RowHeights(2)}), QList<int>({3, 2, 22}));
}

void GridControlTest::bracketAppliesCountsOnceWithTheOldCounts()
{
    ProbeGrid g;
    g.SetRowHeights(2, 40);
    g.SetRow(4);
    g.BeginUpdate();
    g.SetRowCount(100);
    g.SetColCount(3);
    // Only recorded: arrays, current cell and size notifications wait for EndUpdate.
    QCOMPARE(QList<int>({g.RowCount(), g.ColCount(), g.Row()}), QList<int>({100, 3, 4}));
    QVERIFY(g.NowUpdating() && g.sizeChanges.empty());
    g.EndUpdate();
    QVERIFY(!g.NowUpdating());
    QVERIFY(g.sizeChanges == (Pairs{{5, 5}}) && g.newCounts == (Pairs{{3, 100}}));  // old: from before it
    QCOMPARE(QList<int>({g.RowHeights(2), g.RowHeights(99)}), QList<int>({40, 24}));

    // A nested bracket keeps the counts of the outermost one.
    g.BeginUpdate();
    g.SetRowCount(10);
    g.BeginUpdate();
    g.SetRowCount(20);
    g.EndUpdate();
    QCOMPARE(g.sizeChanges.back(), std::make_pair(3, 100));

    // Moves inside a bracket grow the extents to the pending counts.
    ProbeGrid m;
    m.SetColWidths(1, 17);
    m.SetRowHeights(1, 19);
    {
        TGridUpdateGuard guard(m);
        m.SetColCount(20);
        m.SetRowCount(30);
        m.MoveColumn(1, 18);  // beyond the array's 5 entries
        m.MoveRow(1, 28);
        m.SetColWidths(19, 3);
    }
    QCOMPARE(QList<int>({m.ColWidths(18), m.ColWidths(19), m.ColWidths(1), m.RowHeights(28), m.RowHeights(29)}),
             QList<int>({17, 3, 64, 19, 24}));
}

void GridControlTest::bracketCursorNestingAndFailures()
{
    ProbeGrid g;
    int begun = 0;
    g.OnBeginUpdate = [&](QObject* sender) { begun += sender == &g ? 1 : 100; };
    SetScreenCursor(crHSplit);
    g.BeginUpdate();
    QVERIFY(ScreenCursor() == crHourGlass && LockedWindow() == &g);
    g.BeginUpdate();
    g.EndUpdate();  // the inner end closes the bracket, with the default cursor, not the one before
    QVERIFY(begun == 2 && BracketClosed(g));
    g.EndUpdate();
    // Also when the cursor before was set for the whole application by someone else.
    QGuiApplication::setOverrideCursor(Qt::PointingHandCursor);
    g.BeginUpdate();
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    g.EndUpdate();
    QVERIFY(QGuiApplication::overrideCursor() == nullptr && BracketClosed(g));

    // The guard closes the bracket when an exception passes.
    g.sizeChanges.clear();
    try {
        TGridUpdateGuard guard(g);
        g.SetRowCount(50);
        g.MoveRow(7, 99);
        QFAIL("no exception");
    } catch (const EInvalidGridOperation&) {
    }
    QVERIFY(BracketClosed(g) && g.sizeChanges.size() == 1);
    // A failing EndUpdate (an extent array that cannot grow) still opens the control
    // again, keeps the old counts and passes the failure on.
    g.SetColWidths(1, 5);
    g.BeginUpdate();
    g.SetColCount(TGridExtents::MaxCount);
    QCOMPARE(ErrorOf([&] { g.EndUpdate(); }), QStringLiteral("Gitter zu groß für Operation"));
    QCOMPARE(QList<int>({g.ColCount(), g.ColWidths(1)}), QList<int>({5, 5}));
    QVERIFY(BracketClosed(g));
}

void GridControlTest::rowAndColumnViews()
{
    ProbeGrid g;
    QCOMPARE(g.Objects(3, 3), static_cast<TGridObject>(nullptr));
    g.SetCells(4, 4, QString());
    QCOMPARE(g.StoredRowCount(), 0);  // nothing read or emptied is stored
    TMyStringGridStrings& row = g.Rows(2);
    QCOMPARE(QList<int>({row.Count(), g.Cols(1).Count()}), QList<int>({5, 5}));
    QCOMPARE(&g.Rows(2), &row);  // one view per row, created once
    // Add fills the first empty place (an empty text as a blank); full: -1, nothing changes.
    g.SetCells(3, 2, QStringLiteral("d"));
    QList<int> places;
    for (const char* text : {"", "b", "c", "e", "f"})
        places << row.Add(QString::fromLatin1(text));
    QCOMPARE(places, QList<int>({0, 1, 2, 4, -1}));
    QCOMPARE(row.ToStringList(), (QStringList{" ", "b", "c", "d", "e"}));

    int obj = 0;
    TMyStringGridStrings& col = g.Cols(3);
    col.Put(4, QStringLiteral("z"));
    col.PutObject(0, &obj);
    QCOMPARE(QList<QString>({col.Get(2), g.Cells(3, 4)}), QList<QString>({"d", "z"}));
    QCOMPARE(g.Objects(3, 0), static_cast<TGridObject>(&obj));
    // Clearing a row view empties its cells and objects only; a column view its column.
    g.SetObjects(2, 2, &obj);
    g.SetCells(2, 3, QStringLiteral("other row"));
    g.Rows(2).Clear();
    QCOMPARE(QList<int>({g.RowList(2)->ItemCount(), static_cast<int>(g.Cells(2, 3).size())}), QList<int>({0, 9}));
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
    QVERIFY(g.Objects(4, 1) == &obj && g.Cells(4, 7).isEmpty());

    // Rows first stored while the grid is wide take the large quantum; no value changes.
    ProbeGrid q;
    q.SetColCount(600);
    q.SetCells(599, 3, QStringLiteral("corner"));
    q.SetColCount(5);
    q.SetCells(2, 4, QStringLiteral("small"));
    QCOMPARE(QList<TSPAQuantum>({q.RowList(3)->Quantum(), q.RowList(4)->Quantum()}),
             QList<TSPAQuantum>({SPALarge, SPASmall}));
    QCOMPARE(QList<QString>({q.Cells(599, 3), q.Cells(2, 4)}), QList<QString>({"corner", "small"}));
}

QTEST_MAIN(GridControlTest)
#include "GridControlTest.moc"
