#include "grids/SortGrid.h"

#include "grids/GridPlatform.h"
#include "platform/MessageBox.h"
#include "platform/NumberParse.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitGridResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(grids);
        return true;
    }();
    (void)done;
}

namespace {

QPixmap GridBitmap(const char* name)
{
    InitGridResources();
    return QPixmap(QStringLiteral(":/grids/") + QLatin1String(name), "XPM");
}

constexpr int SortArrowRoom = 11;

// Switches goAlwaysShowEditor off for the span of a row or column operation.
class EditorOptionPause {
public:
    explicit EditorOptionPause(TSortGrid& grid) : grid_(grid), saved_(grid.Options())
    {
        if (saved_ & goAlwaysShowEditor)
            grid_.SetOptions(saved_ & ~TGridOptions(goAlwaysShowEditor));
    }
    ~EditorOptionPause()
    {
        if (saved_ & goAlwaysShowEditor)
            grid_.SetOptions(grid_.Options() | goAlwaysShowEditor);
    }
    EditorOptionPause(const EditorOptionPause&) = delete;
    EditorOptionPause& operator=(const EditorOptionPause&) = delete;

private:
    TSortGrid& grid_;
    TGridOptions saved_;
};

}  // namespace

TSortGrid::TSortGrid(QWidget* parent) : TMyStringGrid(parent)
{
    upBitmap_ = GridBitmap("UP");
    downBitmap_ = GridBitmap("DOWN");
    checkedBitmap_ = GridBitmap("CHECKED");
    uncheckedBitmap_ = GridBitmap("UNCHECKED");
    comboBitmap_ = GridBitmap("COMBOBOX");
    ellipsisBitmap_ = GridBitmap("ELLIPSIS");
    SetFixedCols(0);
    selectedRows_.insert(Row());
}

TSortGrid::~TSortGrid()
{
    delete comboList_;  // it lives on the form, which may outlive the grid
}

// ---- properties ----

void TSortGrid::SetCells(int ACol, int ARow, const QString& Value)
{
    if (Value == Cells(ACol, ARow))
        return;
    TMyStringGrid::SetCells(ACol, ARow, Value);
    SetModified(true);
}

void TSortGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    if (Value != Cells(ACol, ARow))
        SetModified(true);
    TMyStringGrid::SetEditText(ACol, ARow, Value);
}

void TSortGrid::SetModified(bool Value)
{
    modified_ = Value;
    if (Value && OnModified)
        OnModified(this);
}

void TSortGrid::SetHideRows(bool value)
{
    hideRows_ = value;
    if (RowCount() > 1)
        MoveColRow(Col(), 1, true, true);
    InvalidateGrid();
}

void TSortGrid::SetMultiSelect(bool value)
{
    multiSelect_ = value;
    if (value)
        SetOptions(Options() | goRowSelect);
}

void TSortGrid::SetUserSettings(const QStringList& value)
{
    userSettings_ = value;
    SetModified(true);
}

void TSortGrid::SetAlignmentHorz(TAlignment value)
{
    alignmentHorz_ = value;
    InvalidateGrid();
}

void TSortGrid::SetAlignmentVert(TVertAlignment value)
{
    alignmentVert_ = value;
    InvalidateGrid();
}

void TSortGrid::SetBevelStyle(TCellBevelStyle value)
{
    bevelStyle_ = value;
    InvalidateGrid();
}

void TSortGrid::SetProportionalScrollBars(bool value)
{
    proportionalScrollBars_ = value;
    UpdateProportionalBars();
}

void TSortGrid::SetStretchLastCol(bool value)
{
    // Takes effect at the next resize, when the viewport's size is known.
    stretchLastCol_ = value;
}

// ---- cell format ----

TGridDrawState TSortGrid::CellDrawState(int ACol, int ARow) const
{
    TGridDrawState state;
    if (Selection().Contains(ACol, ARow))
        state |= gdSelected;
    if (hasFocus() && ACol == Col() && ARow == Row())
        state |= gdFocused;
    if (ACol < FixedCols() || ARow < FixedRows())
        state |= gdFixed;
    return state;
}

