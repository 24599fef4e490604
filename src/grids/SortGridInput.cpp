// The sort grid's input: mouse, keyboard, check, combo-box and ellipsis cells, and the
// validation of edits.

#include "grids/SortGrid.h"

#include "components/CEConst.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int DragDistance = 11;
constexpr int EdgeZone = 5;

// While the grid's drag runs, no widget of the program takes it: the program's edits would
// otherwise take the rows as typed text. Other programs still get the text.
class TRefuseOwnDrag : public QObject {
public:
    TRefuseOwnDrag(const QObject* source, const QMimeData* data)
        : source_(source), data_(data)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData() == data_ || (drop->source() != nullptr && drop->source() == source_)) {
                drop->ignore();
                return true;
            }
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QObject* source_;
    const QMimeData* data_;
};

bool IsNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: return true;
    default: return false;
    }
}

}  // namespace

// ---- check, combo-box and ellipsis cells ----

bool TSortGrid::IsChecked(int ACol, int ARow) const
{
    return Cells(ACol, ARow) == QLatin1String("true");
}

void TSortGrid::SetChecked(int ACol, int ARow, bool State)
{
    SetCells(ACol, ARow, State ? QStringLiteral("true") : QString());
    InvalidateRow(ARow);
    if (OnSetChecked)
        OnSetChecked(this, ACol, ARow, State);
}

void TSortGrid::ToggleCheck(int ACol, int ARow)
{
    SetChecked(ACol, ARow, !IsChecked(ACol, ARow));
}

void TSortGrid::OpenComboList(int ACol, int ARow)
{
    if (!OnGetComboBox)
        return;
    QStringList items;
    int w = 0;
    int h = 0;
    bool sorted = true;
    OnGetComboBox(this, ACol, ARow, items, w, h, sorted);
    if (items.isEmpty())
        return;
    QWidget* form = window();
    if (comboList_ == nullptr) {
        comboList_ = new QListWidget(form);
        comboList_->setObjectName(QStringLiteral("ComboList"));
        comboList_->setFocusPolicy(Qt::ClickFocus);  // no tab stop
        comboList_->installEventFilter(this);
        connect(comboList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { ComboChosen(item); });
    }
    comboList_->clear();
    comboList_->setSortingEnabled(sorted);
    comboList_->addItems(items);
    const QList<QListWidgetItem*> match = comboList_->findItems(Cells(ACol, ARow), Qt::MatchExactly);
    comboList_->setCurrentItem(match.isEmpty() ? comboList_->item(0) : match.first());
    const QRect cell = CellRect(ACol, ARow);
    const QPoint topLeft = viewport()->mapTo(form, QPoint(cell.left() + 2, cell.bottom() + 2));
    const int itemHeight = std::max(1, comboList_->sizeHintForRow(0));
    // Ten items show at most when the handler leaves the height open.
    const int shown = std::min<int>(static_cast<int>(items.size()), 10);
    comboList_->setGeometry(topLeft.x(), topLeft.y(), w > 0 ? w : cell.width(), h > 0 ? h : shown * itemHeight + 5);
    comboCell_ = {ACol, ARow};
    comboList_->show();
    comboList_->raise();
    comboList_->setFocus(Qt::OtherFocusReason);
}

void TSortGrid::ComboChosen(QListWidgetItem* item)
{
    if (item == nullptr || comboCell_.X < 0)
        return;
    const TGridCoord cell = comboCell_;
    const QString text = item->text();
    SetCells(cell.X, cell.Y, text);
    CloseComboList();
    InvalidateRow(cell.Y);
    setFocus(Qt::OtherFocusReason);
    if (OnSetComboBox)
        OnSetComboBox(this, cell.X, cell.Y, text);
}

void TSortGrid::CloseComboList()
{
    if (comboList_ != nullptr && !comboList_->isHidden())
        comboList_->hide();
    comboCell_ = {-1, -1};
}

