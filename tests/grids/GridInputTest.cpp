// The grid on screen: the in-place editor, keyboard and mouse, scrolling and painting.

#include "GridProbe.h"

#include "grids/GridPlatform.h"
#include "platform/MessageBeep.h"

#include <QClipboard>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <QVBoxLayout>

#include <memory>

namespace {

// A window with the grid and one other control, shown and with the grid focused.
struct Fixture {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit* other = nullptr;
    ProbeGrid* grid = nullptr;

    explicit Fixture(TGridOptions extra = {}, QSize size = QSize(400, 200))
    {
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        other = new QLineEdit(window.get());
        grid = new ProbeGrid(window.get());
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
    QWidget* focus() const { return window->focusWidget(); }
    QList<int> cell() const { return {grid->Col(), grid->Row()}; }
    void key(int k, Qt::KeyboardModifiers m = {}) const
    {
        QTest::keyClick(editorShown() ? static_cast<QWidget*>(editor()) : grid, Qt::Key(k), m);
    }
    // Presses at `from`, moves to and releases at `to`; the state the press started.
    TGridState drag(QPoint from, QPoint to) const
    {
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, from);
        const TGridState state = grid->GridState();
        QTest::mouseMove(grid->viewport(), to);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, to);
        return state;
    }
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
    void navigationAndCodeWritesReloadTheEditor();
    void caretKeysStayInTheEditorAndEscapeNeverTypes();
    void readOnlyAndLimitedCells();
    void enterTogglesTheEditorAndItsSelection();
    void bracketDisablesButKeepsTheFocus();
    void arrowHomeEndAndPageKeys();
    void tabWrapsSkipsAndLeaves();
    void rowSelectAndRefusedCells();
    void mouseSelectionAndTimedScroll();
    void dividerSizingAndColumnMoving();
    void scrollBarsMapTheTopLeft();
    void wheelAndDragStopAtTheLastCell();
    void clickThenEditorClickIsADoubleClick();
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
    // The key reaches the grid once, its character once (through the editor); the first
    // character replaces the cell's text, the next ones add to it.
    QCOMPARE(QList<int>({keyDowns, keyPresses}), QList<int>({1, 1}));
    QVERIFY(f.editorShown() && f.grid->EditorMode() && f.focus() == f.editor());
    QTest::keyClicks(f.editor(), QStringLiteral("ewx"));
    QTest::keyClick(f.editor(), Qt::Key_Backspace);
    QCOMPARE(f.grid->Cells(1, 1), QStringLiteral("new"));

    // A refused character beeps; without goEditing typing changes nothing.
    f.grid->digitsOnly = true;
    SetMessageBeepHandler(nullptr);
    ResetMessageBeepCount();
    f.key(Qt::Key_Down);
    QTest::keyClicks(f.grid, QStringLiteral("1a2"));
    QCOMPARE(f.grid->Cells(1, 2) + QString::number(MessageBeepCount()), QStringLiteral("121"));
    Fixture g;
    QTest::keyClicks(g.grid, QStringLiteral("xy"));
    QVERIFY(g.editor() == nullptr && g.grid->Cells(1, 1).isEmpty());
}

void GridInputTest::navigationAndCodeWritesReloadTheEditor()
{
    Fixture f(goEditing | goAlwaysShowEditor | goTabs);
    for (int r = 1; r < 5; ++r)
        for (int c = 1; c < 5; ++c)
            f.grid->SetCells(c, r, QStringLiteral("%1/%2").arg(c).arg(r));
    f.grid->setFocus();
    QApplication::processEvents();
    QVERIFY(f.editorShown() && f.editor()->text() == QStringLiteral("1/1"));
    // Moving through the grid loads cell after cell into the editor and erases none.
    for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_PageDown,
                    Qt::Key_PageUp, Qt::Key_Escape})
        f.key(key);
    f.grid->SetCol(4);
    f.grid->SetRow(4);
    QCOMPARE(f.editor()->text(), QStringLiteral("4/4"));
    for (int r = 1; r < 5; ++r)
        for (int c = 1; c < 5; ++c)
            QCOMPARE(f.grid->Cells(c, r), QStringLiteral("%1/%2").arg(c).arg(r));
    // A code write into the current cell reloads the editor, one elsewhere does not.
    f.grid->SetCells(4, 4, QStringLiteral("from code"));
    f.grid->SetCells(3, 4, QStringLiteral("elsewhere"));
    QCOMPARE(f.editor()->text(), QStringLiteral("from code"));
    // A new fixed count moves the current cell, and the editor with it.
    f.grid->SetRow(1);
    f.grid->SetCells(2, 1, QStringLiteral("first"));
    f.grid->SetFixedCols(2);
    QVERIFY(f.editorShown() && f.editor()->text() == QStringLiteral("first"));
    QCOMPARE(f.editor()->geometry(), f.grid->CellRect(2, 1));
}

