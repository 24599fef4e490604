// The sort grid: sorting through the control, filtering, row and column operations, cell
// formats in drawing, check and combo cells, editing validation and the modified flag.

#include "components/CEConst.h"
#include "grids/GridPlatform.h"
#include "grids/SortGrid.h"

#include "platform/FormatSettings.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

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

bool Show(TSortGrid& g)
{
    g.resize(400, 300);
    g.show();
    return QTest::qWaitForWindowExposed(&g);
}

void Click(TSortGrid& g, int col, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(g.viewport(), button, {}, g.CellRect(col, row).center());
}

// A grid whose drags end at once, dropped nowhere at `dropAt`, recording what each one carried.
class DragGrid : public TSortGrid {
public:
    QStringList carried;
    QImage cursor;
    QImage refusedCursor;  // shown where no drop is possible
    QPointer<QDrag> lastDrag;
    QPoint dropAt{37, 14};  // in the viewport
    std::function<void(QDrag&)> whileDragging;

protected:
    Qt::DropAction ExecDrag(QDrag& drag) override
    {
        carried << drag.mimeData()->text();
        cursor = drag.dragCursor(Qt::CopyAction).toImage();
        refusedCursor = drag.dragCursor(Qt::IgnoreAction).toImage();
        lastDrag = &drag;
        QCursor::setPos(viewport()->mapToGlobal(dropAt));
        if (whileDragging)
            whileDragging(drag);
        return Qt::IgnoreAction;
    }
};

// Offers the drag's data to a widget as a drag over it and a drop would; whether it was taken.
bool OfferDrop(QWidget& target, const QMimeData* data)
{
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &move);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, {});
    QApplication::sendEvent(&target, &drop);
    return enter.isAccepted() || move.isAccepted() || drop.isAccepted();
}

template <class G>
constexpr bool CanSetFixedRows = requires(G& g) { g.SetFixedRows(2); };

}  // namespace

class SortGridTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sortsByKeysAndCarriesSelectionAndObjects();
    void stylesPerKeyCustomAndHandler();
    void neverWrittenRowsMoveOnce();
    void datesWithoutAYearTakeTheClocksYear();
    void titleRowStaysFixed();
    void titleClicksChooseTheDirection();
    void filterRoundTripLosesNothing();
    void rowAndColumnOperations();
    void clearGridSizeChangesAndBracket();
    void checkAndComboCells();
    void editValidation();
    void multiSelectTypingAndExtendedKeys();
    void severalSelectedRowsFollowSortAndDelete();
    void autoSizeAndStretch();
    void drawingUsesTheCellFormat();
    void dragCarriesTheSelectedRows();

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
    QList<int> events;
    g.OnBeginSort = [&](QObject*, int& col) { events << col; };
    g.OnEndSort = [&](QObject*, int col) { events << col; };
    g.SortOptions().SecondaryIndex = QStringLiteral("1, 2");
    g.SortByColumn(0);
    QCOMPARE(Column(g, 2), (QStringList{"w", "y", "z", "v", "x"}));
    QCOMPARE(g.Objects(2, 3), static_cast<TGridObject>(&marker));
    // The selected row is selected at its place after all keys, and is current.
    QVERIFY(g.Row() == 3 && g.SelectedRows() == std::vector<int>{3});
    QCOMPARE(events, QList<int>({0, 0}));

    g.SortOptions().SortDirection = sdDescending;
    g.SortOptions().SecondaryIndex.clear();
    g.SortByColumn(1);  // ties keep their previous order in a descending sort too
    g.SortOptions().CanSort = false;
    g.SortByColumn(2);
    QCOMPARE(Column(g, 2), (QStringList{"v", "x", "w", "y", "z"}));
}