void TSortGrid::FormatOf(int ACol, int ARow, TGridDrawState State, TFormatOptions& FormatOptions, bool& CheckBox,
                         bool& Combobox, bool& Ellipsis)
{
    FormatOptions.AlignmentHorz = alignmentHorz_;
    FormatOptions.AlignmentVert = alignmentVert_;
    FormatOptions.BevelStyle = bevelStyle_;
    switch (bevelStyle_) {
    case cbRaised:
        FormatOptions.HighlightColor = SysColor(TSysColor::BtnHighlight);
        FormatOptions.ShadowColor = SysColor(TSysColor::BtnShadow);
        break;
    case cbLowered:
        FormatOptions.HighlightColor = SysColor(TSysColor::BtnShadow);
        FormatOptions.ShadowColor = SysColor(TSysColor::BtnHighlight);
        break;
    case cbNone:
        FormatOptions.HighlightColor = FormatOptions.ShadowColor = SysColor(TSysColor::Window);
        break;
    }
    CheckBox = Combobox = Ellipsis = false;
    if (OnGetCellFormat)
        OnGetCellFormat(this, ACol, ARow, State, FormatOptions, CheckBox, Combobox, Ellipsis);
}

void TSortGrid::GetCellFormat(int ACol, int ARow, TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox,
                              bool& Ellipsis)
{
    const TGridDrawState state = CellDrawState(ACol, ARow);
    FormatOptions.Brush = QBrush(state & gdFixed ? FixedColor() : Color());
    FormatOptions.Font = font();
    FormatOptions.FontColor = palette().color(QPalette::Text);
    FormatOf(ACol, ARow, state, FormatOptions, CheckBox, Combobox, Ellipsis);
}

bool TSortGrid::IsCheckCell(int ACol, int ARow)
{
    TFormatOptions fo;
    bool check = false, combo = false, ellipsis = false;
    GetCellFormat(ACol, ARow, fo, check, combo, ellipsis);
    return check;
}

bool TSortGrid::IsComboCell(int ACol, int ARow)
{
    TFormatOptions fo;
    bool check = false, combo = false, ellipsis = false;
    GetCellFormat(ACol, ARow, fo, check, combo, ellipsis);
    return combo;
}

bool TSortGrid::IsEllipsisCell(int ACol, int ARow)
{
    TFormatOptions fo;
    bool check = false, combo = false, ellipsis = false;
    GetCellFormat(ACol, ARow, fo, check, combo, ellipsis);
    return ellipsis;
}

// ---- drawing ----

bool TSortGrid::SortArrowShown(int ACol) const
{
    return sortOptions_.CanSort && ACol == sortOptions_.SortCol && ACol >= FixedCols();
}

QString TSortGrid::FittedTitle(const QString& text, const QFontMetrics& metrics, int room)
{
    if (metrics.horizontalAdvance(text) <= room || text.size() < 2)
        return text;
    QString fitted = text.left(text.size() - 2) + QStringLiteral("..");
    while (metrics.horizontalAdvance(fitted) > room && fitted.size() >= 4)
        fitted.remove(fitted.size() - 3, 1);
    return fitted;
}