void GridInputTest::caretKeysStayInTheEditorAndEscapeNeverTypes()
{
    Fixture f(goEditing);
    std::vector<int> keys;
    f.grid->OnKeyDown = [&](QObject*, int& key, TShiftState) { keys.push_back(key); };
    f.grid->SetCells(1, 1, QStringLiteral("abc"));
    QTest::keyClick(f.grid, Qt::Key_F2);
    keys.clear();
    for (int key : {Qt::Key_End, Qt::Key_Right, Qt::Key_Home, Qt::Key_Left, Qt::Key_Escape})
        f.key(key);
    QCOMPARE(f.editor()->cursorPosition(), 0);
    // They reach the grid's key handler on their way to the edit.
    QCOMPARE(keys, (std::vector<int>{Qt::Key_End, Qt::Key_Right, Qt::Key_Home, Qt::Key_Left, Qt::Key_Escape}));
    QVERIFY(f.cell() == QList<int>({1, 1}) && f.editorShown() && f.grid->Cells(1, 1) == QStringLiteral("abc"));
    f.key(Qt::Key_Down);  // Up and Down belong to the grid
    QCOMPARE(f.grid->Row(), 2);

    // A grid that does not edit leaves Escape to its dialog too; an editing one keeps it.
    QDialog dialog;
    auto* grid = new ProbeGrid(&dialog);
    QList<bool> closed;
    for (bool editing : {false, true}) {
        grid->SetOptions(editing ? grid->Options() | goEditing : grid->Options() & ~TGridOptions(goEditing));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        grid->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(grid, Qt::Key_Escape);
        closed << dialog.isHidden();
    }
    QCOMPARE(closed, QList<bool>({true, false}));
}

void GridInputTest::readOnlyAndLimitedCells()
{
    Fixture f(goEditing);
    f.grid->editLimit = -1;
    f.grid->SetCells(1, 1, QStringLiteral("fixed"));
    QTest::keyClick(f.grid, Qt::Key_F2);
    QVERIFY(f.editorShown() && !f.grid->CanEditModify());
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    f.key(Qt::Key_End);
    QTest::keyClicks(f.editor(), QStringLiteral("xyz"));
    for (int key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Delete})
        f.key(key);
    f.key(Qt::Key_V, Qt::ControlModifier);
    f.editor()->selectAll();
    f.key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(f.editor()->text() + f.grid->Cells(1, 1), QStringLiteral("fixedfixed"));

    // A length limit stops typing but shows a longer text whole.
    f.grid->editLimit = 3;
    f.key(Qt::Key_Down);
    f.grid->SetCells(1, 3, QStringLiteral("abcdef"));
    f.key(Qt::Key_Down);
    QTest::keyClick(f.grid, Qt::Key_F2);
    QCOMPARE(f.editor()->text(), QStringLiteral("abcdef"));
    f.key(Qt::Key_End);
    QTest::keyClicks(f.editor(), QStringLiteral("x"));
    f.key(Qt::Key_Down);
    QTest::keyClicks(f.grid, QStringLiteral("12345"));
    QCOMPARE(f.grid->Cols(1).ToStringList().mid(3), (QStringList{"abcdef", "123"}));
}

void GridInputTest::enterTogglesTheEditorAndItsSelection()
{
    Fixture f(goEditing | goAlwaysShowEditor);
    f.grid->SetCells(1, 1, QStringLiteral("text"));
    QCOMPARE(f.focus(), static_cast<QWidget*>(f.editor()));
    QCOMPARE(f.editor()->selectedText(), QStringLiteral("text"));
    f.key(Qt::Key_Return);
    QVERIFY(!f.editor()->hasSelectedText());
    f.key(Qt::Key_Return);
    QCOMPARE(f.editor()->selectedText(), QStringLiteral("text"));
    // Without goAlwaysShowEditor Enter closes the editor and opens it again.
    f.grid->SetOptions(f.grid->Options() & ~TGridOptions(goAlwaysShowEditor));
    f.key(Qt::Key_Return);
    QVERIFY(!f.editorShown() && !f.grid->EditorMode());
    f.key(Qt::Key_Return);
    QVERIFY(f.editorShown());
}