void SortGridTest::stylesPerKeyCustomAndHandler()
{
    TSortGrid g;
    Fill(g, {{"10", "b"}, {"9", "a"}, {"10", "a"}, {"100", "c"}});
    g.SortOptions().SortStyle = ssAutomatic;  // detected per key, never stored
    g.SortOptions().SecondaryIndex = QStringLiteral("1");
    g.SortByColumn(0);
    QCOMPARE(Column(g, 0) + Column(g, 1), (QStringList{"9", "10", "10", "100", "a", "a", "b", "c"}));
    QCOMPARE(QList<TSortStyle>({g.SortOptions().SortStyle, g.DetectSortStyle(0), g.DetectSortStyle(1)}),
             QList<TSortStyle>({ssAutomatic, ssNumeric, ssNormal}));

    TSortGrid c;
    Fill(c, {{"ccc"}, {"a"}, {"bb"}});
    c.SortOptions().SortStyle = ssCustom;
    c.SortOptions().SortCompare = [](const QString& a, const QString& b) { return int(b.size() - a.size()); };
    c.SortByColumn(0);
    QVERIFY(Column(c, 0) == (QStringList{"ccc", "bb", "a"}) && !c.SortOptions().SortCompare);  // cleared by the sort

    TSortGrid h;
    Fill(h, {{"5 mm", "x"}, {"12 mm", "y"}});
    QList<int> asked;
    h.OnGetSortStyle = [&](QObject*, int col, TSortStyle& style) {
        asked << col * 10 + style;  // each key starts from the configured style
        style = ssNumericExtended;
    };
    h.SortOptions().SecondaryIndex = QStringLiteral("1");
    h.SortByColumn(0);
    QCOMPARE(asked, (QList<int>{10 + ssNormal, ssNormal}));
    QVERIFY(Column(h, 0) == (QStringList{"5 mm", "12 mm"}) && h.SortOptions().SortStyle == ssNormal);
}

void SortGridTest::neverWrittenRowsMoveOnce()
{
    TSortGrid g;
    g.SetColCount(2);
    g.SetRowCount(7);
    // Rows 2, 4 and 6 (the last) are never written; the others carry an object each.
    int objects[3] = {};
    const int written[] = {1, 3, 5};
    const char* texts[] = {"c", "a", "b"};
    for (int i = 0; i < 3; ++i) {
        g.SetCells(0, written[i], QString::fromLatin1(texts[i]));
        g.SetObjects(1, written[i], &objects[i]);
    }
    QStringList orders;
    for (TSortDirection direction : {sdDescending, sdAscending, sdDescending}) {
        g.SortOptions().SortDirection = direction;
        g.SortByColumn(0);
        QList<TGridObject> carried;
        for (int r = 1; r < g.RowCount(); ++r)
            carried << g.Objects(1, r);
        std::sort(carried.begin(), carried.end());
        QCOMPARE(carried, (QList<TGridObject>{nullptr, nullptr, nullptr, &objects[0], &objects[1], &objects[2]}));
        orders << Column(g, 0).join(QLatin1Char(','));
    }
    QCOMPARE(orders, (QStringList{"c,b,a,,,", ",,,a,b,c", "c,b,a,,,"}));
    QCOMPARE(g.StoredRowCount(), 3);  // the three written rows, nothing more
}

void SortGridTest::datesWithoutAYearTakeTheClocksYear()
{
    TSortGrid g;
    Fill(g, {{"3/1"}, {"12/31/2022"}, {"2/28"}});
    g.SortOptions().SortStyle = ssDateTime;
    QStringList sorted;
    for (int year : {2023, 2021}) {
        g.Clock = [year] { return QDate(year, 7, 1); };
        g.SortByColumn(0);
        sorted << Column(g, 0).join(QLatin1Char(' '));
    }
    QCOMPARE(sorted, (QStringList{"12/31/2022 2/28 3/1", "2/28 3/1 12/31/2022"}));
    // February 29 is a date in leap years only; the last row is read too.
    g.SetCells(0, 3, QStringLiteral("2/29"));
    const TSortStyle in2021 = g.DetectSortStyle(0);
    g.Clock = [] { return QDate(2024, 7, 1); };
    QCOMPARE(QList<TSortStyle>({in2021, g.DetectSortStyle(0)}), QList<TSortStyle>({ssNormal, ssDateTime}));
}

void SortGridTest::titleRowStaysFixed()
{
    static_assert(!CanSetFixedRows<TSortGrid>);
    TSortGrid g;
    Fill(g, {{"b"}, {"a"}});
    g.SetRowCount(1);  // the title alone: it cannot stay fixed
    const int fixedAlone = g.FixedRows();
    g.SetRowCount(2);  // one data row is enough to fix it again
    const int fixedWithOne = g.FixedRows();
    g.SetRowCount(3);
    g.SortByColumn(0);
    QCOMPARE(QList<int>({fixedAlone, fixedWithOne, g.FixedRows()}), QList<int>({0, 1, 1}));
    QCOMPARE(g.Cols(0).ToStringList(), (QStringList{"A", "a", "b"}));
}

