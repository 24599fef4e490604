// The sort grid: sorting through the control, filtering, row and column operations, cell
// formats in drawing, check and combo cells, editing validation and the modified flag.

#include "grids/GridPlatform.h"
#include "grids/SortGrid.h"

#include "platform/FormatSettings.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <algorithm>

namespace {

// Data rows from a table; row 0 holds the titles "A", "B", ...
void Fill(TSortGrid& g, const QList<QStringList>& rows)
{
    g.SetColCount(static_cast<int>(rows.value(0).size()));
    g.SetRowCount(static_cast<int>(rows.size()) + 1);
    for (int c = 0; c < g.ColCount(); ++c)
        g.SetCells(c, 0, QString(QChar('A' + c)));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            g.SetCells(c, r + 1, rows[r][c]);
}

QStringList Column(const TSortGrid& g, int col)
{
    QStringList texts;
    for (int r = 1; r < g.RowCount(); ++r)
        texts << g.Cells(col, r);
    return texts;
}

QPoint CellCenter(const TSortGrid& g, int col, int row)
{
    return g.CellRect(col, row).center();
}

}  // namespace

class SortGridTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sortsByKeysAndCarriesSelectionAndObjects();
    void automaticStyleIsPerKeyAndNeverStored();
    void datesWithoutAYearTakeTheClocksYear();
    void titleRowStaysFixed();
    void customStyleAndSortStyleHandler();
    void titleClicksChooseTheDirection();
    void filterRoundTripLosesNothing();
    void filterEdgeCases();
    void rowAndColumnOperations();
    void deletedRowsNeverComeBack();
    void farCellsCostOnlyTheirSections();
    void clearGridAndSizeChanges();
    void checkAndComboCells();
    void editValidation();
    void multiSelectTypingAndExtendedKeys();
    void autoSizeAndStretch();
    void nestedBracketKeepsTheSavedOption();
    void drawingUsesTheCellFormat();
    void wideTitlesEndInTwoDots();

private:
    int messages_ = 0;
    FormatSettingsScope settings_{TFormatSettings{}};
};

void SortGridTest::initTestCase()
{
    SetMessageHook([this](const MessageRequest&) {
        ++messages_;
        return true;
    });
}

void SortGridTest::sortsByKeysAndCarriesSelectionAndObjects()
{
    TSortGrid g;
    Fill(g, {{"b", "2", "x"}, {"a", "1", "y"}, {"b", "1", "z"}, {"a", "1", "w"}, {"b", "2", "v"}});
    int marker = 0;
    g.SetObjects(2, 3, &marker);  // row "b 1 z"
    g.SelectGridCell(0, 3, false);
    int before = 0;
    int after = 0;
    g.OnBeginSort = [&](QObject*, int&) { ++before; };
    g.OnEndSort = [&](QObject*, int) { ++after; };
    g.SortOptions().SecondaryIndex = QStringLiteral("1, 2");
    g.SortByColumn(0);
    QCOMPARE(Column(g, 2), (QStringList{"w", "y", "z", "v", "x"}));
    QCOMPARE(g.Objects(2, 3), static_cast<TGridObject>(&marker));
    // The selected row is selected at its place after all keys, and is current.
    QCOMPARE(g.Row(), 3);
    QCOMPARE(g.SelectedRows(), std::vector<int>{3});
    QCOMPARE(QList<int>({before, after}), QList<int>({1, 1}));

    g.SortOptions().SortDirection = sdDescending;
    g.SortOptions().SecondaryIndex.clear();
    g.SortByColumn(1);  // ties keep their previous order in a descending sort too
    QCOMPARE(Column(g, 2), (QStringList{"v", "x", "w", "y", "z"}));

    g.SortOptions().CanSort = false;
    g.SortByColumn(2);
    QCOMPARE(Column(g, 2), (QStringList{"v", "x", "w", "y", "z"}));
}