void GridInputTest::bracketDisablesButKeepsTheFocus()
{
    int otherFocusIns = 0;  // outlives the fixture, whose closing window still moves the focus
    Fixture f(goEditing);
    QObject::connect(qApp, &QApplication::focusChanged, f.grid, [&otherFocusIns, other = f.other](QWidget*, QWidget* now) {
        otherFocusIns += now == other ? 1 : 0;
    });
    f.grid->SetRowCount(50);
    f.grid->BeginUpdate();
    QVERIFY(!f.grid->Enabled());
    QApplication::processEvents();
    // No input while disabled: keys, the mouse on the cells and the scroll bars do nothing.
    f.key(Qt::Key_Down);
    QTest::mouseClick(f.grid->viewport(), Qt::LeftButton, {}, f.center(3, 3));
    f.grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(QList<int>({f.grid->Row(), f.grid->Col(), f.grid->TopRow()}), QList<int>({1, 1, 1}));
    f.grid->EndUpdate();
    QVERIFY(f.grid->Enabled() && f.focus() == f.grid);
    f.key(Qt::Key_Down);
    QCOMPARE(f.grid->Row(), 2);
    // An open editor keeps the focus too, and takes no input meanwhile.
    f.key(Qt::Key_F2);
    {
        TGridUpdateGuard guard(*f.grid);
        QTest::keyClicks(f.editor(), QStringLiteral("zz"));
    }
    QVERIFY(f.grid->Cells(1, 2).isEmpty() && f.focus() == f.editor() && otherFocusIns == 0);
}

