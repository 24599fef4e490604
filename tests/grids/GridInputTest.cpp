// The grid on screen: the in-place editor, keyboard and mouse, scrolling and painting.

#include "GridProbe.h"

#include "grids/GridPlatform.h"
#include "platform/MessageBeep.h"

#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <memory>

namespace {

class DigitsOnlyGrid : public ProbeGrid {
public:
    using ProbeGrid::ProbeGrid;
    bool CanEditAcceptKey(QChar key) const override { return key.isDigit(); }
};

// A window with the grid and one other control, shown and with the grid focused.
struct Fixture {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* other = nullptr;
    ProbeGrid* grid = nullptr;

    explicit Fixture(TGridOptions extra = {}, QSize size = QSize(400, 200), bool digitsOnly = false)
    {
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        other = new QLineEdit(window.get());
        grid = digitsOnly ? new DigitsOnlyGrid(window.get()) : new ProbeGrid(window.get());
        layout->addWidget(other);
        layout->addWidget(grid);
        grid->SetOptions(grid->Options() | extra);
        window->resize(size);
        window->show();
        QApplication::setActiveWindow(window.get());
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
        grid->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
    }

    TInplaceEdit* editor() const { return grid->InplaceEditor(); }
    bool editorShown() const { return editor() != nullptr && !editor()->isHidden(); }
    QPoint center(int col, int row) const { return grid->CellRect(col, row).center(); }
    // The box of the dark pixels inside a cell's area (or `area` when given) as painted now.
    QRect inkBox(int col, int row, QRect area = QRect()) const
    {
        const QImage image = grid->viewport()->grab().toImage();
        const QRect r = area.isNull() ? grid->CellRect(col, row) : area;
        QRect box;
        for (int y = r.top() + 1; y < r.bottom(); ++y)
            for (int x = r.left() + 1; x < r.right(); ++x)
                if (image.pixelColor(x, y).lightness() < 128)
                    box |= QRect(x, y, 1, 1);
        return box;
    }
};

}  // namespace

class GridInputTest : public QObject {
    Q_OBJECT

private slots:
    void typingOpensTheEditorAndWritesTheCell();
    void navigationNeverErasesCells();
    void codeWritesReloadTheEditor();
    void caretKeysStayInTheEditor();
    void readOnlyCellRefusesEveryEdit();
    void escapeReachesTheGridAndNeverTypes();
    void enterTogglesTheEditorsSelection();
    void refusedCharacterBeeps();
    void clickThenEditorClickIsADoubleClick();
    void arrowHomeEndAndPageKeys();
    void tabWrapsAndSkipsColumnsWithoutTabStop();
    void rowSelectMovesRowsAndDropsAlwaysShowEditor();
    void selectCellCanRefuse();
    void mouseSelectionAndTimedScroll();
    void dividerSizing();
    void columnMovingByMouse();
    void wheelMovesTheCurrentRow();
    void dragScrollsToTheLastColumnAndStops();
    void scrollBarsMapTheTopLeft();
    void singleWideColumnScrollsByPixels();
    void invalidateColRepaintsTheRowsShownAfterScrolling();
    void paintingByRelations();
    void editorTextSitsWhereTheCellDrawsIt();
};

void GridInputTest::typingOpensTheEditorAndWritesTheCell()
{
    Fixture f(goEditing);
    int keyDowns = 0;
    int keyPresses = 0;
    f.grid->OnKeyDown = [&](QObject*, int&, TShiftState) { ++keyDowns; };
    f.grid->OnKeyPress = [&](QObject*, QChar&) { ++keyPresses; };
    f.grid->SetCells(1, 1, QStringLiteral("old"));
    QTest::keyClicks(f.grid, QStringLiteral("n"));
    // The key reaches the grid once, its character once (through the editor).
    QCOMPARE(keyDowns, 1);
    QCOMPARE(keyPresses, 1);
    QVERIFY(f.editorShown());
    QVERIFY(f.grid->EditorMode());
    QCOMPARE(f.window->focusWidget(), static_cast<QWidget*>(f.editor()));
    // The first character replaces the cell's text, the next ones add to it.
    QCOMPARE(f.editor()->text(), QStringLiteral("n"));
    QTest::keyClicks(f.editor(), QStringLiteral("ew"));
    QCOMPARE(f.grid->Cells(1, 1), QStringLiteral("new"));
    QTest::keyClick(f.editor(), Qt::Key_Backspace);
    QCOMPARE(f.grid->Cells(1, 1), QStringLiteral("ne"));

    // Without goEditing typing changes nothing.
    Fixture g;
    g.grid->SetCells(1, 1, QStringLiteral("keep"));
    QTest::keyClicks(g.grid, QStringLiteral("xy"));
    QVERIFY(g.editor() == nullptr);
    QCOMPARE(g.grid->Cells(1, 1), QStringLiteral("keep"));
}