void SortGridTest::automaticStyleIsPerKeyAndNeverStored()
{
    TSortGrid g;
    Fill(g, {{"10", "b"}, {"9", "a"}, {"10", "a"}, {"100", "c"}});
    g.SortOptions().SortStyle = ssAutomatic;
    g.SortOptions().SecondaryIndex = QStringLiteral("1");
    g.SortByColumn(0);
    QCOMPARE(Column(g, 0), (QStringList{"9", "10", "10", "100"}));
    QCOMPARE(Column(g, 1), (QStringList{"a", "a", "b", "c"}));
    QCOMPARE(g.SortOptions().SortStyle, ssAutomatic);
    QCOMPARE(g.DetectSortStyle(0), ssNumeric);
    QCOMPARE(g.DetectSortStyle(1), ssNormal);
}

void SortGridTest::datesWithoutAYearTakeTheClocksYear()
{
    TSortGrid g;
    Fill(g, {{"3/1"}, {"12/31/2022"}, {"2/28"}});
    g.SortOptions().SortStyle = ssDateTime;
    g.Clock = [] { return QDate(2023, 7, 1); };
    g.SortByColumn(0);
    QCOMPARE(Column(g, 0), (QStringList{"12/31/2022", "2/28", "3/1"}));
    g.Clock = [] { return QDate(2021, 7, 1); };
    g.SortByColumn(0);
    QCOMPARE(Column(g, 0), (QStringList{"2/28", "3/1", "12/31/2022"}));
    // February 29 is a date in leap years only; the last row is read too.
    g.SetCells(0, 3, QStringLiteral("2/29"));
    QCOMPARE(g.DetectSortStyle(0), ssNormal);
    g.Clock = [] { return QDate(2024, 7, 1); };
    QCOMPARE(g.DetectSortStyle(0), ssDateTime);
}

template <class G>
constexpr bool CanSetFixedRows = requires(G& g) { g.SetFixedRows(2); };

void SortGridTest::titleRowStaysFixed()
{
    static_assert(!CanSetFixedRows<TSortGrid>);
    TSortGrid g;
    Fill(g, {{"b"}, {"a"}});
    g.SetRowCount(1);  // the title alone: it cannot stay fixed
    QCOMPARE(g.FixedRows(), 0);
    g.SetRowCount(3);
    QCOMPARE(g.FixedRows(), 1);
    g.SortByColumn(0);
    QCOMPARE(g.Cells(0, 0), QStringLiteral("A"));
    QCOMPARE(Column(g, 0), (QStringList{"a", "b"}));
}

void SortGridTest::customStyleAndSortStyleHandler()
{
    TSortGrid g;
    Fill(g, {{"ccc"}, {"a"}, {"bb"}});
    g.SortOptions().SortStyle = ssCustom;
    g.SortByColumn(0);  // no function: text order
    QCOMPARE(Column(g, 0), (QStringList{"a", "bb", "ccc"}));
    g.SortOptions().SortCompare = [](const QString& a, const QString& b) {
        return static_cast<int>(b.size() - a.size());
    };
    g.SortByColumn(0);
    QCOMPARE(Column(g, 0), (QStringList{"ccc", "bb", "a"}));
    QVERIFY(!g.SortOptions().SortCompare);  // cleared after every sort

    TSortGrid h;
    Fill(h, {{"5 mm", "x"}, {"12 mm", "y"}});
    QList<int> asked;
    h.OnGetSortStyle = [&](QObject*, int col, TSortStyle& style) {
        asked << col;
        QCOMPARE(style, ssNormal);  // each key starts from the configured style
        style = ssNumericExtended;
    };
    h.SortOptions().SecondaryIndex = QStringLiteral("1");
    h.SortByColumn(0);
    QCOMPARE(asked, (QList<int>{1, 0}));
    QCOMPARE(Column(h, 0), (QStringList{"5 mm", "12 mm"}));
    QCOMPARE(h.SortOptions().SortStyle, ssNormal);
}