void SortGridTest::titleClicksChooseTheDirection()
{
    TSortGrid g;
    Fill(g, {{"b"}, {"c"}, {"a"}});
    g.SetColWidths(0, 100);
    const auto click = [&](Qt::MouseButton button) {
        Click(g, 0, 0, button);
        return Column(g, 0).join(QString()) + QString::number(g.SortOptions().SortDirection);
    };
    // Column 0 is the ascending sort column at creation: a left click turns it round; a
    // right click always sorts descending.
    QCOMPARE(click(Qt::LeftButton), QStringLiteral("cba1"));
    QCOMPARE(click(Qt::LeftButton), QStringLiteral("abc0"));
    QCOMPARE(click(Qt::RightButton), QStringLiteral("cba1"));
    QCOMPARE(click(Qt::LeftButton), QStringLiteral("abc0"));
    // Near a column edge a click sorts nothing.
    g.SortOptions().SortDirection = sdDescending;
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, g.CellRect(0, 0).topRight() + QPoint(-2, 5));
    QCOMPARE(Column(g, 0), (QStringList{"a", "b", "c"}));
}

void SortGridTest::filterRoundTripLosesNothing()
{
    TSortGrid g;
    Fill(g, {{"keep 1"}, {"drop 1"}, {"keep 2"}, {"drop 2"}, {"keep 3"}});
    g.SetModified(false);
    g.SetFiltered(true);  // no handler: nothing hidden
    QCOMPARE(Column(g, 0), (QStringList{"keep 1", "drop 1", "keep 2", "drop 2", "keep 3"}));
    g.SetFiltered(false);
    g.OnSetFilter = [](const QStringList& row, bool& accept) { accept = row[0].startsWith(QLatin1String("keep")); };
    g.SetFiltered(true);
    QCOMPARE(Column(g, 0), (QStringList{"keep 1", "keep 2", "keep 3"}));
    QVERIFY(g.FilteredOutCount() == 2 && !g.Modified());  // filtering restores the flag
    g.InsertRow(1);
    g.SetCells(0, 1, QStringLiteral("new"));
    g.DeleteRow(2);  // "keep 1"
    g.SetFiltered(true);  // again, with the same filter: "new" goes out, nothing comes back
    QCOMPARE(Column(g, 0), (QStringList{"keep 2", "keep 3"}));
    g.OnSetFilter = [](const QStringList& row, bool& accept) { accept = row[0].endsWith(QLatin1Char('2')); };
    g.SetFiltered(true);  // a changed filter sees every row
    QCOMPARE(Column(g, 0), (QStringList{"drop 2", "keep 2"}));
    g.OnSetFilter = [](const QStringList&, bool& accept) { accept = false; };
    g.SetFiltered(true);  // nothing accepted: one empty data row shows
    QCOMPARE(Column(g, 0), QStringList{QString()});
    g.SetFiltered(false);
    QStringList all = Column(g, 0);
    std::sort(all.begin(), all.end());
    QCOMPARE(all, (QStringList{"drop 1", "drop 2", "keep 2", "keep 3", "new"}));
    QVERIFY(!g.Filtered() && g.FilteredOutCount() == 0);

    TSortGrid empty;
    Fill(empty, {{""}, {"x"}});
    empty.OnSetFilter = g.OnSetFilter;
    empty.SetFiltered(true);  // first data row empty: nothing happens
    QVERIFY(empty.RowCount() == 3 && !empty.Filtered());
}