void GridInputTest::navigationNeverErasesCells()
{
    Fixture f(goEditing | goAlwaysShowEditor | goTabs);
    for (int r = 1; r < 5; ++r)
        for (int c = 1; c < 5; ++c)
            f.grid->SetCells(c, r, QStringLiteral("%1/%2").arg(c).arg(r));
    f.grid->setFocus();
    QApplication::processEvents();
    QVERIFY(f.editorShown());
    QCOMPARE(f.editor()->text(), QStringLiteral("1/1"));
    // Moving through the grid loads cell after cell into the editor.
    for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_PageDown,
                    Qt::Key_PageUp, Qt::Key_Escape}) {
        QWidget* target = f.editorShown() ? static_cast<QWidget*>(f.editor()) : f.grid;
        QTest::keyClick(target, Qt::Key(key));
    }
    f.grid->SetCol(4);
    f.grid->SetRow(4);
    QCOMPARE(f.editor()->text(), QStringLiteral("4/4"));
    for (int r = 1; r < 5; ++r)
        for (int c = 1; c < 5; ++c)
            QCOMPARE(f.grid->Cells(c, r), QStringLiteral("%1/%2").arg(c).arg(r));
}

void GridInputTest::codeWritesReloadTheEditor()
{
    Fixture f(goEditing);
    f.grid->SetCells(1, 1, QStringLiteral("a"));
    QTest::keyClick(f.grid, Qt::Key_F2);
    QVERIFY(f.editorShown());
    QCOMPARE(f.editor()->text(), QStringLiteral("a"));
    f.grid->SetCells(1, 1, QStringLiteral("from code"));
    QCOMPARE(f.editor()->text(), QStringLiteral("from code"));
    f.grid->SetCells(2, 1, QStringLiteral("elsewhere"));
    QCOMPARE(f.editor()->text(), QStringLiteral("from code"));
    // A new fixed count moves the current cell, and the editor with it.
    f.grid->SetFixedCols(2);
    QVERIFY(f.editorShown());
    QCOMPARE(f.editor()->text(), QStringLiteral("elsewhere"));
    QCOMPARE(f.editor()->geometry(), f.grid->CellRect(2, 1));
}

void GridInputTest::caretKeysStayInTheEditor()
{
    Fixture f(goEditing);
    std::vector<int> keys;
    f.grid->OnKeyDown = [&](QObject*, int& key, TShiftState) { keys.push_back(key); };
    f.grid->SetCells(1, 1, QStringLiteral("abc"));
    QTest::keyClick(f.grid, Qt::Key_F2);
    keys.clear();
    QTest::keyClick(f.editor(), Qt::Key_End);
    QTest::keyClick(f.editor(), Qt::Key_Right);
    QCOMPARE(f.editor()->cursorPosition(), 3);
    QTest::keyClick(f.editor(), Qt::Key_Home);
    QTest::keyClick(f.editor(), Qt::Key_Left);
    QCOMPARE(f.editor()->cursorPosition(), 0);
    // They reach the grid's key handler on their way to the edit.
    QCOMPARE(keys, (std::vector<int>{Qt::Key_End, Qt::Key_Right, Qt::Key_Home, Qt::Key_Left}));
    QCOMPARE(f.grid->Col(), 1);
    QCOMPARE(f.grid->Row(), 1);
    QVERIFY(f.editorShown());
    // Up and Down belong to the grid.
    QTest::keyClick(f.editor(), Qt::Key_Down);
    QCOMPARE(f.grid->Row(), 2);
}