bool TSortGrid::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: a list being destroyed still sends events, and must not be looked at.
    if (event->type() == QEvent::KeyPress && watched == comboList_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            ComboChosen(comboList_->currentItem());
            return true;
        }
        if (key == Qt::Key_Escape) {
            CloseComboList();
            setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return TMyStringGrid::eventFilter(watched, event);
}

// ---- editing ----

void TSortGrid::RememberEdit()
{
    editCell_ = {Col(), Row()};
    editText_ = Cells(Col(), Row());
    editModified_ = modified_;
}

void TSortGrid::ValidateEdit()
{
    if (!(Options() & goEditing) || editCell_.X < 0)
        return;
    const TGridCoord cell = editCell_;
    const QString text = Cells(cell.X, cell.Y);
    if (text != editText_) {
        bool valid = true;
        QString newValue = text;
        if (OnCellValidate)
            OnCellValidate(this, cell.X, cell.Y, editText_, newValue, valid);
        if (valid) {
            if (newValue != text)
                SetCells(cell.X, cell.Y, newValue);
        } else {
            SetCells(cell.X, cell.Y, newValue != text ? newValue : editText_);
            modified_ = editModified_;
        }
    }
    RememberEdit();
}

void TSortGrid::DoEnter()
{
    TMyStringGrid::DoEnter();
    RememberEdit();
}

void TSortGrid::DoExit()
{
    ValidateEdit();
    TMyStringGrid::DoExit();
}

// ---- selection ----

bool TSortGrid::SelectCell(int ACol, int ARow)
{
    bool allowed = true;
    if (EditorMode()) {
        const bool combo = IsComboCell(ACol, ARow);
        if (combo) {
            OpenComboList(ACol, ARow);
            // A Tab goes on past the combo-box cell once the selection has ended.
            if (tabHeld_ && ACol < ColCount() - 2 && TMyStringGrid::SelectCell(ACol + 1, ARow))
                QTimer::singleShot(0, this, [this, ACol, ARow] {
                    if (ACol + 1 < ColCount() && ARow < RowCount())
                        MoveColRow(ACol + 1, ARow, true, true);
                });
        }
        allowed = !combo && !IsCheckCell(ACol, ARow) && TMyStringGrid::SelectCell(ACol, ARow);
    } else {
        allowed = TMyStringGrid::SelectCell(ACol, ARow);
    }
    if (allowed && rowTracking_) {
        const int oldRow = Row();
        SelectOnly(ARow);
        if (OnRowSelected)
            OnRowSelected(this);
        InvalidateRow(oldRow);
    }
    return allowed;
}

// ---- keyboard ----

void TSortGrid::KeyDown(int& Key, TShiftState Shift)
{
    const bool editing = EditorMode();
    struct TabScope {
        bool& held;
        ~TabScope() { held = false; }
    } tabScope{tabHeld_};
    tabHeld_ = Key == Qt::Key_Tab;
    if (Key == Qt::Key_Space && !editing) {
        if (IsComboCell(Col(), Row()))
            OpenComboList(Col(), Row());
        else if (IsCheckCell(Col(), Row()))
            ToggleCheck(Col(), Row());
        else if (IsEllipsisCell(Col(), Row()) && OnSetEllipsis)
            OnSetEllipsis(this, Col(), Row());
    }
    if (Key == Qt::Key_Return || Key == Qt::Key_Enter)
        ValidateEdit();
    if (extendedKeys_ && !editing && (Shift & ssCtrl)) {
        const bool shift = Shift & ssShift;
        if (Key == Qt::Key_Insert) {
            shift ? InsertColumn(Col()) : InsertRow(Row());
            Key = 0;
        } else if (Key == Qt::Key_Delete) {
            if (shift && ColCount() > 1)
                DeleteColumn(Col());
            else if (!shift && RowCount() > 2)
                DeleteRow(Row());
            Key = 0;
        }
    }
    if (!multiSelect_ || editing) {
        TMyStringGrid::KeyDown(Key, Shift);
        return;
    }
    if (Key == Qt::Key_Shift) {
        SetOptions(Options() | goRangeSelect);
        ClearSelection();
    }
    const bool navigation = IsNavigationKey(Key) && !(Shift & ssShift);
    rowTracking_ = false;
    TMyStringGrid::KeyDown(Key, Shift);
    rowTracking_ = true;
    if (navigation) {
        ClearSelection();
        SelectRowsOfSelection();
        SetOptions(Options() & ~TGridOptions(goRangeSelect));
        if (OnRowSelected)
            OnRowSelected(this);
    }
}