void GridInputTest::arrowHomeEndAndPageKeys()
{
    Fixture f({}, QSize(400, 140));
    f.grid->SetColCount(20);
    f.grid->SetRowCount(50);
    f.key(Qt::Key_Left);  // not into the fixed column
    QCOMPARE(f.grid->Col(), 1);
    f.key(Qt::Key_Down, Qt::ShiftModifier);
    f.key(Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(f.grid->Selection() == (TGridRect{1, 1, 2, 2}));
    f.key(Qt::Key_Right);
    f.key(Qt::Key_Left);
    QVERIFY(f.grid->Selection() == (TGridRect{2, 2, 2, 2}));
    f.key(Qt::Key_End);
    QVERIFY(f.grid->Col() == 19 && f.grid->LeftCol() > 1);  // scrolled into view
    f.key(Qt::Key_Home);
    QCOMPARE(QList<int>({f.grid->Col(), f.grid->LeftCol()}), QList<int>({1, 1}));
    const int page = f.grid->VisibleRowCount();
    f.key(Qt::Key_PageDown);
    QCOMPARE(QList<int>({f.grid->Row(), f.grid->TopRow()}), QList<int>({2 + page, 1 + page}));
    f.key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(f.cell(), QList<int>({19, 49}));
    f.key(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(f.cell(), QList<int>({1, 1}));
    f.key(Qt::Key_Down, Qt::ControlModifier);  // scrolls without moving the current cell
    QCOMPARE(QList<int>({f.grid->TopRow(), f.grid->Row()}), QList<int>({2, 1}));
}

void GridInputTest::tabWrapsSkipsAndLeaves()
{
    Fixture f(goTabs);
    f.grid->SetCol(4);
    f.grid->SetRow(4);
    f.grid->SetTabStops(2, false);
    QList<int> cells;  // column and row as one number
    for (int key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab}) {
        f.key(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        cells << f.grid->Col() * 10 + f.grid->Row();
    }
    // From the last cell to the first, past column 2, back, and wrapping backwards.
    QCOMPARE(cells, QList<int>({11, 31, 11, 44}));
    QVERIFY(f.grid->Anchor() == (TGridCoord{4, 4}) && f.focus() == f.grid);

    // Also from the editor; without goTabs, Tab leaves the grid for the next control.
    Fixture g(goTabs | goEditing);
    g.key(Qt::Key_F2);
    g.key(Qt::Key_Tab);
    QCOMPARE(g.grid->Col(), 2);
    Fixture h(goEditing);
    int exits = 0;
    int enters = 0;
    h.grid->OnExit = [&](QObject*) { ++exits; };
    h.grid->OnEnter = [&](QObject*) { ++enters; };
    h.key(Qt::Key_F2);
    h.key(Qt::Key_Tab);
    QCOMPARE(h.grid->Col(), 1);
    QVERIFY(h.focus() != h.grid && h.focus() != h.editor() && !h.editorShown() && !h.grid->EditorMode());
    // Moving between grid and editor neither enters nor exits; coming back enters once.
    h.grid->setFocus(Qt::TabFocusReason);
    h.key(Qt::Key_F2);
    QCOMPARE(h.focus(), static_cast<QWidget*>(h.editor()));
    h.key(Qt::Key_Down);
    QCOMPARE(h.focus(), static_cast<QWidget*>(h.grid));
    QCOMPARE(QList<int>({enters, exits}), QList<int>({1, 1}));
}

void GridInputTest::rowSelectAndRefusedCells()
{
    Fixture f;
    f.grid->SetOptions(f.grid->Options() | goRowSelect | goAlwaysShowEditor | goEditing);
    QVERIFY(!(f.grid->Options() & goAlwaysShowEditor));
    QVERIFY(f.grid->Selection() == (TGridRect{1, 1, 4, 1}));
    f.key(Qt::Key_Right);  // Left and Right move between rows
    QCOMPARE(f.grid->Row(), 2);
    f.key(Qt::Key_Left);
    QVERIFY(f.grid->Row() == 1 && !f.grid->CanEditShow());

    Fixture g;
    g.grid->selectable = [](int col, int) { return col != 2; };
    g.key(Qt::Key_Right);
    QCOMPARE(g.grid->Col(), 1);
    // A smaller grid brings the current cell back inside even when that cell refuses.
    g.grid->SetRow(4);
    g.grid->selectable = [](int, int row) { return row != 2; };
    g.grid->SetRowCount(3);
    QCOMPARE(QList<int>({g.grid->Row(), g.grid->Anchor().Y}), QList<int>({2, 2}));
}

void GridInputTest::mouseSelectionAndTimedScroll()
{
    Fixture f({}, QSize(400, 160));
    f.grid->SetRowCount(40);
    QWidget* vp = f.grid->viewport();
    const QPoint below(f.center(3, 2).x(), vp->height() + 30);
    QTest::mousePress(vp, Qt::LeftButton, {}, f.center(1, 1));
    QVERIFY(f.grid->GridState() == gsSelecting && f.grid->ScrollTimerActive());
    QCOMPARE(f.grid->ScrollTimerInterval(), 60);
    QTest::mouseMove(vp, f.center(3, 2));
    QVERIFY(f.grid->Selection() == (TGridRect{1, 1, 3, 2}));
    // Below the grid: each tick moves the anchor one row down and scrolls, up to the last row.
    QTest::mouseMove(vp, below);
    for (int i = 0; i < 10; ++i)
        f.grid->TimedScroll();
    QVERIFY(f.grid->Anchor().Y > 2 && f.grid->TopRow() > 1 && f.grid->Row() == 1);  // the current cell stays
    for (int i = 0; i < 60; ++i)
        f.grid->TimedScroll();
    QCOMPARE(f.grid->Anchor().Y, 39);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, below);
    QVERIFY(f.grid->GridState() == gsNormal && !f.grid->ScrollTimerActive());

    // Shift+click moves only the anchor.
    f.grid->SetTopRow(1);
    f.grid->SetRow(2);
    QTest::mouseClick(vp, Qt::LeftButton, Qt::ShiftModifier, f.center(2, 3));
    QVERIFY(f.grid->Row() == 2 && f.grid->Anchor() == (TGridCoord{2, 3}));
    // Losing the focus while the button is held ends the selecting.
    QTest::mousePress(vp, Qt::LeftButton, {}, f.center(1, 1));
    f.other->setFocus(Qt::OtherFocusReason);
    QVERIFY(f.grid->GridState() == gsNormal && !f.grid->ScrollTimerActive());
    QTest::mouseMove(vp, f.center(3, 3));
    QVERIFY(f.grid->Anchor() == (TGridCoord{1, 1}));
}

void GridInputTest::dividerSizingAndColumnMoving()
{
    Fixture f(goColSizing | goRowSizing);
    const auto divider = [&](int col) { return QPoint(f.grid->CellRect(col, 0).right() + 1, 5); };
    QCOMPARE(f.drag(divider(1), divider(1) + QPoint(20, 0)), gsColSizing);
    // Dragged to a width of 1 or less: nothing changes.
    f.drag(divider(2), QPoint(f.grid->CellRect(2, 0).left() + 1, 5));
    // A column of width -1 keeps it: its divider sits just before where it starts.
    f.grid->SetColWidths(0, -1);
    QCOMPARE(f.drag(QPoint(1, 5), QPoint(41, 5)), gsColSizing);
    QCOMPARE(QList<int>({f.grid->ColWidths(0), f.grid->ColWidths(1), f.grid->ColWidths(2)}),
             QList<int>({-1, 84, 64}));
    f.grid->SetColWidths(0, 64);
    // A sizing cut off by a focus change applies nothing.
    QTest::mousePress(f.grid->viewport(), Qt::LeftButton, {}, divider(3));
    QTest::mouseMove(f.grid->viewport(), divider(3) + QPoint(15, 0));
    f.other->setFocus(Qt::OtherFocusReason);
    QTest::mouseRelease(f.grid->viewport(), Qt::LeftButton, {}, divider(3) + QPoint(15, 0));
    QVERIFY(f.grid->GridState() == gsNormal && f.grid->ColWidths(3) == 64);
    f.grid->setFocus(Qt::OtherFocusReason);
    // Rows size the same way.
    const QPoint rowDivider(5, f.grid->CellRect(0, 1).bottom() + 1);
    QVERIFY(f.drag(rowDivider, rowDivider + QPoint(0, 6)) == gsRowSizing && f.grid->RowHeights(1) == 30);

    Fixture m(goColMoving);
    for (int c = 0; c < 5; ++c)
        m.grid->SetCells(c, 0, QString(QChar('A' + c)));
    QCOMPARE(m.drag(m.center(1, 0), m.center(3, 0)), gsColMoving);
    QCOMPARE(m.grid->Rows(0).ToStringList(), (QStringList{"A", "C", "D", "B", "E"}));
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
    QList<int> pulled;
    for (int top : {-3, 101}) {
        f.grid->SetTopRow(top);
        pulled << f.grid->TopRow();
    }
    f.grid->SetLeftCol(9);
    QCOMPARE(pulled << f.grid->LeftCol(), QList<int>({1, 100, 4}));
    f.grid->viewport()->grab();

    // Without thumb tracking the grid follows the thumb when it is released; with it, at once.
    f.grid->SetTopRow(1);
    bar->setSliderDown(true);
    bar->setSliderPosition(127);
    QCOMPARE(f.grid->TopRow(), 1);
    bar->setSliderDown(false);
    QCOMPARE(f.grid->TopRow(), last);
    f.grid->SetOptions(f.grid->Options() | goThumbTracking);
    bar->setSliderDown(true);
    bar->setSliderPosition(0);
    QCOMPARE(f.grid->TopRow(), 1);
    bar->setSliderDown(false);
}

void GridInputTest::wheelAndDragStopAtTheLastCell()
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
    f.grid->SetRow(4);
    QCOMPARE(turn(-120, 2), 4);  // on the last row, turning down keeps it there

    Fixture wide({}, QSize(300, 160));
    wide.grid->SetColCount(30);
    QWidget* vp = wide.grid->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, wide.center(1, 1));
    QTest::mouseMove(vp, QPoint(vp->width() + 30, wide.center(1, 1).y()));
    for (int i = 0; i < 80; ++i)
        wide.grid->TimedScroll();
    QCOMPARE(QList<int>({wide.grid->Anchor().X, wide.grid->Anchor().Y}), QList<int>({29, 1}));
    QVERIFY(wide.grid->CellRect(29, 1).right() <= vp->width());  // the last column is in view
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(vp->width() + 30, wide.center(1, 1).y()));
    QCOMPARE(wide.cell(), QList<int>({1, 1}));  // the release leaves the current cell where it was
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