void GridInputTest::readOnlyCellRefusesEveryEdit()
{
    Fixture f(goEditing);
    f.grid->editLimit = -1;
    f.grid->SetCells(1, 1, QStringLiteral("fixed"));
    QTest::keyClick(f.grid, Qt::Key_F2);
    QVERIFY(f.editorShown());
    QVERIFY(!f.grid->CanEditModify());
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClick(f.editor(), Qt::Key_End);
    QTest::keyClicks(f.editor(), QStringLiteral("xyz"));
    QTest::keyClick(f.editor(), Qt::Key_Backspace);
    QTest::keyClick(f.editor(), Qt::Key_Home);
    QTest::keyClick(f.editor(), Qt::Key_Delete);
    QTest::keyClick(f.editor(), Qt::Key_V, Qt::ControlModifier);
    f.editor()->selectAll();
    QTest::keyClick(f.editor(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(f.editor()->text(), QStringLiteral("fixed"));
    QCOMPARE(f.grid->Cells(1, 1), QStringLiteral("fixed"));

    // A cell with a limit of 0 is editable again.
    f.grid->editLimit = 0;
    QTest::keyClick(f.editor(), Qt::Key_Down);
    QTest::keyClicks(f.grid, QStringLiteral("ok"));
    QCOMPARE(f.grid->Cells(1, 2), QStringLiteral("ok"));

    // A length limit stops typing but shows a longer text whole.
    f.grid->editLimit = 3;
    f.grid->SetCells(1, 3, QStringLiteral("abcdef"));
    QTest::keyClick(f.editor(), Qt::Key_Down);
    QTest::keyClick(f.grid, Qt::Key_F2);
    QCOMPARE(f.editor()->text(), QStringLiteral("abcdef"));
    QTest::keyClick(f.editor(), Qt::Key_End);
    QTest::keyClicks(f.editor(), QStringLiteral("x"));
    QCOMPARE(f.grid->Cells(1, 3), QStringLiteral("abcdef"));
    QTest::keyClick(f.editor(), Qt::Key_Down);
    QTest::keyClicks(f.grid, QStringLiteral("12345"));
    QCOMPARE(f.grid->Cells(1, 4), QStringLiteral("123"));
}

void GridInputTest::escapeReachesTheGridAndNeverTypes()
{
    Fixture f(goEditing);
    std::vector<int> keys;
    f.grid->OnKeyDown = [&](QObject*, int& key, TShiftState) { keys.push_back(key); };
    f.grid->SetCells(1, 1, QStringLiteral("t"));
    QTest::keyClick(f.grid, Qt::Key_F2);
    keys.clear();
    QTest::keyClick(f.editor(), Qt::Key_Escape);
    QCOMPARE(keys, std::vector<int>{Qt::Key_Escape});
    QCOMPARE(f.editor()->text(), QStringLiteral("t"));
    QCOMPARE(f.grid->Cells(1, 1), QStringLiteral("t"));

    // A grid that does not edit leaves Escape to its dialog too; an editing one keeps it.
    QDialog dialog;
    auto* grid = new ProbeGrid(&dialog);
    for (bool editing : {false, true}) {
        grid->SetOptions(editing ? grid->Options() | goEditing : grid->Options() & ~TGridOptions(goEditing));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        grid->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(grid, Qt::Key_Escape);
        QCOMPARE(dialog.isHidden(), !editing);
    }
}

void GridInputTest::enterTogglesTheEditorsSelection()
{
    Fixture f(goEditing | goAlwaysShowEditor);
    f.grid->SetCells(1, 1, QStringLiteral("text"));
    QVERIFY(f.editorShown());
    QCOMPARE(f.window->focusWidget(), static_cast<QWidget*>(f.editor()));
    QCOMPARE(f.editor()->selectedText(), QStringLiteral("text"));
    QTest::keyClick(f.editor(), Qt::Key_Return);
    QVERIFY(!f.editor()->hasSelectedText());
    QTest::keyClick(f.editor(), Qt::Key_Return);
    QCOMPARE(f.editor()->selectedText(), QStringLiteral("text"));

    // Without goAlwaysShowEditor Enter on the grid opens and closes the editor.
    Fixture g(goEditing);
    QTest::keyClick(g.grid, Qt::Key_Return);
    QVERIFY(g.editorShown());
    QTest::keyClick(g.editor(), Qt::Key_Return);
    QVERIFY(!g.editorShown());
    QVERIFY(!g.grid->EditorMode());
}

void GridInputTest::refusedCharacterBeeps()
{
    Fixture f(goEditing, QSize(400, 200), true);
    SetMessageBeepHandler(nullptr);
    ResetMessageBeepCount();
    QTest::keyClicks(f.grid, QStringLiteral("1a2"));
    QCOMPARE(f.grid->Cells(1, 1), QStringLiteral("12"));
    QCOMPARE(MessageBeepCount(), 1);
}

void GridInputTest::clickThenEditorClickIsADoubleClick()
{
    Fixture f(goEditing);
    int doubleClicks = 0;
    f.grid->OnDblClick = [&](QObject*) { ++doubleClicks; };
    QTest::keyClick(f.grid, Qt::Key_Return);  // the editor comes into being
    QTest::keyClick(f.editor(), Qt::Key_Return);
    QVERIFY(!f.editorShown());
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, f.center(1, 1));
    QVERIFY(f.editorShown());
    QCOMPARE(doubleClicks, 0);
    QTest::mouseClick(f.editor(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(doubleClicks, 1);
    // A later click on the editor alone is a single click.
    QTest::mouseClick(f.editor(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(doubleClicks, 1);
}

void GridInputTest::arrowHomeEndAndPageKeys()
{
    Fixture f({}, QSize(400, 140));
    f.grid->SetColCount(20);
    f.grid->SetRowCount(50);
    QTest::keyClick(f.grid, Qt::Key_Left);  // not into the fixed column
    QCOMPARE(f.grid->Col(), 1);
    QTest::keyClick(f.grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(f.grid, Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(f.grid->Selection() == (TGridRect{1, 1, 2, 2}));
    QTest::keyClick(f.grid, Qt::Key_Right);
    QTest::keyClick(f.grid, Qt::Key_Left);
    QVERIFY(f.grid->Selection() == (TGridRect{2, 2, 2, 2}));
    QTest::keyClick(f.grid, Qt::Key_End);
    QCOMPARE(f.grid->Col(), 19);
    QVERIFY(f.grid->LeftCol() > 1);  // scrolled into view
    QTest::keyClick(f.grid, Qt::Key_Home);
    QCOMPARE(f.grid->Col(), 1);
    QCOMPARE(f.grid->LeftCol(), 1);
    const int page = f.grid->VisibleRowCount();
    QVERIFY(page >= 1);
    QTest::keyClick(f.grid, Qt::Key_PageDown);
    QCOMPARE(f.grid->Row(), 2 + page);
    QCOMPARE(f.grid->TopRow(), 1 + page);
    QTest::keyClick(f.grid, Qt::Key_End, Qt::ControlModifier);
    QVERIFY(f.grid->Col() == 19 && f.grid->Row() == 49);
    QTest::keyClick(f.grid, Qt::Key_Home, Qt::ControlModifier);
    QVERIFY(f.grid->Col() == 1 && f.grid->Row() == 1);
    // Ctrl+Down scrolls without moving the current cell.
    QTest::keyClick(f.grid, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(f.grid->TopRow(), 2);
    QCOMPARE(f.grid->Row(), 1);
}

void GridInputTest::tabWrapsAndSkipsColumnsWithoutTabStop()
{
    Fixture f(goTabs);
    f.grid->SetCol(4);
    f.grid->SetRow(4);
    QTest::keyClick(f.grid, Qt::Key_Tab);  // last cell of the last row: back to the first
    QVERIFY(f.grid->Col() == 1 && f.grid->Row() == 1);
    f.grid->SetTabStops(2, false);
    QTest::keyClick(f.grid, Qt::Key_Tab);
    QCOMPARE(f.grid->Col(), 3);
    QTest::keyClick(f.grid, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.grid->Col(), 1);
    QTest::keyClick(f.grid, Qt::Key_Backtab, Qt::ShiftModifier);  // wraps backwards
    QVERIFY(f.grid->Col() == 4 && f.grid->Row() == 4);
    QVERIFY(f.grid->Anchor() == (TGridCoord{4, 4}));
    QCOMPARE(f.window->focusWidget(), static_cast<QWidget*>(f.grid));

    // Also from the editor; without goTabs, Tab leaves the grid for the next control.
    Fixture g(goTabs | goEditing);
    QTest::keyClick(g.grid, Qt::Key_F2);
    QTest::keyClick(g.editor(), Qt::Key_Tab);
    QCOMPARE(g.grid->Col(), 2);
    Fixture h(goEditing);
    int exits = 0;
    int enters = 0;
    h.grid->OnExit = [&](QObject*) { ++exits; };
    h.grid->OnEnter = [&](QObject*) { ++enters; };
    QTest::keyClick(h.grid, Qt::Key_F2);
    QVERIFY(h.editorShown());
    QTest::keyClick(h.editor(), Qt::Key_Tab);
    QCOMPARE(h.grid->Col(), 1);
    QVERIFY(h.window->focusWidget() != h.grid && h.window->focusWidget() != h.editor());
    QCOMPARE(exits, 1);
    QVERIFY(!h.editorShown());
    QVERIFY(!h.grid->EditorMode());
    // Moving between grid and editor neither enters nor exits; coming back enters once.
    h.grid->setFocus(Qt::TabFocusReason);
    QTest::keyClick(h.grid, Qt::Key_F2);
    QCOMPARE(h.window->focusWidget(), static_cast<QWidget*>(h.editor()));
    QTest::keyClick(h.editor(), Qt::Key_Down);
    QCOMPARE(h.window->focusWidget(), static_cast<QWidget*>(h.grid));
    QCOMPARE(enters, 1);
    QCOMPARE(exits, 1);
}

void GridInputTest::rowSelectMovesRowsAndDropsAlwaysShowEditor()
{
    Fixture f;
    f.grid->SetOptions(f.grid->Options() | goRowSelect | goAlwaysShowEditor | goEditing);
    QVERIFY(!(f.grid->Options() & goAlwaysShowEditor));
    QVERIFY(f.grid->Selection() == (TGridRect{1, 1, 4, 1}));
    QTest::keyClick(f.grid, Qt::Key_Right);
    QCOMPARE(f.grid->Row(), 2);
    QTest::keyClick(f.grid, Qt::Key_Left);
    QCOMPARE(f.grid->Row(), 1);
    QVERIFY(!f.grid->CanEditShow());
}

void GridInputTest::selectCellCanRefuse()
{
    Fixture f;
    f.grid->selectable = [](int col, int) { return col != 2; };
    QTest::keyClick(f.grid, Qt::Key_Right);
    QCOMPARE(f.grid->Col(), 1);
    // A smaller grid brings the current cell back inside even when that cell refuses.
    f.grid->SetRow(4);
    f.grid->selectable = [](int, int row) { return row != 2; };
    f.grid->SetRowCount(3);
    QCOMPARE(f.grid->Row(), 2);
    QCOMPARE(f.grid->Anchor().Y, 2);
}

void GridInputTest::mouseSelectionAndTimedScroll()
{
    Fixture f({}, QSize(400, 160));
    f.grid->SetRowCount(40);
    QWidget* vp = f.grid->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, f.center(1, 1));
    QCOMPARE(f.grid->GridState(), gsSelecting);
    QVERIFY(f.grid->ScrollTimerActive());
    QCOMPARE(f.grid->ScrollTimerInterval(), 60);
    QTest::mouseMove(vp, f.center(3, 2));
    QVERIFY(f.grid->Selection() == (TGridRect{1, 1, 3, 2}));
    QVERIFY(f.grid->Anchor() == (TGridCoord{3, 2}));
    // Below the grid: each tick moves the anchor one row down and scrolls.
    QTest::mouseMove(vp, QPoint(f.center(3, 2).x(), vp->height() + 30));
    const int top = f.grid->TopRow();
    for (int i = 0; i < 10; ++i)
        f.grid->TimedScroll();
    QVERIFY(f.grid->Anchor().Y > 2);
    QVERIFY(f.grid->TopRow() > top);
    QCOMPARE(f.grid->Row(), 1);  // the current cell stays
    // Past the last row the anchor stops.
    for (int i = 0; i < 60; ++i)
        f.grid->TimedScroll();
    QCOMPARE(f.grid->Anchor().Y, 39);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(f.center(3, 2).x(), vp->height() + 30));
    QCOMPARE(f.grid->GridState(), gsNormal);
    QVERIFY(!f.grid->ScrollTimerActive());

    // Shift+click moves only the anchor.
    f.grid->SetTopRow(1);
    f.grid->SetRow(2);
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, f.center(2, 3));
    QCOMPARE(f.grid->Row(), 2);
    QVERIFY(f.grid->Anchor() == (TGridCoord{2, 3}));

    // Losing the focus while the button is held ends the selecting: the mouse no longer
    // drags the anchor and the timer stops.
    QTest::mousePress(vp, Qt::LeftButton, {}, f.center(1, 1));
    f.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(f.grid->GridState(), gsNormal);
    QVERIFY(!f.grid->ScrollTimerActive());
    QTest::mouseMove(vp, f.center(3, 3));
    QVERIFY(f.grid->Anchor() == (TGridCoord{1, 1}));
}

void GridInputTest::dividerSizing()
{
    Fixture f(goColSizing | goRowSizing);
    QWidget* vp = f.grid->viewport();
    const QRect c1 = f.grid->CellRect(1, 0);
    const int divider = c1.right() + 1;
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(divider, 5));
    QCOMPARE(f.grid->GridState(), gsColSizing);
    QTest::mouseMove(vp, QPoint(divider + 20, 5));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(divider + 20, 5));
    QCOMPARE(f.grid->ColWidths(1), 84);

    // Dragged to a width of 1 or less: nothing changes.
    const int d2 = f.grid->CellRect(2, 0).right() + 1;
    const int start2 = f.grid->CellRect(2, 0).left();
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(d2, 5));
    QTest::mouseMove(vp, QPoint(start2 + 1, 5));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(start2 + 1, 5));
    QCOMPARE(f.grid->ColWidths(2), 64);

    // A column of width -1 keeps it: its divider sits just before where it starts.
    f.grid->SetColWidths(0, -1);
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(1, 5));
    QCOMPARE(f.grid->GridState(), gsColSizing);
    QTest::mouseMove(vp, QPoint(41, 5));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(41, 5));
    QCOMPARE(f.grid->ColWidths(0), -1);
    QCOMPARE(f.grid->ColWidths(1), 84);
    f.grid->SetColWidths(0, 64);

    // A sizing cut off by a focus change applies nothing.
    const int d3 = f.grid->CellRect(3, 0).right() + 1;
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(d3, 5));
    QTest::mouseMove(vp, QPoint(d3 + 15, 5));
    f.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(f.grid->GridState(), gsNormal);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(d3 + 15, 5));
    QCOMPARE(f.grid->ColWidths(3), 64);
    f.grid->setFocus(Qt::OtherFocusReason);

    // Rows size the same way.
    const int rowDivider = f.grid->CellRect(0, 1).bottom() + 1;
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(5, rowDivider));
    QCOMPARE(f.grid->GridState(), gsRowSizing);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(5, rowDivider + 6));
    QCOMPARE(f.grid->RowHeights(1), 30);
}