void SortGridTest::titleClicksChooseTheDirection()
{
    TSortGrid g;
    g.resize(400, 300);
    Fill(g, {{"b"}, {"c"}, {"a"}});
    g.SetColWidths(0, 100);
    QWidget* vp = g.viewport();
    const QPoint title = CellCenter(g, 0, 0);
    // Column 0 is the ascending sort column at creation: a left click turns it round.
    QTest::mouseClick(vp, Qt::LeftButton, {}, title);
    QCOMPARE(g.SortOptions().SortDirection, sdDescending);
    QCOMPARE(Column(g, 0), (QStringList{"c", "b", "a"}));
    QTest::mouseClick(vp, Qt::LeftButton, {}, title);
    QCOMPARE(Column(g, 0), (QStringList{"a", "b", "c"}));
    QTest::mouseClick(vp, Qt::RightButton, {}, title);
    QCOMPARE(g.SortOptions().SortDirection, sdDescending);
    QTest::mouseClick(vp, Qt::LeftButton, {}, title);
    QCOMPARE(Column(g, 0), (QStringList{"a", "b", "c"}));
    // Near a column edge a click sorts nothing.
    g.SortOptions().SortDirection = sdDescending;
    QTest::mouseClick(vp, Qt::LeftButton, {}, QPoint(g.CellRect(0, 0).right() - 2, title.y()));
    QCOMPARE(Column(g, 0), (QStringList{"a", "b", "c"}));
}

void SortGridTest::filterRoundTripLosesNothing()
{
    TSortGrid g;
    Fill(g, {{"keep 1"}, {"drop 1"}, {"keep 2"}, {"drop 2"}, {"keep 3"}});
    g.SetModified(false);
    g.OnSetFilter = [](const QStringList& row, bool& accept) { accept = row[0].startsWith(QLatin1String("keep")); };
    g.SetFiltered(true);
    QCOMPARE(Column(g, 0), (QStringList{"keep 1", "keep 2", "keep 3"}));
    QCOMPARE(g.FilteredOutCount(), 2);
    QVERIFY(!g.Modified());  // filtering restores the flag
    g.InsertRow(1);
    g.SetCells(0, 1, QStringLiteral("new"));
    g.DeleteRow(2);  // "keep 1"
    g.SetFiltered(true);  // again, with the same filter: "new" goes out, nothing comes back
    QCOMPARE(Column(g, 0), (QStringList{"keep 2", "keep 3"}));
    g.OnSetFilter = [](const QStringList& row, bool& accept) { accept = row[0].endsWith(QLatin1Char('2')); };
    g.SetFiltered(true);  // a changed filter sees every row
    QCOMPARE(Column(g, 0), (QStringList{"drop 2", "keep 2"}));
    g.SetFiltered(false);
    QStringList all = Column(g, 0);
    std::sort(all.begin(), all.end());
    QCOMPARE(all, (QStringList{"drop 1", "drop 2", "keep 2", "keep 3", "new"}));
    QCOMPARE(g.FilteredOutCount(), 0);
    QVERIFY(!g.Filtered());
}

void SortGridTest::filterEdgeCases()
{
    TSortGrid g;
    Fill(g, {{"a"}, {"b"}});
    g.SetFiltered(true);  // no handler: nothing hidden
    QCOMPARE(Column(g, 0), (QStringList{"a", "b"}));
    g.SetFiltered(false);
    g.OnSetFilter = [](const QStringList&, bool& accept) { accept = false; };
    g.SetFiltered(true);
    QCOMPARE(g.RowCount(), 2);
    QCOMPARE(g.Cells(0, 1), QString());
    g.SetFiltered(false);
    QCOMPARE(Column(g, 0), (QStringList{"a", "b"}));

    TSortGrid empty;
    Fill(empty, {{""}, {"x"}});
    empty.OnSetFilter = g.OnSetFilter;
    empty.SetFiltered(true);  // first data row empty: nothing happens
    QCOMPARE(empty.RowCount(), 3);
    QVERIFY(!empty.Filtered());
}