void TSortGrid::KeyUp(int& Key, TShiftState Shift)
{
    if (multiSelect_ && !EditorMode() && Key == Qt::Key_Shift) {
        if (selectedRows_.empty())
            SelectRowsOfSelection();
        if (OnRowSelected)
            OnRowSelected(this);
    }
    TMyStringGrid::KeyUp(Key, Shift);
}

void TSortGrid::JumpToTyped(QChar Key)
{
    const QChar wanted = Key.toUpper();
    const int col = sortOptions_.SortCol;
    const int start = Row();
    for (int step = 1; step < RowCount(); ++step) {
        // From the row below the current one to the end, then from the first data row on.
        int row = start + step;
        if (row >= RowCount())
            row = row - RowCount() + 1;
        if (row < 1 || row >= RowCount())
            continue;
        const QString text = Cells(col, row);
        if (!text.isEmpty() && text[0].toUpper() == wanted) {
            SelectGridCell(Col(), row, true);
            return;
        }
    }
}

void TSortGrid::KeyPress(QChar& Key)
{
    if (!(Options() & goEditing) && !EditorMode() && Key.isPrint() && Key != QLatin1Char(' '))
        JumpToTyped(Key);
    TMyStringGrid::KeyPress(Key);
}

// ---- mouse ----

int TSortGrid::ColumnEdgeAt(int X, int tolerance) const
{
    for (int col = 0; col < ColCount(); ++col) {
        const QRect r = CellRect(col, 0);
        if (!r.isEmpty() && std::abs(X - (r.right() + 1)) <= tolerance)
            return col;
    }
    return -1;
}

void TSortGrid::MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    CloseComboList();
    ValidateEdit();
    TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 && RowCount() > 0) {
        // Below the last row counts as the last row.
        const QRect last = CellRect(0, RowCount() - 1);
        if (!last.isEmpty() && Y > last.bottom())
            cell = MouseCoord(X, last.center().y());
    }
    downCell_ = cell;
    dragPending_ = false;
    const bool dataRow = cell.Y >= FixedRows() && cell.X >= 0;
    const bool editing = EditorMode();
    if (Button == Qt::LeftButton && !(Shift & ssDouble) && multiSelect_ && !editing && dataRow && !IsRowSelected(cell.Y)
        && !(Shift & ssShift)) {
        rowTracking_ = false;
        MoveColRow(cell.X, cell.Y, true, true);
        rowTracking_ = true;
        SelectOnly(cell.Y);
        if (OnRowSelected)
            OnRowSelected(this);
    } else if (dataRow && IsRowSelected(cell.Y)) {
        downPos_ = {X, Y};
        dragPending_ = true;
    }
    if (!(multiSelect_ && !editing && dataRow && !((Shift & ssShift) && (Options() & goRangeSelect))))
        TMyStringGrid::MouseDown(Button, Shift, X, Y);
    if (Button == Qt::LeftButton && (Shift & ssDouble) && cell.Y == 0 && ColumnEdgeAt(X, EdgeZone) >= 0) {
        const int col = ColumnEdgeAt(X, 3);
        if (col >= 0)
            AutoSizeColumn(col, true);
    }
    RememberEdit();
}

void TSortGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (dragPending_ && (Shift & (ssLeft | ssRight | ssMiddle)) == TShiftState(ssLeft)
        && (std::abs(X - downPos_.x()) >= DragDistance || std::abs(Y - downPos_.y()) >= DragDistance)) {
        StartDrag();
        return;
    }
    TMyStringGrid::MouseMove(Shift, X, Y);
}