void GridInputTest::columnMovingByMouse()
{
    Fixture f(goColMoving);
    for (int c = 0; c < 5; ++c)
        f.grid->SetCells(c, 0, QString(QChar('A' + c)));
    QWidget* vp = f.grid->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, f.center(1, 0));
    QCOMPARE(f.grid->GridState(), gsColMoving);
    QTest::mouseMove(vp, f.center(3, 0));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, f.center(3, 0));
    QCOMPARE(f.grid->Rows(0).ToStringList(), (QStringList{"A", "C", "D", "B", "E"}));
}

void GridInputTest::wheelMovesTheCurrentRow()
{
    Fixture f;
    auto turn = [&](int delta, int times) {
        for (int i = 0; i < times; ++i) {
            QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(f.grid->viewport(), &wheel);
        }
        return f.grid->Row();
    };
    QCOMPARE(turn(-120, 1), 2);
    QCOMPARE(turn(120, 2), 1);  // never into the fixed rows
    // On the last row, turning down keeps it there.
    f.grid->SetRow(4);
    QCOMPARE(turn(-120, 2), 4);
}

void GridInputTest::dragScrollsToTheLastColumnAndStops()
{
    Fixture f({}, QSize(300, 160));
    f.grid->SetColCount(30);
    QWidget* vp = f.grid->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, f.center(1, 1));
    QTest::mouseMove(vp, QPoint(vp->width() + 30, f.center(1, 1).y()));
    for (int i = 0; i < 80; ++i)
        f.grid->TimedScroll();
    QCOMPARE(f.grid->Anchor().X, 29);
    QCOMPARE(f.grid->Anchor().Y, 1);
    QVERIFY(f.grid->LeftCol() > 1);
    QVERIFY(f.grid->CellRect(29, 1).right() <= vp->width());  // the last column is in view
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(vp->width() + 30, f.center(1, 1).y()));
    QCOMPARE(f.grid->Col(), 1);
}