void SortGridTest::rowAndColumnOperations()
{
    TSortGrid g;
    Fill(g, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    QList<QPair<QString, int>> events;
    g.OnRowInsert = [&](QObject*, int i) { events << qMakePair(QStringLiteral("row+"), i); };
    g.OnRowDelete = [&](QObject*, int i) { events << qMakePair(QStringLiteral("row-"), i); };
    g.OnColumnInsert = [&](QObject*, int i) { events << qMakePair(QStringLiteral("col+"), i); };
    g.OnColumnDelete = [&](QObject*, int i) { events << qMakePair(QStringLiteral("col-"), i); };
    int marker = 0;
    g.SetObjects(1, 2, &marker);
    g.InsertRow(1);
    QCOMPARE(Column(g, 0), (QStringList{"", "a", "b", "c"}));
    QCOMPARE(g.Row(), 1);
    QCOMPARE(g.SelectedRows(), std::vector<int>{1});
    QCOMPARE(g.Objects(1, 3), static_cast<TGridObject>(&marker));
    g.ExchangeRows(2, 4);
    QCOMPARE(Column(g, 0), (QStringList{"", "c", "b", "a"}));
    g.DeleteRow(1);
    QCOMPARE(Column(g, 0), (QStringList{"c", "b", "a"}));
    g.SortOptions().SortCol = 1;
    g.InsertColumn(0);
    QCOMPARE(g.SortOptions().SortCol, 2);  // the sort column stays on its column
    QCOMPARE(g.Cells(0, 1), QString());
    QCOMPARE(g.Cells(1, 1), QStringLiteral("c"));
    g.MoveColumn(2, 0);
    QCOMPARE(g.SortOptions().SortCol, 0);
    QCOMPARE(g.Cells(0, 1), QStringLiteral("3"));
    g.DeleteColumn(1);
    QCOMPARE(g.ColCount(), 2);
    QCOMPARE(g.Cells(1, 1), QStringLiteral("c"));
    const QList<QPair<QString, int>> expected{{"row+", 1}, {"row-", 1}, {"col+", 0}, {"col-", 1}};
    QCOMPARE(events, expected);
}

void SortGridTest::deletedRowsNeverComeBack()
{
    TSortGrid g;
    Fill(g, {{"a"}, {"b"}, {"c"}});
    g.DeleteRow(1);
    g.DeleteRow(1);
    g.DeleteRow(1);  // the last data row is only emptied
    QCOMPARE(g.RowCount(), 2);
    QCOMPARE(g.Cells(0, 1), QString());
    g.SetRowCount(4);
    QCOMPARE(Column(g, 0), (QStringList{"", "", ""}));
}

void SortGridTest::farCellsCostOnlyTheirSections()
{
    // Once 1.9 GB and seconds for the one cell, and seconds again for each move.
    TSortGrid g;
    g.SetCells(1, 2000000000, QStringLiteral("far"));
    g.MoveColumn(1, 0);
    QCOMPARE(g.Cells(0, 2000000000), QStringLiteral("far"));
    g.InsertRow(1);
    QCOMPARE(g.Cells(0, 2000000000), QStringLiteral("far"));  // beyond the moved rows: stays
    QCOMPARE(g.StoredRowCount(), 1);
}

void SortGridTest::clearGridAndSizeChanges()
{
    TSortGrid g;
    g.SetFixedCols(1);
    Fill(g, {{"", "a"}, {"", "b"}});
    int sizeEvents = 0;
    g.OnSizeChanged = [&](QObject*, int, int) { ++sizeEvents; };
    g.SetRowCount(5);
    QCOMPARE(g.Col(), 1);  // a data column, never the fixed one
    QCOMPARE(g.Row(), 1);
    QVERIFY(g.Modified());
    QCOMPARE(sizeEvents, 1);
    g.ClearGrid();
    QCOMPARE(g.RowCount(), 2);
    QCOMPARE(g.Cells(1, 1), QString());
    QVERIFY(!g.Modified());
    QVERIFY(!g.NowUpdating());
    g.SetUserSettings({"x=1"});
    QVERIFY(g.Modified());
    const int before = messages_;
    g.SetRowCount(1);
    QCOMPARE(messages_, before + 1);  // "Rowsize too small"
}

void SortGridTest::checkAndComboCells()
{
    TSortGrid g;
    g.resize(400, 300);
    Fill(g, {{"", "x", "b"}, {"true", "y", "a"}});
    g.OnGetCellFormat = [](QObject*, int col, int row, TGridDrawState, TFormatOptions&, bool& check, bool& combo,
                           bool&) {
        check = row > 0 && col == 0;
        combo = row > 0 && col == 2;
    };
    QList<bool> toggled;
    g.OnSetChecked = [&](QObject*, int, int, bool state) { toggled << state; };
    QVERIFY(g.IsChecked(0, 2));
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.SetCol(0);
    QTest::keyClick(&g, Qt::Key_Space);
    QVERIFY(g.IsChecked(0, 1));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, CellCenter(g, 0, 2));
    QVERIFY(!g.IsChecked(0, 2));
    QCOMPARE(toggled, (QList<bool>{true, false}));

    g.OnGetComboBox = [](QObject*, int, int, QStringList& items, int&, int&, bool&) { items = {"q", "p"}; };
    QString chosen;
    g.OnSetComboBox = [&](QObject*, int, int, const QString& text) { chosen = text; };
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, CellCenter(g, 2, 1));
    QListWidget* list = g.ComboList();
    QVERIFY(list != nullptr && !list->isHidden());
    QCOMPARE(list->item(0)->text(), QStringLiteral("p"));  // sorted
    QCOMPARE(list->currentItem()->text(), QStringLiteral("p"));  // the first, no match for "b"
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(g.Cells(2, 1), QStringLiteral("q"));
    QCOMPARE(chosen, QStringLiteral("q"));
    QVERIFY(list->isHidden());

    // In editor mode check and combo cells are never made current; a Tab goes past a
    // combo-box cell and leaves its list open.
    g.SetColCount(5);
    g.SetOptions(g.Options() | goEditing | goTabs);
    g.SetCol(1);
    g.ShowEditor();
    g.SetCol(0);
    QCOMPARE(g.Col(), 1);
    QTest::keyClick(&g, Qt::Key_Tab);
    QApplication::processEvents();
    QCOMPARE(g.Col(), 3);
    QVERIFY(!list->isHidden());
}