void TSortGrid::DrawCellText(QPainter& canvas, int ACol, int ARow, const QRect& ARect, const TFormatOptions& fo,
                             const QString& cellText)
{
    const QFontMetrics metrics(fo.Font);
    const bool title = ARow < FixedRows();
    const int arrow = title && SortArrowShown(ACol) ? SortArrowRoom : 0;
    const QString text = title ? FittedTitle(cellText, metrics, ARect.width() - 1 - arrow) : cellText;
    const int w = ARect.width();
    const int h = ARect.height();
    const int tw = metrics.horizontalAdvance(text);
    const int th = metrics.height();
    int dx = 2;
    if (fo.AlignmentHorz == taRightJustify)
        dx = w - tw - 2 - arrow;
    else if (fo.AlignmentHorz == taCenter)
        dx = (w - tw - arrow) / 2;
    int dy = 2;
    if (fo.AlignmentVert == taBottomJustify)
        dy = h - th - 3;
    else if (fo.AlignmentVert == taMiddle)
        dy = (h - th) / 2;
    if (arrow > 0) {
        const QPixmap& bitmap = sortOptions_.SortDirection == sdDescending ? downBitmap_ : upBitmap_;
        const int bw = std::min(8, std::max(0, w - 3));
        canvas.drawPixmap(QRect(ARect.left() + 3, ARect.top() + (h - 7) / 2, bw, 7), bitmap, QRect(0, 0, bw, 7));
    }
    canvas.setFont(fo.Font);
    canvas.setPen(fo.FontColor);
    canvas.drawText(QPoint(ARect.left() + dx + arrow, ARect.top() + dy + metrics.ascent()), text);
}

void TSortGrid::DrawCellButtons(QPainter& canvas, int ACol, int ARow, const QRect& ARect, bool check, bool combo,
                                bool ellipsis)
{
    if (check) {
        const int bw = ARect.width() < 11 ? std::max(0, ARect.width() - 1) : 10;
        const QRect r(ARect.left() + (ARect.width() - bw) / 2, ARect.top() + (ARect.height() - 10) / 2, bw, 10);
        canvas.drawPixmap(r, IsChecked(ACol, ARow) ? checkedBitmap_ : uncheckedBitmap_, QRect(0, 0, bw, 10));
    }
    const bool current = ACol == Col() && ARow == Row();
    const int bw = std::min(16, ARect.width());
    const QRect button(ARect.right() + 1 - bw, ARect.top(), bw, ARect.height());
    if (combo && (current || (ARow == Row() && EditorMode())))
        canvas.drawPixmap(button, comboBitmap_);
    if (ellipsis && ARow == Row() && !current)
        canvas.drawPixmap(button, ellipsisBitmap_);
}

void TSortGrid::DrawBevel(QPainter& canvas, const QRect& ARect, const TFormatOptions& fo)
{
    if (Options() & goFixedVertLine)
        canvas.fillRect(QRect(ARect.right(), ARect.top(), 1, ARect.height()), fo.ShadowColor);
    if (Options() & goFixedHorzLine)
        canvas.fillRect(QRect(ARect.left(), ARect.bottom(), ARect.width(), 1), fo.ShadowColor);
    canvas.fillRect(QRect(ARect.left(), ARect.top(), 1, ARect.height()), fo.HighlightColor);
    canvas.fillRect(QRect(ARect.left(), ARect.top(), ARect.width(), 1), fo.HighlightColor);
}

void TSortGrid::DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState)
{
    QPainter& canvas = Canvas();
    if (ARow > 0 && (NowUpdating() || hideRows_)) {
        canvas.fillRect(QRect(ARect.left(), ARect.top(), ARect.width() + width(), ARect.height() + 1), canvas.brush());
        return;
    }
    TFormatOptions fo;
    fo.Brush = canvas.brush();
    fo.Font = canvas.font();
    fo.FontColor = canvas.pen().color();
    bool check = false, combo = false, ellipsis = false;
    FormatOf(ACol, ARow, AState, fo, check, combo, ellipsis);
    const TGridRect sel = Selection();
    const bool rowSelected = ((Options() & goRangeSelect) && ARow >= sel.Top && ARow <= sel.Bottom && ARow >= FixedRows())
                          || (multiSelect_ && IsRowSelected(ARow));
    if (rowSelected && !(Options() & goEditing)) {
        fo.FontColor = SysColor(TSysColor::HighlightText);
        fo.Brush = QBrush(SysColor(TSysColor::Highlight));
    }
    canvas.save();
    canvas.setClipRect(ARect, Qt::IntersectClip);
    canvas.fillRect(ARect, fo.Brush);
    DrawCellText(canvas, ACol, ARow, ARect, fo, check ? QString() : Cells(ACol, ARow));
    DrawCellButtons(canvas, ACol, ARow, ARect, check, combo, ellipsis);
    if (fo.BevelStyle != cbNone && ARow >= FixedRows())
        DrawBevel(canvas, ARect, fo);
    canvas.restore();
    TMyDrawGrid::DrawCell(ACol, ARow, ARect, AState);  // OnDrawCell, last
}