QString TSortGrid::SelectedRowsText() const
{
    QStringList lines;
    for (int row : selectedRows_)
        lines << RowTexts(row).join(QLatin1Char('\t'));
    return lines.join(QLatin1Char('\n'));
}

Qt::DropAction TSortGrid::ExecDrag(QDrag& drag)
{
    return drag.exec(Qt::CopyAction);
}

void TSortGrid::StartDrag()
{
    dragPending_ = false;
    dragging_ = true;
    // The drag has the mouse now: the selecting that the press began ends here.
    CancelMode();
    if (OnStartDrag)
        OnStartDrag(this);
    RegisterComponentCursors();
    const QPixmap cursor = ScreenCursor(crDragCur).pixmap();
    // The drag is left to Qt, which frees it when done: on X11 only after the drop, once the
    // other program has read the rows from it. One that Qt never ran goes with the grid.
    QPointer<QDrag> drag = new QDrag(this);
    auto* mime = new QMimeData;
    mime->setText(SelectedRowsText());
    drag->setMimeData(mime);
    // Nothing in the program takes the drop, so the drag shows its own cursor also where
    // no drop is possible.
    drag->setDragCursor(cursor, Qt::CopyAction);
    drag->setDragCursor(cursor, Qt::IgnoreAction);
    const QPointer<TSortGrid> self(this);
    Qt::DropAction action = Qt::IgnoreAction;
    {
        const TRefuseOwnDrag refuse(this, mime);
        action = ExecDrag(*drag);
    }
    if (self == nullptr)
        return;  // the grid went with its window while the drag ran
    QObject* target = drag != nullptr && action != Qt::IgnoreAction ? drag->target() : nullptr;
    dragging_ = false;
    // The release ended the drag; a late one must not count as a click on the cell.
    downCell_ = {-1, -1};
    if (OnEndDrag) {
        const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
        OnEndDrag(this, target, at.x(), at.y());
    }
}

void TSortGrid::TitleClick(Qt::MouseButton Button, int ACol)
{
    if (!sortOptions_.CanSort)
        return;
    if (Button == Qt::LeftButton)
        sortOptions_.SortDirection = ACol == sortOptions_.SortCol && sortOptions_.SortDirection == sdAscending
                                         ? sdDescending
                                         : sdAscending;
    else if (Button == Qt::RightButton)
        sortOptions_.SortDirection = sdDescending;
    else
        return;
    SortByColumn(ACol);
}

void TSortGrid::ClickedCell(Qt::MouseButton Button, int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X < 0 || !(cell == downCell_))
        return;
    if (cell.Y >= FixedRows()) {
        if (Button == Qt::RightButton && popupMenu_ != nullptr) {
            popupMenu_->popup(viewport()->mapToGlobal(QPoint(X, Y)));
            return;
        }
        if (Button != Qt::LeftButton)
            return;
        if (IsCheckCell(cell.X, cell.Y))
            ToggleCheck(cell.X, cell.Y);
        else if (IsComboCell(cell.X, cell.Y))
            OpenComboList(cell.X, cell.Y);
        else if (IsEllipsisCell(cell.X, cell.Y) && X > CellRect(cell.X, cell.Y).right() - 16 && OnSetEllipsis)
            OnSetEllipsis(this, cell.X, cell.Y);
    } else if (cell.Y == 0 && ColumnEdgeAt(X, EdgeZone) < 0) {
        TitleClick(Button, cell.X);
    }
}

void TSortGrid::MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    dragPending_ = false;
    if (dragging_) {
        dragging_ = false;
        return;
    }
    TMyStringGrid::MouseUp(Button, Shift, X, Y);
    ClickedCell(Button, X, Y);
}

bool TSortGrid::DoMouseWheelDown(TShiftState)
{
    SetTopRow(std::clamp(TopRow() + 2, FixedRows(), std::max(FixedRows(), RowCount() - 1)));
    return true;
}

bool TSortGrid::DoMouseWheelUp(TShiftState)
{
    SetTopRow(std::clamp(TopRow() - 2, FixedRows(), std::max(FixedRows(), RowCount() - 1)));
    return true;
}