void SortGridTest::editValidation()
{
    TSortGrid g;
    Fill(g, {{"old"}, {"keep"}});
    g.SetOptions(g.Options() | goEditing);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    g.setFocus();
    QApplication::processEvents();
    g.SetModified(false);
    QString seenOld;
    g.OnCellValidate = [&](QObject*, int, int, const QString& oldValue, QString& newValue, bool& valid) {
        seenOld = oldValue;
        valid = newValue != QLatin1String("bad");
    };
    QTest::keyClicks(&g, "bad");
    QCOMPARE(g.Cells(0, 1), QStringLiteral("bad"));
    QTest::keyClick(&g, Qt::Key_Return);
    QCOMPARE(seenOld, QStringLiteral("old"));
    QCOMPARE(g.Cells(0, 1), QStringLiteral("old"));
    QVERIFY(!g.Modified());
}

void SortGridTest::multiSelectTypingAndExtendedKeys()
{
    TSortGrid g;
    g.resize(400, 300);
    Fill(g, {{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}});
    g.SetMultiSelect(true);
    QVERIFY(g.Options() & goRowSelect);
    g.show();
    QVERIFY(QTest::qWaitForWindowExposed(&g));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, CellCenter(g, 0, 2));
    QCOMPARE(g.Row(), 2);
    QCOMPARE(g.SelectedRows(), std::vector<int>{2});
    // Shift held: a range; released, the range's rows are selected.
    QTest::keyPress(&g, Qt::Key_Shift, Qt::ShiftModifier);
    QVERIFY(g.SelectedRows().empty());
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyRelease(&g, Qt::Key_Shift);
    QCOMPARE(g.SelectedRows(), (std::vector<int>{2, 3}));
    QTest::keyClick(&g, Qt::Key_Up);  // plain navigation: one row again
    QCOMPARE(g.SelectedRows(), std::vector<int>{2});

    // A typed letter jumps to the next row whose sort column starts with it.
    QTest::keyClicks(&g, "D");
    QCOMPARE(g.Row(), 4);
    QTest::keyClicks(&g, "a");  // wraps to the first data row
    QCOMPARE(g.Row(), 1);

    g.SetExtendedKeys(true);
    QTest::keyClick(&g, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(g.RowCount(), 6);
    QCOMPARE(g.Cells(0, 1), QString());
    QTest::keyClick(&g, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(g.RowCount(), 5);
    QCOMPARE(g.Cells(0, 1), QStringLiteral("a"));

    // The ellipsis button: the right 16 pixels of the cell.
    g.OnGetCellFormat = [](QObject*, int col, int, TGridDrawState, TFormatOptions&, bool&, bool&, bool& ellipsis) {
        ellipsis = col == 1;
    };
    QList<int> ellipsisRows;
    g.OnSetEllipsis = [&](QObject*, int, int row) { ellipsisRows << row; };
    const QRect cell = g.CellRect(1, 3);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 4, cell.center().y()));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 4, cell.center().y()));
    QCOMPARE(ellipsisRows, QList<int>{3});
}