// ---- sizes ----

void TSortGrid::AutoSizeColumn(int ACol, bool Force)
{
    if (ColWidths(ACol) == -1 && !Force)
        return;
    int w = 0;
    for (int row = 0; row < RowCount(); ++row) {
        TFormatOptions fo;
        bool check = false, combo = false, ellipsis = false;
        GetCellFormat(ACol, row, fo, check, combo, ellipsis);
        int tw = QFontMetrics(fo.Font).horizontalAdvance(Cells(ACol, row));
        if (row == 0 && ACol == sortOptions_.SortCol && sortOptions_.CanSort)
            tw += 12;
        w = std::max(w, tw);
    }
    if (ACol == sortOptions_.SortCol)
        w += 12;
    const QFontMetrics metrics(font());
    SetColWidths(ACol, w == 0 ? metrics.horizontalAdvance(QStringLiteral("xx")) : w + metrics.horizontalAdvance(QLatin1Char('X')));
}

void TSortGrid::AutoSizeColumns(bool Force)
{
    TGridUpdateGuard bracket(*this);
    for (int col = 0; col < ColCount(); ++col)
        AutoSizeColumn(col, Force);
    bracket.Close();
}

void TSortGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    TMyStringGrid::SizeChanged(OldColCount, OldRowCount);
    // Shrunk to the title row alone, the grid lost its fixed row; the title is fixed again
    // as soon as a data row is back.
    if (FixedRows() == 0 && RowCount() > 1)
        TMyCustomGrid::SetFixedRows(1);
    if (OldColCount != ColCount() || OldRowCount != RowCount())
        SetModified(true);
    UpdateProportionalBars();
    if (sortOptions_.UpdateOnSizeChange)
        SortByColumn(sortOptions_.SortCol);
    // The first data cell, never a fixed column.
    if (!NowUpdating() && RowCount() > FixedRows() && ColCount() > FixedCols())
        MoveColRow(FixedCols(), FixedRows(), true, true);
    if (RowCount() < 2)
        ShowMessage({this, QString(), QStringLiteral("Rowsize too small"), MessageKind::Information});
    if (OnSizeChanged)
        OnSizeChanged(this, OldColCount, OldRowCount);
}

void TSortGrid::ColWidthsChanged()
{
    TMyStringGrid::ColWidthsChanged();
    if (OnColumnWidthsChanged)
        OnColumnWidthsChanged(this);
    UpdateProportionalBars();
}

void TSortGrid::RowHeightsChanged()
{
    TMyStringGrid::RowHeightsChanged();
    if (OnRowHeightsChanged)
        OnRowHeightsChanged(this);
    UpdateProportionalBars();
}

void TSortGrid::resizeEvent(QResizeEvent* e)
{
    TMyStringGrid::resizeEvent(e);
    if (stretchLastCol_)
        StretchLastColumn();
    UpdateProportionalBars();
}

void TSortGrid::StretchLastColumn()
{
    const int visible = VisibleColCount();
    if (LeftCol() + visible != ColCount())
        return;
    int before = 0;
    for (int col = 0; col < FixedCols(); ++col)
        before += ColWidths(col);
    for (int col = LeftCol(); col < ColCount() - 1; ++col)
        before += ColWidths(col);
    const int w = viewport()->width() - before - (visible + 3);
    if (w > 0)
        SetColWidths(ColCount() - 1, w);
    InvalidateGrid();
}