void GridInputTest::scrollBarsMapTheTopLeft()
{
    Fixture f;
    QScrollBar* bar = f.grid->verticalScrollBar();
    QCOMPARE(bar->maximum(), 0);  // nothing to scroll
    f.grid->SetRowCount(101);
    QCOMPARE(bar->maximum(), 127);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(f.grid->TopRow(), 2);
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    const int last = f.grid->TopRow();
    QCOMPARE(bar->value(), 127);
    QCOMPARE(f.grid->TopRow() + f.grid->VisibleRowCount() - 1, 100);
    f.grid->SetTopRow(1);
    QCOMPARE(bar->value(), 0);
    f.grid->SetTopRow((last + 1) / 2);
    QVERIFY(bar->value() > 0 && bar->value() < 127);
    // A first row or column outside the scrolling cells is pulled back into them.
    f.grid->SetTopRow(-3);
    QCOMPARE(f.grid->TopRow(), 1);
    f.grid->SetLeftCol(9);
    QCOMPARE(f.grid->LeftCol(), 4);
    f.grid->SetLeftCol(1);
    f.grid->SetTopRow(101);
    QCOMPARE(f.grid->TopRow(), 100);
    f.grid->viewport()->grab();

    // Without thumb tracking the grid follows the thumb when it is released.
    f.grid->SetTopRow(1);
    bar->setSliderDown(true);
    bar->setSliderPosition(127);
    QCOMPARE(f.grid->TopRow(), 1);
    bar->setSliderDown(false);
    QCOMPARE(f.grid->TopRow(), last);
    // With it, while it is dragged.
    f.grid->SetOptions(f.grid->Options() | goThumbTracking);
    bar->setSliderDown(true);
    bar->setSliderPosition(0);
    QCOMPARE(f.grid->TopRow(), 1);
    bar->setSliderDown(false);
}