void SortGridTest::autoSizeAndStretch()
{
    TSortGrid g;
    Fill(g, {{"a", "a much longer text than that", "b"}});
    g.SortOptions().SortCol = 2;
    g.AutoSizeColumns(false);
    QVERIFY(g.ColWidths(1) > g.ColWidths(0));
    QVERIFY(g.ColWidths(2) > g.ColWidths(0) + 20);  // the sort arrow's room, twice
    g.SetColWidths(0, -1);
    g.AutoSizeColumn(0, false);
    QCOMPARE(g.ColWidths(0), -1);

    TSortGrid s;
    s.SetColCount(2);
    s.SetScrollBars(ssNone);
    s.resize(300, 100);
    s.SetStretchLastCol(true);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    const int narrow = s.ColWidths(1);
    QVERIFY(narrow > s.ColWidths(0));
    s.resize(500, 100);
    QApplication::processEvents();
    QVERIFY(s.ColWidths(1) > narrow);
}

void SortGridTest::nestedBracketKeepsTheSavedOption()
{
    TSortGrid g;
    int ends = 0;
    g.OnEndUpdate = [&](QObject*) { ++ends; };
    g.SortOptions().UpdateOnSizeChange = true;
    g.BeginUpdate();
    QVERIFY(!g.SortOptions().UpdateOnSizeChange);
    g.AutoSizeColumns(true);  // its own pair inside
    QVERIFY(g.NowUpdating());
    g.EndUpdate();
    QVERIFY(!g.NowUpdating());
    QVERIFY(g.SortOptions().UpdateOnSizeChange);
    QCOMPARE(ends, 1);
}

void SortGridTest::drawingUsesTheCellFormat()
{
    TSortGrid g;
    g.resize(300, 200);
    g.SetScrollBars(ssNone);
    g.SetOptions(TGridOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine));
    Fill(g, {{"", ""}, {"", ""}});
    g.OnGetCellFormat = [](QObject*, int col, int row, TGridDrawState, TFormatOptions& fo, bool&, bool&, bool&) {
        if (col == 1 && row == 2)
            fo.Brush = QBrush(QColor(255, 0, 0));
    };
    g.SortOptions().SortCol = 0;
    QImage image = g.viewport()->grab().toImage();
    QCOMPARE(image.pixelColor(CellCenter(g, 1, 2)), QColor(255, 0, 0));
    QVERIFY(image.pixelColor(CellCenter(g, 1, 1)) != QColor(255, 0, 0));
    // The sort arrow: the title of the sort column has dark pixels near its left edge.
    const QRect title = g.CellRect(0, 0);
    bool arrow = false;
    for (int x = title.left() + 3; x < title.left() + 11; ++x)
        arrow = arrow || image.pixelColor(x, title.center().y()) == QColor(128, 128, 128);
    QVERIFY(arrow);
    // Hidden rows paint their background only, whatever the format says.
    g.SetHideRows(true);
    image = g.viewport()->grab().toImage();
    QVERIFY(image.pixelColor(CellCenter(g, 1, 2)) != QColor(255, 0, 0));
}

void SortGridTest::wideTitlesEndInTwoDots()
{
    const QFontMetrics metrics(QApplication::font());
    const QString title = QStringLiteral("Temperature range");
    QCOMPARE(TSortGrid::FittedTitle(title, metrics, metrics.horizontalAdvance(title)), title);
    const int room = metrics.horizontalAdvance(QStringLiteral("Temper"));
    const QString fitted = TSortGrid::FittedTitle(title, metrics, room);
    QVERIFY(fitted.endsWith(QLatin1String("..")));
    QVERIFY(title.startsWith(fitted.chopped(2)));
    QVERIFY(metrics.horizontalAdvance(fitted) <= room);
    QCOMPARE(TSortGrid::FittedTitle(title, metrics, 0).size(), 3);  // never fewer than 3 left
}

QTEST_MAIN(SortGridTest)
#include "SortGridTest.moc"