void TSortGrid::UpdateProportionalBars()
{
    if (!proportionalScrollBars_)
        return;
    constexpr int BarMax = 127;
    const int rows = std::max(1, RowCount() - FixedRows());
    verticalScrollBar()->setPageStep(std::max(1, (VisibleRowCount() + 1) * BarMax / rows));
    if (ScrollBars() == ssBoth) {
        const int cols = std::max(1, ColCount() - FixedCols());
        horizontalScrollBar()->setPageStep(std::max(1, VisibleColCount() * BarMax / cols));
    }
}

// ---- update bracket ----

void TSortGrid::BeginUpdate()
{
    // Counted, so an inner pair (the auto-size inside ClearGrid) neither ends the bracket
    // early nor loses the saved option.
    if (updateDepth_++ > 0)
        return;
    TMyStringGrid::BeginUpdate();
    savedUpdateOnSizeChange_ = sortOptions_.UpdateOnSizeChange;
    sortOptions_.UpdateOnSizeChange = false;
}

void TSortGrid::EndUpdate()
{
    if (updateDepth_ > 1) {
        --updateDepth_;
        return;
    }
    const bool bracketOpen = updateDepth_ == 1;
    updateDepth_ = 0;
    TMyStringGrid::EndUpdate();
    if (bracketOpen)
        sortOptions_.UpdateOnSizeChange = savedUpdateOnSizeChange_;
    if (OnEndUpdate)
        OnEndUpdate(this);
}

// ---- rows and columns ----

void TSortGrid::EmptyRow(int ARow)
{
    TSparseList<TStringSparseList*>& rows = RowStore();
    const TStringSparseList* list = rows.Get(ARow);
    rows.Put(ARow, nullptr);
    delete list;
    InvalidateRow(ARow);
    InvalidateEditor();
}

void TSortGrid::DropRowsFrom(int ARow)
{
    std::vector<int> stale;
    RowStore().ForAll([&stale, ARow](int index, TStringSparseList*) {
        if (index >= ARow)
            stale.push_back(index);
        return 0;
    });
    for (int index : stale)
        EmptyRow(index);
}

void TSortGrid::InsertRow(int ARow)
{
    EditorOptionPause pause(*this);
    SetRowCount(RowCount() + 1);
    const int last = RowCount() - 1;
    const int index = ARow < last - 1 ? std::max(ARow, FixedRows()) : last;
    if (index != last)
        MoveRow(last, index);
    EmptyRow(index);
    SelectGridCell(Col(), index, true);
    if (OnRowInsert)
        OnRowInsert(this, index);
}

void TSortGrid::InsertColumn(int ACol)
{
    EditorOptionPause pause(*this);
    SetColCount(ColCount() + 1);
    const int last = ColCount() - 1;
    const int index = std::clamp(ACol, 0, last);
    if (index != last)
        MoveColumn(last, index);
    Cols(index).Clear();
    MoveColRow(index, Row(), true, true);
    if (OnColumnInsert)
        OnColumnInsert(this, index);
}

void TSortGrid::DeleteRow(int ARow)
{
    EditorOptionPause pause(*this);
    SetModified(true);
    if (RowCount() < 3) {
        EmptyRow(1);  // one data row always remains
    } else {
        TMyStringGrid::DeleteRow(ARow);
        // The deleted row now lies past the last one: drop it so that no later growth of
        // the grid brings it back. The move took the selection along (RowMoved), so only
        // the deleted row's own place is left to unselect.
        EmptyRow(RowCount());
        selectedRows_.erase(RowCount());
    }
    if (OnRowDelete)
        OnRowDelete(this, ARow);
}

void TSortGrid::DeleteColumn(int ACol)
{
    EditorOptionPause pause(*this);
    Cols(ACol).Clear();
    TMyStringGrid::DeleteColumn(ACol);
    if (OnColumnDelete)
        OnColumnDelete(this, ACol);
}

void TSortGrid::ExchangeRows(int A, int B)
{
    if (A == B)
        return;
    EditorOptionPause pause(*this);
    const int lo = std::min(A, B);
    const int hi = std::max(A, B);
    MoveRow(lo, hi);
    MoveRow(hi - 1, lo);
}

void TSortGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    sortOptions_.SortCol = Shifted(sortOptions_.SortCol, FromIndex, ToIndex);
    TMyStringGrid::ColumnMoved(FromIndex, ToIndex);
    SetModified(true);
}

void TSortGrid::RowMoved(int FromIndex, int ToIndex)
{
    std::set<int> moved;
    for (int row : selectedRows_)
        moved.insert(Shifted(row, FromIndex, ToIndex));
    selectedRows_ = moved;
    TMyStringGrid::RowMoved(FromIndex, ToIndex);
    SetModified(true);
}

void TSortGrid::ClearGrid()
{
    {
        TGridUpdateGuard bracket(*this);
        filteredOut_.clear();
        filtered_ = false;
        DropRowsFrom(1);
        SetRowCount(2);
        if (Row() != 1)
            MoveColRow(Col(), 1, true, false);
        selectedRows_ = {1};
        AutoSizeColumns(true);
        bracket.Close();
    }
    // The emptied grid holds nothing to save.
    SetModified(false);
    if (OnRowSelected)
        OnRowSelected(this);
}

// ---- selection ----

void TSortGrid::SelectOnly(int ARow)
{
    for (int row : selectedRows_)
        InvalidateRow(row);
    selectedRows_ = {ARow};
    InvalidateRow(ARow);
}

void TSortGrid::ClearSelection()
{
    for (int row : selectedRows_)
        InvalidateRow(row);
    selectedRows_.clear();
}

void TSortGrid::SelectRowsOfSelection()
{
    const TGridRect sel = Selection();
    for (int row = std::max(sel.Top, FixedRows()); row <= sel.Bottom; ++row) {
        selectedRows_.insert(row);
        InvalidateRow(row);
    }
}

void TSortGrid::SelectGridCell(int ACol, int ARow, bool Scroll)
{
    MoveColRow(ACol, ARow, true, Scroll);
    SelectOnly(ARow);
}

void TSortGrid::ScrollToCell(int ACol, int ARow)
{
    if (ARow < TopRow() || ARow >= TopRow() + VisibleRowCount())
        SetTopRow(std::clamp(ARow, FixedRows(), RowCount() - 1));
    if (ACol < LeftCol() || ACol >= LeftCol() + VisibleColCount())
        SetLeftCol(std::clamp(ACol, FixedCols(), ColCount() - 1));
}

// ---- sorting ----

int TSortGrid::CurrentYear() const
{
    return (Clock ? Clock() : QDate::currentDate()).year();
}

std::vector<TSortPass> TSortGrid::SortKeys(int ACol, int currentYear) const
{
    std::vector<TSortPass> keys{{ACol, sortOptions_.SortStyle}};
    for (const QString& part : sortOptions_.SecondaryIndex.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        int col = 0;
        if (TryStrToInt(part.trimmed(), col) && col >= 0 && col != ACol)
            keys.push_back({col, sortOptions_.SortStyle});
    }
    // Each key's style on its own: the configured style is never overwritten.
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        if (OnGetSortStyle)
            OnGetSortStyle(const_cast<TSortGrid*>(this), key->Col, key->Style);
        else if (key->Style == ssAutomatic)
            key->Style = DetectSortStyle(key->Col, currentYear);
    }
    return keys;
}

TSortStyle TSortGrid::DetectSortStyle(int ACol) const
{
    return DetectSortStyle(ACol, CurrentYear());
}

TSortStyle TSortGrid::DetectSortStyle(int ACol, int currentYear) const
{
    return ::DetectSortStyle(RowCount() - 1, currentYear, [this, ACol](int i) { return Cells(ACol, i + 1); });
}

void TSortGrid::ApplySortOrder(const std::vector<int>& order)
{
    PermuteRows(RowStore(), 1, order);
    // The selection follows its rows to their final places; the first becomes current.
    std::set<int> selected;
    int current = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int newRow = static_cast<int>(i) + 1;
        if (selectedRows_.count(order[i] + 1) != 0) {
            if (current < 0)
                current = newRow;
            selected.insert(newRow);
        }
    }
    if (current >= 0) {
        rowTracking_ = false;
        MoveColRow(Col(), current, true, false);
        rowTracking_ = true;
        selectedRows_ = selected;
    }
    InvalidateGrid();
    InvalidateEditor();
}