void SortGridTest::rowAndColumnOperations()
{
    TSortGrid g;
    Fill(g, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    QStringList events;
    g.OnRowInsert = [&](QObject*, int i) { events << QStringLiteral("row+%1").arg(i); };
    g.OnRowDelete = [&](QObject*, int i) { events << QStringLiteral("row-%1").arg(i); };
    g.OnColumnInsert = [&](QObject*, int i) { events << QStringLiteral("col+%1").arg(i); };
    g.OnColumnDelete = [&](QObject*, int i) { events << QStringLiteral("col-%1").arg(i); };
    int marker = 0;
    g.SetObjects(1, 2, &marker);
    g.InsertRow(1);
    QCOMPARE(Column(g, 0), (QStringList{"", "a", "b", "c"}));
    QVERIFY(g.Row() == 1 && g.SelectedRows() == std::vector<int>{1} && g.Objects(1, 3) == &marker);
    g.ExchangeRows(2, 4);
    g.DeleteRow(1);
    QCOMPARE(Column(g, 0), (QStringList{"c", "b", "a"}));
    g.SortOptions().SortCol = 1;
    g.InsertColumn(0);
    QCOMPARE(Column(g, 0) + Column(g, 1), (QStringList{"", "", "", "c", "b", "a"}));
    const int sortCol = g.SortOptions().SortCol;
    g.MoveColumn(2, 0);
    QCOMPARE(QList<int>({sortCol, g.SortOptions().SortCol}), QList<int>({2, 0}));  // it stays on its column
    g.DeleteColumn(1);
    QCOMPARE(Column(g, 0) + Column(g, 1), (QStringList{"3", "2", "1", "c", "b", "a"}));
    QCOMPARE(events, (QStringList{"row+1", "row-1", "col+0", "col-1"}));

    // Deleting down to one data row leaves it empty, and deleted rows never come back.
    for (int i = 0; i < 3; ++i)
        g.DeleteRow(1);
    g.SetRowCount(4);
    QCOMPARE(Column(g, 1), (QStringList{"", "", ""}));
    // Far cells cost only their sections (once 1.9 GB and seconds for the one cell).
    g.SetCells(1, 2000000000, QStringLiteral("far"));
    g.MoveColumn(1, 0);
    g.InsertRow(1);
    QCOMPARE(g.Cells(0, 2000000000), QStringLiteral("far"));  // beyond the moved rows: stays
    QCOMPARE(g.StoredRowCount(), 2);  // the titles and the far row
}

void SortGridTest::clearGridSizeChangesAndBracket()
{
    TSortGrid g;
    g.SetFixedCols(1);
    Fill(g, {{"", "a"}, {"", "b"}});
    int sizeEvents = 0;
    int ends = 0;
    g.OnSizeChanged = [&](QObject*, int, int) { ++sizeEvents; };
    g.OnEndUpdate = [&](QObject*) { ++ends; };
    g.SetRowCount(5);
    QCOMPARE(QList<int>({g.Col(), g.Row(), sizeEvents}), QList<int>({1, 1, 1}));  // never the fixed column
    QVERIFY(g.Modified());
    g.SortOptions().UpdateOnSizeChange = true;
    g.BeginUpdate();  // no sorting on size changes while a bracket is open
    const bool sortsInBracket = g.SortOptions().UpdateOnSizeChange;
    g.EndUpdate();
    ends = 0;
    g.ClearGrid();  // with the auto-size's own bracket inside
    QCOMPARE(QList<int>({g.RowCount(), ends, sortsInBracket}), QList<int>({2, 1, 0}));
    QVERIFY(g.Cells(1, 1).isEmpty() && !g.Modified() && !g.NowUpdating() && g.SortOptions().UpdateOnSizeChange);
    g.SetUserSettings({"x=1"});
    QVERIFY(g.Modified());
    const int before = messages_;
    g.SetRowCount(1);
    QCOMPARE(messages_, before + 1);  // "Rowsize too small"
}

void SortGridTest::checkAndComboCells()
{
    TSortGrid g;
    Fill(g, {{"", "x", "b"}, {"true", "y", "a"}});
    g.OnGetCellFormat = [](QObject*, int col, int row, TGridDrawState, TFormatOptions&, bool& check, bool& combo,
                           bool&) {
        check = row > 0 && col == 0;
        combo = row > 0 && col == 2;
    };
    QList<bool> toggled;
    g.OnSetChecked = [&](QObject*, int, int, bool state) { toggled << state; };
    QVERIFY(Show(g));
    g.SetCol(0);
    QTest::keyClick(&g, Qt::Key_Space);
    Click(g, 0, 2);
    QCOMPARE(QList<bool>({g.IsChecked(0, 1), g.IsChecked(0, 2)}), QList<bool>({true, false}));
    QCOMPARE(toggled, (QList<bool>{true, false}));

    g.OnGetComboBox = [](QObject*, int, int, QStringList& items, int&, int&, bool&) { items = {"q", "p"}; };
    QString chosen;
    g.OnSetComboBox = [&](QObject*, int, int, const QString& text) { chosen = text; };
    Click(g, 2, 1);
    QListWidget* list = g.ComboList();
    QVERIFY(!list->isHidden());
    QCOMPARE(list->item(0)->text() + list->currentItem()->text(), QStringLiteral("pp"));  // sorted; no "b": first
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(g.Cells(2, 1) + chosen, QStringLiteral("qq"));
    QVERIFY(list->isHidden());
    // Escape closes the list and keeps the cell's text, whatever item was current in it.
    chosen.clear();
    Click(g, 2, 1);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(list->isHidden() && g.hasFocus());
    QCOMPARE(g.Cells(2, 1) + chosen, QStringLiteral("q"));

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
    QVERIFY(g.Col() == 3 && !list->isHidden());
}

void SortGridTest::editValidation()
{
    TSortGrid g;
    Fill(g, {{"old"}, {"keep"}});
    g.SetOptions(g.Options() | goEditing);
    QVERIFY(Show(g));
    g.setFocus();
    QApplication::processEvents();
    g.SetModified(false);
    QString seenOld;
    g.OnCellValidate = [&](QObject*, int, int, const QString& oldValue, QString& newValue, bool& valid) {
        seenOld = oldValue;
        valid = newValue != QLatin1String("bad");
    };
    QTest::keyClicks(&g, "bad");
    QTest::keyClick(&g, Qt::Key_Return);
    QCOMPARE(seenOld + g.Cells(0, 1), QStringLiteral("oldold"));
    QVERIFY(!g.Modified());
}

void SortGridTest::multiSelectTypingAndExtendedKeys()
{
    TSortGrid g;
    Fill(g, {{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}});
    g.SetMultiSelect(true);
    QVERIFY(g.Options() & goRowSelect);
    QVERIFY(Show(g));
    Click(g, 0, 2);
    QVERIFY(g.Row() == 2 && g.SelectedRows() == std::vector<int>{2});
    // Shift held: a range; released, the range's rows are selected.
    QTest::keyPress(&g, Qt::Key_Shift, Qt::ShiftModifier);
    QVERIFY(g.SelectedRows().empty());
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyRelease(&g, Qt::Key_Shift);
    QCOMPARE(g.SelectedRows(), (std::vector<int>{2, 3}));
    QTest::keyClick(&g, Qt::Key_Up);  // plain navigation: one row again
    QCOMPARE(g.SelectedRows(), std::vector<int>{2});
    // A typed letter jumps to the next row whose sort column starts with it, wrapping.
    QTest::keyClicks(&g, "D");
    QCOMPARE(g.Row(), 4);
    QTest::keyClicks(&g, "a");
    QCOMPARE(g.Row(), 1);

    g.SetExtendedKeys(true);
    QTest::keyClick(&g, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(Column(g, 0), (QStringList{"", "a", "b", "c", "d"}));
    QTest::keyClick(&g, Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(Column(g, 0), (QStringList{"a", "b", "c", "d"}));
    // The one data row and the one column left are not deleted, nor emptied.
    TSortGrid one;
    Fill(one, {{"only"}});
    one.SetExtendedKeys(true);
    one.SetModified(false);
    int deletes = 0;
    one.OnRowDelete = [&](QObject*, int) { ++deletes; };
    one.OnColumnDelete = one.OnRowDelete;
    QVERIFY(Show(one));
    QTest::keyClick(&one, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(&one, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Column(one, 0) == QStringList{"only"} && deletes == 0 && !one.Modified());

    // The ellipsis button: the right 16 pixels of the cell.
    g.OnGetCellFormat = [](QObject*, int col, int, TGridDrawState, TFormatOptions&, bool&, bool&, bool& ellipsis) {
        ellipsis = col == 1;
    };
    QList<int> ellipsisRows;
    g.OnSetEllipsis = [&](QObject*, int, int row) { ellipsisRows << row; };
    const QRect cell = g.CellRect(1, 3);
    for (int x : {cell.right() - 4, cell.left() + 4})
        QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, QPoint(x, cell.center().y()));
    QCOMPARE(ellipsisRows, QList<int>{3});
}

void SortGridTest::severalSelectedRowsFollowSortAndDelete()
{
    TSortGrid g;
    Fill(g, {{"e"}, {"d"}, {"c"}, {"b"}, {"a"}});
    g.SetMultiSelect(true);
    QVERIFY(Show(g));
    Click(g, 0, 2);
    QTest::keyPress(&g, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyRelease(&g, Qt::Key_Shift);
    QVERIFY(g.Row() == 4 && g.SelectedRows() == (std::vector<int>{2, 3, 4}));  // d, c, b
    // The sort turns the three round: the topmost of them becomes current.
    g.SortByColumn(0);
    QCOMPARE(Column(g, 0), (QStringList{"a", "b", "c", "d", "e"}));
    QVERIFY(g.Row() == 2 && g.SelectedRows() == (std::vector<int>{2, 3, 4}));
    // A row deleted above them: the selection and the current row move up with their rows.
    {
        TGridUpdateGuard bracket(g);
        g.DeleteRow(1);
    }
    QCOMPARE(Column(g, 0), (QStringList{"b", "c", "d", "e"}));
    QVERIFY(g.Row() == 1 && g.SelectedRows() == (std::vector<int>{1, 2, 3}));
    // One of them deleted: the others stay selected.
    {
        TGridUpdateGuard bracket(g);
        g.DeleteRow(2);
    }
    QVERIFY(g.Row() == 1 && g.SelectedRows() == (std::vector<int>{1, 2}));  // b, d
}

void SortGridTest::autoSizeAndStretch()
{
    TSortGrid g;
    Fill(g, {{"a", "a much longer text than that", "b", "c"}});
    g.SortOptions().SortCol = 2;
    g.SetColWidths(0, -1);
    g.AutoSizeColumns(false);  // skips a column of width -1; the sort arrow's room, twice
    QVERIFY(g.ColWidths(0) == -1 && g.ColWidths(1) > 100 && g.ColWidths(2) > 20 + g.ColWidths(3));
    // The stretched last column follows the grid's width.
    TSortGrid s;
    s.SetColCount(2);
    s.SetScrollBars(ssNone);
    s.SetStretchLastCol(true);
    QVERIFY(Show(s));
    const int narrow = s.ColWidths(1);
    s.resize(600, 300);
    QApplication::processEvents();
    QVERIFY(narrow > s.ColWidths(0) && s.ColWidths(1) > narrow);
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
    const QColor red(255, 0, 0);
    const auto at = [&](const QImage& image, int col, int row) { return image.pixelColor(g.CellRect(col, row).center()); };
    QImage image = g.viewport()->grab().toImage();
    QVERIFY(at(image, 1, 2) == red && at(image, 1, 1) != red);
    // The sort arrow: the title of the sort column has grey pixels near its left edge.
    const QRect title = g.CellRect(0, 0);
    bool arrow = false;
    for (int x = title.left() + 3; x < title.left() + 11; ++x)
        arrow = arrow || image.pixelColor(x, title.center().y()) == QColor(128, 128, 128);
    QVERIFY(arrow);
    g.SetHideRows(true);  // hidden rows paint their background only, whatever the format says
    QVERIFY(at(g.viewport()->grab().toImage(), 1, 2) != red);

    // A title too wide ends in "..", keeping at least 3 characters.
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral("Temperature range");
    const int room = metrics.horizontalAdvance(QStringLiteral("Temper"));
    const QString fitted = TSortGrid::FittedTitle(text, metrics, room);
    QVERIFY(fitted.endsWith(QLatin1String("..")) && text.startsWith(fitted.chopped(2)));
    QVERIFY(metrics.horizontalAdvance(fitted) <= room && TSortGrid::FittedTitle(text, metrics, 0).size() == 3);
    QCOMPARE(TSortGrid::FittedTitle(text, metrics, metrics.horizontalAdvance(text)), text);
}

void SortGridTest::dragCarriesTheSelectedRows()
{
    auto owner = std::make_unique<DragGrid>();
    DragGrid& g = *owner;
    Fill(g, {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    QStringList events;
    QPoint endAt;
    g.OnStartDrag = [&](QObject* sender) { events << (sender == &g ? "start" : "?"); };
    // The release that ends a real drag never reaches the grid: the drag itself ends the
    // selecting that the press began.
    g.OnEndDrag = [&](QObject* sender, QObject* target, int X, int Y) {
        events << (sender == &g && target == nullptr && g.GridState() == gsNormal && !g.Dragging() ? "end" : "?");
        endAt = {X, Y};
    };
    QVERIFY(Show(g));
    QWidget* vp = g.viewport();
    // Presses on a row, moves the mouse by `by` and then by `then`, releases; the drags so far.
    const auto pressMove = [&](int row, QPoint by, QPoint then = {}, int col = 0) {
        const QPoint at = g.CellRect(col, row).center();
        QTest::mousePress(vp, Qt::LeftButton, {}, at);
        QTest::mouseMove(vp, at + by);
        if (!then.isNull())
            QTest::mouseMove(vp, at + then);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, at + (then.isNull() ? by : then));
        return g.carried.size();
    };
    // A press on a row not yet selected selects it and drags nothing.
    QCOMPARE(pressMove(2, {11, 0}), 0);
    QVERIFY(g.IsRowSelected(2));
    // On the selected row: 10 pixels each way is not yet a drag, 11 in one direction is.
    QCOMPARE(pressMove(2, {10, -10}, {0, 11}), 1);
    QCOMPARE(g.carried, QStringList{"b\t2"});
    QCOMPARE(events, (QStringList{"start", "end"}));
    QCOMPARE(endAt, g.dropAt);
    // The drag shows the program's own drag cursor, also where no drop is possible.
    RegisterComponentCursors();
    QVERIFY(!g.cursor.isNull() && g.cursor == ScreenCursor(crDragCur).pixmap().toImage());
    QCOMPARE(g.refusedCursor, g.cursor);
    // The drag outlives its run: on X11 another program reads the rows from it only after
    // the drop. Qt frees the drags it ran; one it never ran goes with the grid.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(g.lastDrag != nullptr && g.lastDrag->mimeData()->text() == QLatin1String("b\t2"));
    // The title row never drags.
    g.SortOptions().CanSort = false;
    QCOMPARE(pressMove(0, {20, 0}), 1);
    // Several selected rows go as several lines, in their order.
    g.SetMultiSelect(true);
    Click(g, 0, 1);
    QTest::keyPress(&g, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyClick(&g, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyRelease(&g, Qt::Key_Shift);
    QCOMPARE(pressMove(2, {-11, 0}), 2);
    QCOMPARE(g.carried.last(), QStringLiteral("a\t1\nb\t2"));
    QCOMPARE(g.SelectedRows(), (std::vector<int>{1, 2}));
    // Nothing in the program takes the rows, not even an edit that takes dropped text
    // (the report's remarks beside the table); once the drag is over such an edit takes
    // text dropped from elsewhere as before.
    QWidget window;
    auto* remarks = new QPlainTextEdit(QStringLiteral("remarks"), &window);
    auto* field = new QLineEdit(QStringLiteral("customer"), &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool taken = true;
    g.whileDragging = [&](QDrag& drag) {
        taken = OfferDrop(*remarks->viewport(), drag.mimeData()) || OfferDrop(*field, drag.mimeData());
    };
    QCOMPARE(pressMove(2, {0, 11}), 3);
    QVERIFY(!taken);
    QCOMPARE(remarks->toPlainText() + field->text(), QStringLiteral("remarkscustomer"));
    QMimeData other;
    other.setText(QStringLiteral("x"));
    QVERIFY(OfferDrop(*field, &other));
    // The release that ends a drag, back on the pressed cell, is no click on it: a check cell
    // keeps its state, a combo-box cell opens no list.
    g.whileDragging = nullptr;
    g.OnGetCellFormat = [](QObject*, int ACol, int, TGridDrawState, TFormatOptions&, bool& CheckBox,
                           bool& Combobox, bool&) {
        CheckBox = ACol == 0;
        Combobox = ACol == 1;
    };
    g.OnGetComboBox = [](QObject*, int, int, QStringList& Strs, int&, int&, bool&) { Strs << "x"; };
    QCOMPARE(pressMove(2, {0, 11}, {1, 0}, 0), 4);
    QCOMPARE(pressMove(2, {0, 11}, {1, 0}, 1), 5);
    QVERIFY(!g.IsChecked(0, 2) && (g.ComboList() == nullptr || g.ComboList()->isHidden()));
    const QPointer<QDrag> kept = g.lastDrag;
    owner.reset();
    QVERIFY(kept.isNull());
}

QTEST_MAIN(SortGridTest)
#include "SortGridTest.moc"