void GridInputTest::singleWideColumnScrollsByPixels()
{
    Fixture f;
    f.grid->SetColCount(1);
    QScrollBar* bar = f.grid->horizontalScrollBar();
    QCOMPARE(bar->maximum(), 0);
    const int client = f.grid->viewport()->width();
    f.grid->SetColWidths(0, client + 300);
    QCOMPARE(bar->maximum(), 127);
    f.grid->SetCells(0, 1, QStringLiteral("WWWW"));
    auto inkNearLeft = [&] {
        const QRect r = f.grid->CellRect(0, 1);
        return f.inkBox(0, 1, QRect(QPoint(0, r.top()), QPoint(60, r.bottom())));
    };
    QVERIFY(!inkNearLeft().isEmpty());
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(f.grid->CellRect(0, 1).left(), -300);
    QCOMPARE(f.grid->CellRect(0, 1).right(), client - 1);
    QVERIFY(inkNearLeft().isEmpty());
    QCOMPARE(f.grid->LeftCol(), 0);
    // Hit tests follow the shifted column.
    QVERIFY(f.grid->MouseCoord(5, f.grid->CellRect(0, 2).center().y()) == (TGridCoord{0, 2}));
    QVERIFY(f.grid->MouseCoord(client - 2, 5) == (TGridCoord{0, 0}));
    // The divider at the column's end is at the right edge now, and can be dragged.
    f.grid->SetOptions(f.grid->Options() | goColSizing);
    QTest::mousePress(f.grid->viewport(), Qt::LeftButton, {}, QPoint(client - 1, 5));
    QCOMPARE(f.grid->GridState(), gsColSizing);
    QTest::mouseRelease(f.grid->viewport(), Qt::LeftButton, {}, QPoint(client - 51, 5));
    QCOMPARE(f.grid->ColWidths(0), client + 300 - 50);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QVERIFY(f.grid->CellRect(0, 1).left() > -300);
    // A second column ends the pixel scrolling.
    f.grid->SetColCount(2);
    QCOMPARE(f.grid->CellRect(0, 1).left(), 0);
}