void TSortGrid::SortByColumn(int ACol)
{
    if (!sortOptions_.CanSort || ACol < FixedCols())
        return;
    sortOptions_.SortCol = ACol;
    struct ClearCompare {
        TSortOptions& options;
        ~ClearCompare() { options.SortCompare = nullptr; }
    } clearCompare{sortOptions_};
    TGridUpdateGuard bracket(*this);
    int col = ACol;
    if (OnBeginSort)
        OnBeginSort(this, col);
    sortOptions_.SortCol = col;
    const int count = RowCount() - 1;
    if (count > 0) {
        const int year = CurrentYear();
        const TSortSettings settings{sortOptions_.SortCaseSensitive, sortOptions_.SortDirection,
                                     sortOptions_.SortCompare, year};
        ApplySortOrder(SortRowOrder(RowStore(), 1, count, SortKeys(col, year), settings));
    }
    sortOptions_.SortCompare = nullptr;
    if (OnEndSort)
        OnEndSort(this, col);
    bracket.Close();
}

// ---- filtering ----

QStringList TSortGrid::RowTexts(int ARow) const
{
    QStringList texts;
    for (int col = 0; col < ColCount(); ++col)
        texts << Cells(col, ARow);
    return texts;
}

bool TSortGrid::RowEmpty(int ARow) const
{
    for (int col = 0; col < ColCount(); ++col)
        if (!Cells(col, ARow).isEmpty())
            return false;
    return true;
}

void TSortGrid::FilterRows()
{
    TSparseList<TStringSparseList*>& rows = RowStore();
    const int last = RowCount() - 1;
    std::vector<TStringSparseList*> kept;
    for (int row = 1; row <= last; ++row) {
        bool accept = true;
        OnSetFilter(RowTexts(row), accept);
        TStringSparseList* list = rows.Get(row);
        if (accept)
            kept.push_back(list);
        else
            filteredOut_.emplace_back(list);
        rows.Put(row, nullptr);
    }
    for (std::size_t i = 0; i < kept.size(); ++i)
        rows.Put(1 + static_cast<int>(i), kept[i]);
    // With every row moved out, one empty data row shows.
    SetRowCount(1 + std::max<int>(1, static_cast<int>(kept.size())));
    InvalidateGrid();
    InvalidateEditor();
}

void TSortGrid::UnfilterRows()
{
    int base = RowCount();
    if (base == 2 && RowEmpty(1))
        base = 1;  // the empty row that showed while everything was filtered out
    DropRowsFrom(base);
    TSparseList<TStringSparseList*>& rows = RowStore();
    const int count = static_cast<int>(filteredOut_.size());
    for (int i = 0; i < count; ++i)
        rows.Put(base + i, filteredOut_[static_cast<std::size_t>(i)].release());
    filteredOut_.clear();
    SetRowCount(std::max(2, base + count));
    InvalidateGrid();
    InvalidateEditor();
}

void TSortGrid::SetFiltered(bool value)
{
    if (value && filteredOut_.empty() && RowEmpty(1))
        return;
    if (!value && !filtered_)
        return;
    const bool wasModified = modified_;
    {
        TGridUpdateGuard bracket(*this);
        const bool hadRowsOut = !filteredOut_.empty();
        // Filtering again starts from every row, so a changed filter sees them all.
        if (hadRowsOut)
            UnfilterRows();
        filtered_ = value;
        if (value && OnSetFilter) {
            FilterRows();
            SortByColumn(sortOptions_.SortCol);
        } else if (hadRowsOut) {
            SortByColumn(sortOptions_.SortCol);
        }
        if (RowCount() > 1)
            MoveColRow(std::max(Col(), FixedCols()), 1, true, true);
        bracket.Close();
    }
    modified_ = wasModified;
}