void GridInputTest::invalidateColRepaintsTheRowsShownAfterScrolling()
{
    Fixture f;
    f.grid->SetRowCount(200);
    f.grid->SetTopRow(120);
    QApplication::processEvents();
    const int shown = f.grid->VisibleRowCount();
    f.grid->painted.clear();
    f.grid->InvalidateCol(2);
    QApplication::processEvents();
    QVERIFY(f.grid->painted.contains({2, 120}));
    QVERIFY(f.grid->painted.contains({2, 120 + shown - 1}));
    QVERIFY(!f.grid->painted.contains({3, 120}));
    f.grid->painted.clear();
    f.grid->InvalidateRow(121);
    QApplication::processEvents();
    QVERIFY(f.grid->painted.contains({0, 121}));
    QVERIFY(f.grid->painted.contains({3, 121}));
    QVERIFY(!f.grid->painted.contains({3, 122}));
}

void GridInputTest::paintingByRelations()
{
    Fixture f({}, QSize(400, 200));
    f.grid->SetColor(QColor(255, 255, 255));
    f.grid->SetFixedColor(QColor(200, 200, 200));
    f.grid->SetCells(2, 2, QStringLiteral("WWWWWW"));
    QTest::keyClick(f.grid, Qt::Key_Right, Qt::ShiftModifier);  // selects (1,1)-(2,1)
    QApplication::processEvents();
    const QImage image = f.grid->viewport()->grab().toImage();
    auto at = [&](int col, int row) { return image.pixelColor(f.grid->CellRect(col, row).center()); };
    QCOMPARE(at(0, 0), QColor(200, 200, 200));
    QCOMPARE(at(3, 3), QColor(255, 255, 255));
    // The selected cell that is not the current one is highlighted; the current one is not.
    QCOMPARE(at(1, 1), SysColor(TSysColor::Highlight));
    QVERIFY(at(1, 1) != at(3, 3));
    QCOMPARE(at(2, 1), QColor(255, 255, 255));
    QVERIFY(!f.inkBox(2, 2).isEmpty());
    QVERIFY(f.inkBox(3, 2).isEmpty());
    // Grid lines: silver between scrolling cells, black between fixed ones.
    const QRect c = f.grid->CellRect(3, 3);
    QCOMPARE(image.pixelColor(c.right() + 1, c.center().y()), QColor(192, 192, 192));
    const QRect h = f.grid->CellRect(2, 0);
    QCOMPARE(image.pixelColor(h.right() + 1, h.center().y()), QColor(Qt::black));
    // The area beyond the last cell has the grid colour.
    const QRect last = f.grid->CellRect(4, 4);
    QCOMPARE(image.pixelColor(last.right() + 10, last.top() + 2), QColor(255, 255, 255));
}

void GridInputTest::editorTextSitsWhereTheCellDrawsIt()
{
    // Opening and closing the editor must not make the text jump, also in a tall row.
    Fixture f(goEditing);
    f.grid->editLimit = -1;  // read-only: no caret in the picture
    f.grid->SetColor(QColor(255, 255, 255));
    f.grid->SetRowHeights(2, 40);
    f.grid->SetCells(1, 2, QStringLiteral("Wy3.2"));
    const QRect drawn = f.inkBox(1, 2);
    QVERIFY(!drawn.isEmpty());
    f.grid->SetRow(2);
    QTest::keyClick(f.grid, Qt::Key_F2);
    QVERIFY(f.editorShown());
    f.editor()->Deselect();
    const QRect edited = f.inkBox(1, 2);
    QVERIFY(qAbs(edited.left() - drawn.left()) <= 1);
    QVERIFY(qAbs(edited.top() - drawn.top()) <= 1);
    QVERIFY(qAbs(edited.bottom() - drawn.bottom()) <= 1);
}

QTEST_MAIN(GridInputTest)
#include "GridInputTest.moc"
