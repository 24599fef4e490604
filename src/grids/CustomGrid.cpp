#include "grids/CustomGrid.h"

#include "grids/GridErrors.h"
#include "grids/GridPlatform.h"
#include "grids/InplaceEdit.h"
#include "platform/FocusRules.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int ScrollBarMax = 127;
constexpr int MouseScrollInterval = 60;

// a * b / c without overflow, truncated.
int MulDiv(long long a, long long b, long long c)
{
    return c == 0 ? 0 : static_cast<int>(a * b / c);
}

bool IsTypingChar(QChar ch)
{
    return ch == QLatin1Char('\b') || (ch.unicode() >= 32 && ch.unicode() != 127);
}

// Points the grid's painter at the one being used while a cell is drawn.
class CanvasScope {
public:
    CanvasScope(QPainter*& slot, QPainter* painter) : slot_(slot) { slot_ = painter; }
    ~CanvasScope() { slot_ = nullptr; }
    CanvasScope(const CanvasScope&) = delete;
    CanvasScope& operator=(const CanvasScope&) = delete;

private:
    QPainter*& slot_;
};

// The pixel span [first, last) of the visible cells of an axis whose index lies in
// [from, to]; empty when none is shown.
std::pair<int, int> VisibleSpan(const TGridAxisDrawInfo& axis, int from, int to)
{
    int first = -1;
    int last = -1;
    auto visit = [&](int i, int pos) {
        if (i >= from && i <= to) {
            if (first < 0)
                first = pos;
            last = std::min(pos + axis.Extent(i) + axis.EffectiveLineWidth, axis.GridBoundary);
        }
    };
    int pos = 0;
    for (int i = 0; i < axis.FixedCellCount && pos < axis.GridBoundary; ++i) {
        visit(i, pos);
        pos += axis.Extent(i) + axis.EffectiveLineWidth;
    }
    pos = axis.FixedBoundary;
    for (int i = axis.FirstGridCell; i < axis.GridCellCount && pos < axis.GridBoundary && i <= to; ++i) {
        visit(i, pos);
        pos += axis.Extent(i) + axis.EffectiveLineWidth;
    }
    return {first, last};
}
}  // namespace

TMyCustomGrid::TMyCustomGrid(QWidget* parent) : QAbstractScrollArea(parent)
{
    color_ = SysColor(TSysColor::Window);
    fixedColor_ = SysColor(TSysColor::BtnFace);
    current_ = anchor_ = topLeft_ = {fixedCols_, fixedRows_};
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    SetBorderStyle(borderStyle_);
    SetScrollBars(scrollBars_);
    clickClock_.start();

    scrollTimer_ = new QTimer(this);
    scrollTimer_->setInterval(MouseScrollInterval);
    connect(scrollTimer_, &QTimer::timeout, this, [this] { TimedScroll(); });

    for (auto orientation : {Qt::Horizontal, Qt::Vertical}) {
        QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
        bar->setTracking(false);
        connect(bar, &QScrollBar::actionTriggered, this,
                [this, orientation](int action) { ScrollBarAction(orientation, action); });
        connect(bar, &QScrollBar::sliderReleased, this, [this, orientation] { ScrollBarReleased(orientation); });
    }
    resize(colCount_ * defaultColWidth_, rowCount_ * defaultRowHeight_);
    UpdateScrollRange();
}

TMyCustomGrid::~TMyCustomGrid()
{
    // The editor outlives this part of the grid by a little (Qt deletes children later):
    // it must not call back into it.
    if (inplaceEdit_ != nullptr)
        inplaceEdit_->SetGrid(nullptr);
}

// ---- counts and extents ----

void TMyCustomGrid::SetColCount(int value)
{
    if (value == colCount_)
        return;
    if (value < 1)
        value = 1;
    if (value <= fixedCols_)
        SetFixedCols(value - 1);
    ChangeSize(value, rowCount_);
    if (options_ & goRowSelect) {
        anchor_.X = colCount_ - 1;
        InvalidateGrid();
    }
}

void TMyCustomGrid::SetRowCount(int value)
{
    if (value == rowCount_)
        return;
    if (value < 1)
        value = 1;
    if (value <= fixedRows_)
        SetFixedRows(value - 1);
    ChangeSize(colCount_, value);
}

void TMyCustomGrid::SetFixedCols(int value)
{
    if (value == fixedCols_)
        return;
    if (value < 0)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (value >= colCount_)
        RaiseGridError(GridMessages::FixedColTooBig);
    fixedCols_ = value;
    InitializeCells();
}

void TMyCustomGrid::SetFixedRows(int value)
{
    if (value == fixedRows_)
        return;
    if (value < 0)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (value >= rowCount_)
        RaiseGridError(GridMessages::FixedRowTooBig);
    fixedRows_ = value;
    InitializeCells();
}

void TMyCustomGrid::InitializeCells()
{
    current_ = anchor_ = topLeft_ = {fixedCols_, fixedRows_};
    if (options_ & goRowSelect)
        anchor_.X = colCount_ - 1;
    UpdateScrollRange();
    InvalidateGrid();
    // An open editor follows to the new current cell.
    inplaceCol_ = -1;
    inplaceRow_ = -1;
    UpdateEdit();
}

void TMyCustomGrid::SetDefaultColWidth(int value)
{
    colWidths_.Discard();
    defaultColWidth_ = value;
    ColWidthsChanged();
    InvalidateGrid();
}

void TMyCustomGrid::SetDefaultRowHeight(int value)
{
    rowHeights_.Discard();
    defaultRowHeight_ = value;
    RowHeightsChanged();
    InvalidateGrid();
}

void TMyCustomGrid::SetColWidths(int index, int value)
{
    if (index < 0 || index >= colCount_)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (colWidths_.Exists() && colWidths_.Get(index, defaultColWidth_) == value && colWidths_.Size() >= colCount_)
        return;
    colWidths_.Set(index, value, colCount_, defaultColWidth_);
    ColWidthsChanged();
    InvalidateGrid();
}

void TMyCustomGrid::SetRowHeights(int index, int value)
{
    if (index < 0 || index >= rowCount_)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (rowHeights_.Exists() && rowHeights_.Get(index, defaultRowHeight_) == value && rowHeights_.Size() >= rowCount_)
        return;
    rowHeights_.Set(index, value, rowCount_, defaultRowHeight_);
    RowHeightsChanged();
    InvalidateGrid();
}

void TMyCustomGrid::SetTabStops(int index, bool value)
{
    tabStops_.Set(index, value ? 1 : 0, colCount_, 1);
}

void TMyCustomGrid::SetGridLineWidth(int value)
{
    if (value == gridLineWidth_)
        return;
    gridLineWidth_ = value;
    // The layout changes, not the widths or heights: no width or height notification.
    UpdateScrollRange();
    UpdateEdit();
    InvalidateGrid();
}

void TMyCustomGrid::ChangeSize(int NewColCount, int NewRowCount)
{
    const int oldCols = colCount_;
    const int oldRows = rowCount_;
    colCount_ = NewColCount;
    rowCount_ = NewRowCount;
    if (fixedCols_ > NewColCount)
        fixedCols_ = NewColCount - 1;
    if (fixedRows_ > NewRowCount)
        fixedRows_ = NewRowCount - 1;
    if (nowUpdating_)
        return;
    ApplySize(oldCols, oldRows);
}

void TMyCustomGrid::ApplyExtents()
{
    // Each array either resizes or raises before it changes; the caller restores the
    // counts, so the arrays that did resize are brought back by the second pass.
    colWidths_.Resize(colCount_, defaultColWidth_);
    tabStops_.Resize(colCount_, 1);
    rowHeights_.Resize(rowCount_, defaultRowHeight_);
}

void TMyCustomGrid::ApplySize(int OldColCount, int OldRowCount)
{
    try {
        ApplyExtents();
    } catch (...) {
        colCount_ = OldColCount;
        rowCount_ = OldRowCount;
        ApplyExtents();
        UpdateScrollRange();
        InvalidateGrid();
        throw;
    }
    if (current_.X >= colCount_ || current_.Y >= rowCount_) {
        const TGridCoord last{std::min(current_.X, colCount_ - 1), std::min(current_.Y, rowCount_ - 1)};
        MoveColRow(last.X, last.Y, true, true);
        // A cell that refuses the selection must not leave the current cell outside the grid.
        if (current_.X >= colCount_ || current_.Y >= rowCount_) {
            current_ = anchor_ = last;
            if (options_ & goRowSelect)
                anchor_.X = colCount_ - 1;
            ClampInView(current_);
        }
    }
    if (anchor_.X >= colCount_ || anchor_.Y >= rowCount_)
        anchor_ = {std::min(anchor_.X, colCount_ - 1), std::min(anchor_.Y, rowCount_ - 1)};
    const TGridCoord maxTopLeft = CalcMaxTopLeft();
    MoveTopLeft(std::clamp(topLeft_.X, fixedCols_, std::max(fixedCols_, std::min(maxTopLeft.X, colCount_ - 1))),
                std::clamp(topLeft_.Y, fixedRows_, std::max(fixedRows_, std::min(maxTopLeft.Y, rowCount_ - 1))));
    InvalidateGrid();
    UpdateScrollRange();
    SizeChanged(OldColCount, OldRowCount);
}

void TMyCustomGrid::AdjustSize(int Index, int Amount, bool Rows)
{
    if (Amount == 0)
        return;
    const int count = Rows ? rowCount_ : colCount_;
    if (Index < 0 || Index > count)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (Amount < 0 && Index - Amount > count)
        RaiseGridError(GridMessages::TooManyDeleted);
    const long long newCount = static_cast<long long>(count) + Amount;
    if (newCount >= TGridExtents::MaxCount)
        RaiseGridError(GridMessages::GridTooLarge);
    if (newCount < 1)
        RaiseGridError(GridMessages::TooManyDeleted);
    const int oldCols = colCount_;
    const int oldRows = rowCount_;
    TGridCoord newCurrent = current_;
    int& pos = Rows ? newCurrent.Y : newCurrent.X;
    if (pos >= Index) {
        if (Amount < 0 && pos < Index - Amount)
            pos = Index;
        else
            pos += Amount;
    }
    if (Rows) {
        rowHeights_.Modify(Index, Amount, defaultRowHeight_);
        rowCount_ = static_cast<int>(newCount);
        if (fixedRows_ >= rowCount_)
            fixedRows_ = rowCount_ - 1;
    } else {
        colWidths_.Modify(Index, Amount, defaultColWidth_);
        tabStops_.Modify(Index, Amount, 1);
        colCount_ = static_cast<int>(newCount);
        if (fixedCols_ >= colCount_)
            fixedCols_ = colCount_ - 1;
    }
    newCurrent.X = std::clamp(newCurrent.X, fixedCols_, colCount_ - 1);
    newCurrent.Y = std::clamp(newCurrent.Y, fixedRows_, rowCount_ - 1);
    anchor_ = {std::min(anchor_.X, colCount_ - 1), std::min(anchor_.Y, rowCount_ - 1)};
    topLeft_ = {std::clamp(topLeft_.X, fixedCols_, colCount_ - 1), std::clamp(topLeft_.Y, fixedRows_, rowCount_ - 1)};
    InvalidateGrid();
    UpdateScrollRange();
    SizeChanged(oldCols, oldRows);
    if (!(newCurrent == current_))
        MoveColRow(newCurrent.X, newCurrent.Y, true, true);
}

// ---- appearance ----

void TMyCustomGrid::SetOptions(TGridOptions value)
{
    if (value & goRowSelect)
        value &= ~TGridOptions(goAlwaysShowEditor);
    if (value == options_)
        return;
    options_ = value;
    if (!editorMode_) {
        if (options_ & goAlwaysShowEditor)
            ShowEditor();
        else
            HideEditor();
    }
    if (options_ & goRowSelect)
        MoveColRow(current_.X, current_.Y, true, false);
    // With thumb tracking the grid follows the dragged thumb, otherwise its release.
    horizontalScrollBar()->setTracking(options_ & goThumbTracking);
    verticalScrollBar()->setTracking(options_ & goThumbTracking);
    // The line options change the layout, not the widths or heights.
    UpdateScrollRange();
    UpdateEdit();
    InvalidateGrid();
}

void TMyCustomGrid::SetColor(const QColor& value)
{
    color_ = value;
    InvalidateGrid();
}

void TMyCustomGrid::SetFixedColor(const QColor& value)
{
    fixedColor_ = value;
    InvalidateGrid();
}

void TMyCustomGrid::SetScrollBars(TScrollStyle value)
{
    scrollBars_ = value;
    const bool horz = value == ssHorizontal || value == ssBoth;
    const bool vert = value == ssVertical || value == ssBoth;
    setHorizontalScrollBarPolicy(horz ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vert ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    UpdateScrollRange();
}

void TMyCustomGrid::SetBorderStyle(TGridBorderStyle value)
{
    borderStyle_ = value;
    setFrameStyle(value == bsSingle ? (QFrame::StyledPanel | QFrame::Sunken) : QFrame::NoFrame);
}

void TMyCustomGrid::SetDefaultDrawing(bool value)
{
    defaultDrawing_ = value;
    InvalidateGrid();
}

// ---- current cell and scrolling ----

void TMyCustomGrid::SetCol(int value)
{
    if (value != current_.X)
        FocusCell(value, current_.Y, true);
}

void TMyCustomGrid::SetRow(int value)
{
    if (value != current_.Y)
        FocusCell(current_.X, value, true);
}

// A first column or row outside the scrolling cells would paint cells that do not exist.
void TMyCustomGrid::SetLeftCol(int value)
{
    value = std::clamp(value, fixedCols_, colCount_ - 1);
    if (value != topLeft_.X)
        MoveTopLeft(value, topLeft_.Y);
}

void TMyCustomGrid::SetTopRow(int value)
{
    value = std::clamp(value, fixedRows_, rowCount_ - 1);
    if (value != topLeft_.Y)
        MoveTopLeft(topLeft_.X, value);
}

int TMyCustomGrid::VisibleColCount() const
{
    return std::max(0, CalcDrawInfo().Horz.VisibleCount());
}

int TMyCustomGrid::VisibleRowCount() const
{
    return std::max(0, CalcDrawInfo().Vert.VisibleCount());
}

void TMyCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= colCount_ || ARow >= rowCount_)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (!SelectCell(ACol, ARow))
        return;
    const TGridRect oldSel = Selection();
    const TGridCoord oldCurrent = current_;
    current_ = {ACol, ARow};
    if (!(options_ & goAlwaysShowEditor))
        HideEditor();
    if (MoveAnchor || !(options_ & goRangeSelect)) {
        anchor_ = current_;
        if (options_ & goRowSelect)
            anchor_.X = colCount_ - 1;
    }
    if (options_ & goRowSelect)
        current_.X = fixedCols_;
    if (Show)
        ClampInView(current_);
    InvalidateGridRect(oldSel);
    InvalidateGridRect(Selection());
    InvalidateCell(oldCurrent.X, oldCurrent.Y);
    InvalidateCell(current_.X, current_.Y);
}

void TMyCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor)
{
    MoveColRow(ACol, ARow, MoveAnchor, true);
    UpdateEdit();
    Click();
}

void TMyCustomGrid::MoveAnchor(TGridCoord NewAnchor)
{
    if (!(options_ & goRangeSelect)) {
        MoveColRow(NewAnchor.X, NewAnchor.Y, true, true);
        return;
    }
    const TGridRect oldSel = Selection();
    anchor_ = NewAnchor;
    if (options_ & goRowSelect)
        anchor_.X = colCount_ - 1;
    ClampInView(NewAnchor);
    InvalidateGridRect(oldSel);
    InvalidateGridRect(Selection());
}

void TMyCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    if (ALeft == topLeft_.X && ATop == topLeft_.Y)
        return;
    topLeft_ = {ALeft, ATop};
    viewport()->update();
    UpdateScrollPos();
    TopLeftChanged();
}

void TMyCustomGrid::ClampInView(TGridCoord coord)
{
    const TGridDrawInfo info = CalcDrawInfo();
    auto firstFor = [](const TGridAxisDrawInfo& axis, int index, int current) {
        if (index < axis.FixedCellCount)
            return current;
        if (index < axis.FirstGridCell)
            return index;
        if (index <= axis.LastFullVisibleCell)
            return current;
        // Make `index` the last fully visible cell.
        const int available = axis.GridExtent + axis.EffectiveLineWidth - axis.FixedBoundary;
        int first = index;
        int used = 0;
        for (int i = index; i >= axis.FixedCellCount; --i) {
            used += axis.Extent(i) + axis.EffectiveLineWidth;
            if (used > available)
                break;
            first = i;
        }
        return first;
    };
    MoveTopLeft(firstFor(info.Horz, coord.X, topLeft_.X), firstFor(info.Vert, coord.Y, topLeft_.Y));
}

TGridCoord TMyCustomGrid::CalcMaxTopLeft() const
{
    return {CalcMaxFirstCell([this](int i) { return ColWidthFor(i); }, EffectiveLineWidth(true), fixedCols_,
                             colCount_, viewport()->width()),
            CalcMaxFirstCell([this](int i) { return RowHeightFor(i); }, EffectiveLineWidth(false), fixedRows_,
                             rowCount_, viewport()->height())};
}

void TMyCustomGrid::UpdateScrollRange()
{
    if (syncingScrollBars_)
        return;
    syncingScrollBars_ = true;
    const TGridCoord maxTopLeft = CalcMaxTopLeft();
    const bool horzBar = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    colOffset_ = std::clamp(colOffset_, 0, ColOverflow());
    const bool horz = horzBar && (maxTopLeft.X > fixedCols_ || ColOverflow() > 0);
    const bool vert = (scrollBars_ == ssVertical || scrollBars_ == ssBoth) && maxTopLeft.Y > fixedRows_;
    horizontalScrollBar()->setRange(0, horz ? ScrollBarMax : 0);
    verticalScrollBar()->setRange(0, vert ? ScrollBarMax : 0);
    syncingScrollBars_ = false;
    UpdateScrollPos();
}

void TMyCustomGrid::UpdateScrollPos()
{
    if (syncingScrollBars_)
        return;
    syncingScrollBars_ = true;
    const TGridCoord maxTopLeft = CalcMaxTopLeft();
    auto position = [](int first, int fixed, int max) {
        return max > fixed ? std::clamp(MulDiv(first - fixed, ScrollBarMax, max - fixed), 0, ScrollBarMax) : 0;
    };
    if (colCount_ == 1)
        horizontalScrollBar()->setValue(ColOverflow() > 0 ? MulDiv(colOffset_, ScrollBarMax, ColOverflow()) : 0);
    else
        horizontalScrollBar()->setValue(position(topLeft_.X, fixedCols_, maxTopLeft.X));
    verticalScrollBar()->setValue(position(topLeft_.Y, fixedRows_, maxTopLeft.Y));
    syncingScrollBars_ = false;
}

void TMyCustomGrid::ScrollToPosition(Qt::Orientation orientation, int position)
{
    const TGridCoord maxTopLeft = CalcMaxTopLeft();
    if (orientation == Qt::Horizontal && colCount_ == 1) {
        SetColOffset(MulDiv(position, ColOverflow(), ScrollBarMax));
    } else if (orientation == Qt::Horizontal) {
        const int left = fixedCols_ + MulDiv(position, std::max(0, maxTopLeft.X - fixedCols_), ScrollBarMax);
        MoveTopLeft(left, topLeft_.Y);
    } else {
        const int top = fixedRows_ + MulDiv(position, std::max(0, maxTopLeft.Y - fixedRows_), ScrollBarMax);
        MoveTopLeft(topLeft_.X, top);
    }
}

void TMyCustomGrid::ScrollBarAction(Qt::Orientation orientation, int action)
{
    if (syncingScrollBars_)
        return;
    const bool horz = orientation == Qt::Horizontal;
    QScrollBar* bar = horz ? horizontalScrollBar() : verticalScrollBar();
    if (!inputEnabled_) {
        // Disabled by the update bracket: the bar stays where it is.
        bar->setSliderPosition(bar->value());
        return;
    }
    if (horz && colCount_ == 1) {
        const int line = std::max(1, fontMetrics().averageCharWidth());
        int target = colOffset_;
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: target += line; break;
        case QAbstractSlider::SliderSingleStepSub: target -= line; break;
        case QAbstractSlider::SliderPageStepAdd: target += viewport()->width(); break;
        case QAbstractSlider::SliderPageStepSub: target -= viewport()->width(); break;
        case QAbstractSlider::SliderToMinimum: target = 0; break;
        case QAbstractSlider::SliderToMaximum: target = ColOverflow(); break;
        case QAbstractSlider::SliderMove:
            if (options_ & goThumbTracking)
                ScrollToPosition(orientation, bar->sliderPosition());
            return;
        default: return;
        }
        SetColOffset(target);
        bar->setSliderPosition(ColOverflow() > 0 ? MulDiv(colOffset_, ScrollBarMax, ColOverflow()) : 0);
        return;
    }
    const TGridDrawInfo info = CalcDrawInfo();
    const TGridCoord maxTopLeft = CalcMaxTopLeft();
    const int fixed = horz ? fixedCols_ : fixedRows_;
    const int max = std::max(fixed, horz ? maxTopLeft.X : maxTopLeft.Y);
    const int first = horz ? topLeft_.X : topLeft_.Y;
    const int page = std::max(1, (horz ? info.Horz : info.Vert).VisibleCount());
    int target = first;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: target = first + 1; break;
    case QAbstractSlider::SliderSingleStepSub: target = first - 1; break;
    case QAbstractSlider::SliderPageStepAdd: target = first + page; break;
    case QAbstractSlider::SliderPageStepSub: target = first - page; break;
    case QAbstractSlider::SliderToMinimum: target = fixed; break;
    case QAbstractSlider::SliderToMaximum: target = max; break;
    case QAbstractSlider::SliderMove:
        if (options_ & goThumbTracking)
            ScrollToPosition(orientation, bar->sliderPosition());
        return;
    default: return;
    }
    target = std::clamp(target, fixed, max);
    if (horz)
        MoveTopLeft(target, topLeft_.Y);
    else
        MoveTopLeft(topLeft_.X, target);
    const int pos = max > fixed ? MulDiv(target - fixed, ScrollBarMax, max - fixed) : 0;
    bar->setSliderPosition(pos);
}

int TMyCustomGrid::ColOverflow() const
{
    return colCount_ == 1 ? std::max(0, ColWidthFor(0) - viewport()->width()) : 0;
}

void TMyCustomGrid::SetColOffset(int value)
{
    value = std::clamp(value, 0, ColOverflow());
    if (value == colOffset_)
        return;
    colOffset_ = value;
    viewport()->update();
    TopLeftChanged();
}

void TMyCustomGrid::ScrollBarReleased(Qt::Orientation orientation)
{
    QScrollBar* bar = orientation == Qt::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    if (!inputEnabled_) {
        UpdateScrollPos();
        return;
    }
    ScrollToPosition(orientation, bar->sliderPosition());
    UpdateScrollPos();
}

void TMyCustomGrid::scrollContentsBy(int, int)
{
    // The grid positions its cells from LeftCol/TopRow; the bars only report.
}

// ---- geometry ----

int TMyCustomGrid::EffectiveLineWidth(bool horizontalAxis) const
{
    const TGridOptions lines = horizontalAxis ? (goFixedVertLine | goVertLine) : (goFixedHorzLine | goHorzLine);
    return (options_ & lines) ? gridLineWidth_ : 0;
}

TGridDrawInfo TMyCustomGrid::CalcDrawInfo() const
{
    return {CalcAxisDrawInfo([this](int i) { return ColWidthFor(i); }, EffectiveLineWidth(true), fixedCols_,
                             colCount_, topLeft_.X, viewport()->width() + colOffset_),
            CalcAxisDrawInfo([this](int i) { return RowHeightFor(i); }, EffectiveLineWidth(false), fixedRows_,
                             rowCount_, topLeft_.Y, viewport()->height())};
}

QRect TMyCustomGrid::CellRect(int ACol, int ARow) const
{
    const TGridDrawInfo info = CalcDrawInfo();
    const int x = info.Horz.CellStart(ACol);
    const int y = info.Vert.CellStart(ARow);
    if (x < 0 || y < 0)
        return {};
    const int right = std::min(x + ColWidthFor(ACol), info.Horz.GridBoundary);
    const int bottom = std::min(y + RowHeightFor(ARow), info.Vert.GridBoundary);
    if (right <= x || bottom <= y)
        return {};
    return QRect(x - colOffset_, y, right - x, bottom - y);
}

TGridCoord TMyCustomGrid::MouseCoord(int X, int Y) const
{
    const TGridDrawInfo info = CalcDrawInfo();
    const int col = info.Horz.CellAt(X + colOffset_);
    const int row = info.Vert.CellAt(Y);
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

void TMyCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord coord = MouseCoord(X, Y);
    ACol = coord.X;
    ARow = coord.Y;
}

// ---- repainting ----

void TMyCustomGrid::InvalidateCell(int ACol, int ARow)
{
    InvalidateGridRect({ACol, ARow, ACol, ARow});
}

void TMyCustomGrid::InvalidateCol(int ACol)
{
    // Whatever rows are shown now, after any scrolling.
    InvalidateGridRect({ACol, 0, ACol, rowCount_ - 1});
}

void TMyCustomGrid::InvalidateRow(int ARow)
{
    InvalidateGridRect({0, ARow, colCount_ - 1, ARow});
}

void TMyCustomGrid::InvalidateGrid()
{
    viewport()->update();
}

void TMyCustomGrid::InvalidateGridRect(const TGridRect& rect)
{
    // A hidden or frozen viewport ignores repaints anyway; skip the layout walk.
    if (!viewport()->isVisible() || !viewport()->updatesEnabled())
        return;
    const TGridDrawInfo info = CalcDrawInfo();
    const auto [x0, x1] = VisibleSpan(info.Horz, rect.Left, rect.Right);
    const auto [y0, y1] = VisibleSpan(info.Vert, rect.Top, rect.Bottom);
    if (x0 < 0 || y0 < 0)
        return;
    viewport()->update(QRect(x0 - colOffset_, y0, x1 - x0, y1 - y0));
}

// ---- moves and deletes ----

int TMyCustomGrid::Shifted(int index, int from, int to)
{
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (to < from && index >= to && index < from)
        return index + 1;
    return index;
}

void TMyCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= colCount_ || ToIndex >= colCount_)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (FromIndex == ToIndex)
        return;
    colWidths_.Move(FromIndex, ToIndex, colCount_, defaultColWidth_);
    tabStops_.Move(FromIndex, ToIndex, colCount_, 1);
    current_.X = Shifted(current_.X, FromIndex, ToIndex);
    anchor_.X = Shifted(anchor_.X, FromIndex, ToIndex);
    if (inplaceCol_ >= 0)
        inplaceCol_ = Shifted(inplaceCol_, FromIndex, ToIndex);
    InvalidateGridRect({std::min(FromIndex, ToIndex), 0, std::max(FromIndex, ToIndex), rowCount_ - 1});
    ColumnMoved(FromIndex, ToIndex);
    if (colWidths_.Exists())
        ColWidthsChanged();
    UpdateEdit();
}

void TMyCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= rowCount_ || ToIndex >= rowCount_)
        RaiseGridError(GridMessages::IndexOutOfRange);
    if (FromIndex == ToIndex)
        return;
    rowHeights_.Move(FromIndex, ToIndex, rowCount_, defaultRowHeight_);
    current_.Y = Shifted(current_.Y, FromIndex, ToIndex);
    anchor_.Y = Shifted(anchor_.Y, FromIndex, ToIndex);
    if (inplaceRow_ >= 0)
        inplaceRow_ = Shifted(inplaceRow_, FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    if (rowHeights_.Exists())
        RowHeightsChanged();
    UpdateEdit();
}

void TMyCustomGrid::DeleteColumn(int ACol)
{
    if (ACol < 0 || ACol >= colCount_)
        RaiseGridError(GridMessages::IndexOutOfRange);
    MoveColumn(ACol, colCount_ - 1);
    SetColCount(colCount_ - 1);
}

void TMyCustomGrid::DeleteRow(int ARow)
{
    if (ARow < 0 || ARow >= rowCount_)
        RaiseGridError(GridMessages::IndexOutOfRange);
    MoveRow(ARow, rowCount_ - 1);
    SetRowCount(rowCount_ - 1);
}

// ---- update bracket ----

void TMyCustomGrid::BeginUpdate()
{
    if (!nowUpdating_) {
        bracketColCount_ = colCount_;
        bracketRowCount_ = rowCount_;
    }
    nowUpdating_ = true;
    SetScreenCursor(crHourGlass);
    LockWindowUpdate(this);
    SetEnabled(false);
    if (OnBeginUpdate)
        OnBeginUpdate(this);
}

void TMyCustomGrid::EndUpdate()
{
    const int oldCols = nowUpdating_ ? bracketColCount_ : colCount_;
    const int oldRows = nowUpdating_ ? bracketRowCount_ : rowCount_;
    // However applying the counts ends, the control comes back usable.
    struct Finish {
        TMyCustomGrid* grid;
        ~Finish()
        {
            grid->InvalidateGrid();
            if (LockedWindow() == grid)
                UnlockWindowUpdate();
            grid->SetEnabled(true);
            SetScreenCursor(crDefault);
            grid->nowUpdating_ = false;
        }
    } finish{this};
    ApplySize(oldCols, oldRows);
}

TGridUpdateGuard::~TGridUpdateGuard()
{
    if (grid_ == nullptr)
        return;
    try {
        grid_->EndUpdate();
    } catch (...) {
        // A destructor cannot pass the failure on; the bracket is closed all the same.
    }
}

void TGridUpdateGuard::Close()
{
    TMyCustomGrid* grid = grid_;
    grid_ = nullptr;
    if (grid != nullptr)
        grid->EndUpdate();
}

// ---- editing ----

void TMyCustomGrid::SetEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

void TMyCustomGrid::ShowEditor()
{
    editorMode_ = true;
    UpdateEdit();
}

void TMyCustomGrid::HideEditor()
{
    editorMode_ = false;
    HideEdit();
}

void TMyCustomGrid::HideEdit()
{
    if (inplaceEdit_ == nullptr)
        return;
    // Every user edit has already been stored, so hiding writes nothing.
    inplaceCol_ = -1;
    inplaceRow_ = -1;
    inplaceEdit_->Hide();
}

void TMyCustomGrid::InvalidateEditor()
{
    inplaceCol_ = -1;
    inplaceRow_ = -1;
    UpdateEdit();
}

void TMyCustomGrid::UpdateEditorContents()
{
    inplaceCol_ = current_.X;
    inplaceRow_ = current_.Y;
    inplaceEdit_->UpdateContents();
    canEditModify_ = inplaceEdit_->EditLimit() != -1;
    inplaceEdit_->setReadOnly(!CanEditModify());
    inplaceEdit_->selectAll();
}

void TMyCustomGrid::UpdateEdit()
{
    if (!CanEditShow())
        return;
    if (inplaceEdit_ == nullptr) {
        inplaceEdit_ = CreateEditor();
        inplaceEdit_->SetGrid(this);
    }
    if (current_.X != inplaceCol_ || current_.Y != inplaceRow_)
        UpdateEditorContents();
    inplaceEdit_->Move(CellRect(current_.X, current_.Y));
}

void TMyCustomGrid::EditorTextEdited(const QString& text)
{
    if (inplaceCol_ >= 0 && inplaceRow_ >= 0)
        SetEditText(inplaceCol_, inplaceRow_, text);
}

qint64 TMyCustomGrid::TakeClickTime()
{
    const qint64 t = clickTime_;
    clickTime_ = 0;
    return t == 0 ? -1 : clickClock_.elapsed() - (t - 1);
}

bool TMyCustomGrid::IsActiveControl() const
{
    const QWidget* top = window();
    const QWidget* focus = top != nullptr ? top->focusWidget() : nullptr;
    return focus != nullptr && (focus == this || focus == inplaceEdit_);
}

TInplaceEdit* TMyCustomGrid::CreateEditor()
{
    return new TInplaceEdit(this);
}

bool TMyCustomGrid::CanEditShow() const
{
    return (options_ & goEditing) && !(options_ & goRowSelect) && editorMode_ &&
           ((options_ & goAlwaysShowEditor) || IsActiveControl());
}

// ---- base behaviour of the overridables ----

bool TMyCustomGrid::SelectCell(int, int)
{
    return true;
}

QString TMyCustomGrid::GetEditText(int, int)
{
    return {};
}

void TMyCustomGrid::SetEditText(int, int, const QString&) {}

QString TMyCustomGrid::GetEditMask(int, int)
{
    return {};
}

int TMyCustomGrid::GetEditLimit()
{
    return 0;
}

void TMyCustomGrid::ColumnMoved(int, int) {}

void TMyCustomGrid::RowMoved(int, int) {}

void TMyCustomGrid::SizeChanged(int, int) {}

void TMyCustomGrid::TopLeftChanged()
{
    if (editorMode_ && inplaceEdit_ != nullptr)
        inplaceEdit_->Move(CellRect(current_.X, current_.Y));
}

void TMyCustomGrid::ColWidthsChanged()
{
    UpdateScrollRange();
    UpdateEdit();
}

void TMyCustomGrid::RowHeightsChanged()
{
    UpdateScrollRange();
    UpdateEdit();
}

void TMyCustomGrid::DoExit()
{
    if (OnExit)
        OnExit(this);
    if (!(options_ & goAlwaysShowEditor))
        HideEditor();
}

void TMyCustomGrid::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TMyCustomGrid::Click()
{
    if (OnClick)
        OnClick(this);
}

void TMyCustomGrid::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

bool TMyCustomGrid::CanEditAcceptKey(QChar) const
{
    return true;
}

bool TMyCustomGrid::CanGridAcceptKey(int, TShiftState) const
{
    return true;
}

QPainter& TMyCustomGrid::Canvas() const
{
    if (canvas_ == nullptr)
        throw std::logic_error("the grid's canvas exists only while a cell is drawn");
    return *canvas_;
}

// ---- keyboard ----

void TMyCustomGrid::KeyDown(int& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
    if (!CanGridAcceptKey(Key, Shift))
        Key = 0;
    if (Key == 0)
        return;
    const bool rowSelect = options_ & goRowSelect;
    const TGridDrawInfo info = CalcDrawInfo();
    const int pageWidth = std::max(1, info.Horz.VisibleCount());
    const int pageHeight = std::max(1, info.Vert.VisibleCount());
    TGridCoord newTopLeft = topLeft_;
    TGridCoord newCurrent = current_;
    if (Shift & ssCtrl) {
        switch (Key) {
        case Qt::Key_Up: --newTopLeft.Y; break;
        case Qt::Key_Down: ++newTopLeft.Y; break;
        case Qt::Key_Left:
            if (!rowSelect) {
                newCurrent.X -= pageWidth;
                newTopLeft.X -= pageWidth;
            }
            break;
        case Qt::Key_Right:
            if (!rowSelect) {
                newCurrent.X += pageWidth;
                newTopLeft.X += pageWidth;
            }
            break;
        case Qt::Key_PageUp: newCurrent.Y = topLeft_.Y; break;
        case Qt::Key_PageDown: newCurrent.Y = std::max(topLeft_.Y, info.Vert.LastFullVisibleCell); break;
        case Qt::Key_Home: newCurrent = {fixedCols_, fixedRows_}; break;
        case Qt::Key_End: newCurrent = {colCount_ - 1, rowCount_ - 1}; break;
        default: break;
        }
    } else {
        switch (Key) {
        case Qt::Key_Up: --newCurrent.Y; break;
        case Qt::Key_Down: ++newCurrent.Y; break;
        case Qt::Key_Left:
            if (rowSelect)
                --newCurrent.Y;
            else
                --newCurrent.X;
            break;
        case Qt::Key_Right:
            if (rowSelect)
                ++newCurrent.Y;
            else
                ++newCurrent.X;
            break;
        case Qt::Key_PageDown:
            newCurrent.Y += pageHeight;
            newTopLeft.Y += pageHeight;
            break;
        case Qt::Key_PageUp:
            newCurrent.Y -= pageHeight;
            newTopLeft.Y -= pageHeight;
            break;
        case Qt::Key_Home:
            if (rowSelect)
                newCurrent.Y = fixedRows_;
            else
                newCurrent.X = fixedCols_;
            break;
        case Qt::Key_End:
            if (rowSelect)
                newCurrent.Y = rowCount_ - 1;
            else
                newCurrent.X = colCount_ - 1;
            break;
        case Qt::Key_Tab:
            if (!(Shift & ssAlt)) {
                TGridCoord next = current_;
                do {
                    if (Shift & ssShift) {
                        if (--next.X < fixedCols_) {
                            next.X = colCount_ - 1;
                            if (--next.Y < fixedRows_)
                                next.Y = rowCount_ - 1;
                        }
                    } else if (++next.X >= colCount_) {
                        next.X = fixedCols_;
                        if (++next.Y >= rowCount_)
                            next.Y = fixedRows_;
                    }
                } while (!TabStops(next.X) && next.X != current_.X);
                if (!(next == current_))
                    FocusCell(next.X, next.Y, true);
                return;
            }
            break;
        case Qt::Key_F2: ShowEditor(); break;
        default: break;
        }
    }
    const TGridCoord maxTopLeft = CalcMaxTopLeft();
    newTopLeft.X = std::clamp(newTopLeft.X, fixedCols_, std::max(fixedCols_, maxTopLeft.X));
    newTopLeft.Y = std::clamp(newTopLeft.Y, fixedRows_, std::max(fixedRows_, maxTopLeft.Y));
    if (!(newTopLeft == topLeft_))
        MoveTopLeft(newTopLeft.X, newTopLeft.Y);
    newCurrent.X = std::clamp(newCurrent.X, fixedCols_, colCount_ - 1);
    newCurrent.Y = std::clamp(newCurrent.Y, fixedRows_, rowCount_ - 1);
    if (!(newCurrent == current_))
        FocusCell(newCurrent.X, newCurrent.Y, !(Shift & ssShift));
}

void TMyCustomGrid::KeyPress(QChar& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
    if (!(options_ & goAlwaysShowEditor) && Key == QLatin1Char('\r')) {
        if (editorMode_)
            HideEditor();
        else
            ShowEditor();
        Key = QChar();
    }
}

void TMyCustomGrid::KeyUp(int& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

namespace {
bool IsInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu: return true;
    default: return false;
    }
}
}  // namespace

bool TMyCustomGrid::event(QEvent* e)
{
    if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::Hide) {
        // The release of a held button may never arrive now.
        CancelMode();
    }
    if (!inputEnabled_ && IsInputEvent(e->type())) {
        // Disabled by the update bracket: no input, but the focus stays.
        e->accept();
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (options_ & goTabs) && !(options_ & goRowSelect)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(e);
}

bool TMyCustomGrid::viewportEvent(QEvent* e)
{
    // The cells' mouse input arrives here, not through event().
    if (!inputEnabled_ && IsInputEvent(e->type())) {
        e->accept();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(e);
}

void TMyCustomGrid::keyPressEvent(QKeyEvent* e)
{
    int key = e->key() == Qt::Key_Backtab ? int(Qt::Key_Tab) : e->key();
    TShiftState shift = ShiftStateOf(e->modifiers());
    if (e->key() == Qt::Key_Backtab)
        shift |= ssShift;
    KeyDown(key, shift);
    const QString text = e->text();
    if (!text.isEmpty() && (options_ & goEditing) && IsTypingChar(text.at(0))) {
        // Typing starts editing the current cell.
        ShowEditor();
        if (inplaceEdit_ != nullptr && !inplaceEdit_->isHidden())
            inplaceEdit_->TypeCharacter(e);
    } else if (!text.isEmpty()) {
        QChar ch = text.at(0);
        KeyPress(ch);
    }
    // Enter and Escape belong to the grid only while it edits (and not with whole-row
    // selection); otherwise the window's default and cancel handling sees them too.
    const bool dialogKey = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Escape;
    e->setAccepted(!dialogKey || ((options_ & goEditing) && !(options_ & goRowSelect)));
}

void TMyCustomGrid::keyReleaseEvent(QKeyEvent* e)
{
    int key = e->key();
    KeyUp(key, ShiftStateOf(e->modifiers()));
    e->accept();
}

// ---- mouse ----

void TMyCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs,
                                    const TGridDrawInfo& FixedInfo) const
{
    State = gsNormal;
    Index = -1;
    auto checkAxis = [&](const TGridAxisDrawInfo& axis, int pos, TGridState sizingState) {
        const int lineWidth = axis.EffectiveLineWidth;
        int zone = lineWidth;
        int back = 0;
        if (lineWidth < 7) {
            zone = 7;
            back = (7 - lineWidth) / 2;
        }
        auto test = [&](int i, int line) {
            if (pos >= line - back && pos < line - back + zone) {
                State = sizingState;
                Index = i;
                SizingPos = line;
                SizingOfs = line - pos;
                return true;
            }
            return false;
        };
        int line = 0;
        for (int i = 0; i < axis.FixedCellCount; ++i) {
            line += axis.Extent(i);
            if (line + lineWidth > axis.GridBoundary)
                return;
            if (test(i, line))
                return;
            line += lineWidth;
        }
        line = axis.FixedBoundary;
        for (int i = axis.FirstGridCell; i <= axis.LastFullVisibleCell; ++i) {
            line += axis.Extent(i);
            if (test(i, line))
                return;
            line += lineWidth;
        }
    };
    if (options_ & goColSizing)
        checkAxis(FixedInfo.Horz, X + colOffset_, gsColSizing);
    if (State == gsNormal && (options_ & goRowSizing))
        checkAxis(FixedInfo.Vert, Y, gsRowSizing);
}

void TMyCustomGrid::SetDragLine(int pos, bool vertical)
{
    auto lineRect = [this](int p, bool v) {
        const int w = std::max(1, gridLineWidth_);
        return v ? QRect(p - colOffset_, 0, w, viewport()->height()) : QRect(0, p, viewport()->width(), w);
    };
    if (dragLinePos_ >= 0)
        viewport()->update(lineRect(dragLinePos_, dragLineVertical_));
    dragLinePos_ = pos;
    dragLineVertical_ = vertical;
    if (pos >= 0)
        viewport()->update(lineRect(pos, vertical));
}

void TMyCustomGrid::DrawDragLine(QPainter& p) const
{
    if (dragLinePos_ < 0)
        return;
    const int w = std::max(1, gridLineWidth_);
    const QRect r = dragLineVertical_ ? QRect(dragLinePos_, 0, w, viewport()->height())
                                      : QRect(colOffset_, dragLinePos_, viewport()->width(), w);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Difference);
    p.fillRect(r, Qt::white);
    p.restore();
}

void TMyCustomGrid::StopMouseState()
{
    scrollTimer_->stop();
    SetDragLine(-1, dragLineVertical_);
    gridState_ = gsNormal;
}

void TMyCustomGrid::CancelMode()
{
    if (gridState_ != gsNormal || scrollTimer_->isActive())
        StopMouseState();
}

int TMyCustomGrid::ScrollTimerInterval() const
{
    return scrollTimer_->interval();
}

bool TMyCustomGrid::ScrollTimerActive() const
{
    return scrollTimer_->isActive();
}

void TMyCustomGrid::MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y)
{
    HideEdit();
    setFocus(Qt::MouseFocusReason);
    if (!IsActiveControl())
        return;
    if (Button != Qt::LeftButton)
        return;
    if (Shift & ssDouble) {
        DblClick();
        return;
    }
    if (inplaceEdit_ != nullptr)
        clickTime_ = clickClock_.elapsed() + 1;
    TGridState state = gsNormal;
    int index = -1;
    int pos = 0;
    int ofs = 0;
    CalcSizingState(X, Y, state, index, pos, ofs, CalcDrawInfo());
    if (state != gsNormal) {
        gridState_ = state;
        sizingIndex_ = index;
        sizingPos_ = pos;
        sizingOfs_ = ofs;
        SetDragLine(pos, state == gsColSizing);
        return;
    }
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X >= fixedCols_ && cell.Y >= fixedRows_) {
        if (options_ & goEditing) {
            if (cell == current_) {
                ShowEditor();
            } else {
                MoveColRow(cell.X, cell.Y, true, true);
                UpdateEdit();
            }
            Click();
        } else {
            gridState_ = gsSelecting;
            scrollTimer_->start();
            if ((Shift & ssShift) && (options_ & goRangeSelect))
                MoveAnchor(cell);
            else
                MoveColRow(cell.X, cell.Y, true, true);
        }
    } else if ((options_ & goColMoving) && cell.X >= fixedCols_ && cell.Y >= 0 && cell.Y < fixedRows_) {
        gridState_ = gsColMoving;
        moveIndex_ = movePos_ = cell.X;
        const QRect r = CellRect(cell.X, cell.Y);
        SetDragLine(r.left() + colOffset_, true);
    } else if ((options_ & goRowMoving) && cell.Y >= fixedRows_ && cell.X >= 0 && cell.X < fixedCols_) {
        gridState_ = gsRowMoving;
        moveIndex_ = movePos_ = cell.Y;
        const QRect r = CellRect(cell.X, cell.Y);
        SetDragLine(r.top(), false);
    }
}

void TMyCustomGrid::MouseMove(TShiftState, int X, int Y)
{
    switch (gridState_) {
    case gsSelecting: {
        const TGridCoord cell = MouseCoord(X, Y);
        if (cell.X >= fixedCols_ && cell.Y >= fixedRows_ && !(cell == anchor_))
            MoveAnchor(cell);
        break;
    }
    case gsColSizing: SetDragLine(X + colOffset_ + sizingOfs_, true); break;
    case gsRowSizing: SetDragLine(Y + sizingOfs_, false); break;
    case gsColMoving:
    case gsRowMoving: {
        const bool cols = gridState_ == gsColMoving;
        const TGridCoord cell = MouseCoord(X, Y);
        const int index = cols ? cell.X : cell.Y;
        if (index >= (cols ? fixedCols_ : fixedRows_) && index != movePos_)
            movePos_ = index;
        const QRect r = cols ? CellRect(movePos_, 0) : CellRect(0, movePos_);
        if (!r.isEmpty()) {
            const bool after = movePos_ > moveIndex_;
            if (cols)
                SetDragLine((after ? r.right() + 1 : r.left()) + colOffset_, true);
            else
                SetDragLine(after ? r.bottom() + 1 : r.top(), false);
        }
        break;
    }
    case gsNormal: {
        TGridState state = gsNormal;
        int index = -1;
        int pos = 0;
        int ofs = 0;
        CalcSizingState(X, Y, state, index, pos, ofs, CalcDrawInfo());
        if (state == gsColSizing)
            viewport()->setCursor(Qt::SplitHCursor);
        else if (state == gsRowSizing)
            viewport()->setCursor(Qt::SplitVCursor);
        else
            viewport()->unsetCursor();
        break;
    }
    }
}

void TMyCustomGrid::MouseUp(Qt::MouseButton, TShiftState Shift, int X, int Y)
{
    const TGridState state = gridState_;
    if (state != gsNormal)
        MouseMove(Shift, X, Y);
    const int lineEnd = dragLinePos_;
    StopMouseState();
    switch (state) {
    case gsSelecting:
        UpdateEdit();
        Click();
        break;
    case gsColSizing: {
        const int start = CalcDrawInfo().Horz.CellStart(sizingIndex_);
        const int width = lineEnd - start;
        // A column of width -1 stays hidden.
        if (start >= 0 && width > 1 && ColWidths(sizingIndex_) != -1)
            SetColWidths(sizingIndex_, width);
        break;
    }
    case gsRowSizing: {
        const int start = CalcDrawInfo().Vert.CellStart(sizingIndex_);
        const int height = lineEnd - start;
        if (start >= 0 && height > 1)
            SetRowHeights(sizingIndex_, height);
        break;
    }
    case gsColMoving:
        if (movePos_ != moveIndex_)
            MoveColumn(moveIndex_, movePos_);
        break;
    case gsRowMoving:
        if (movePos_ != moveIndex_)
            MoveRow(moveIndex_, movePos_);
        break;
    case gsNormal: break;
    }
}

void TMyCustomGrid::TimedScroll()
{
    if (gridState_ != gsSelecting)
        return;
    const TGridDrawInfo info = CalcDrawInfo();
    const QPoint pt = lastMousePos_ + QPoint(colOffset_, 0);
    TGridCoord newAnchor = anchor_;
    if (pt.x() < info.Horz.FixedBoundary && newAnchor.X > fixedCols_)
        --newAnchor.X;
    else if (pt.x() >= info.Horz.FullVisBoundary && newAnchor.X < colCount_ - 1)
        ++newAnchor.X;
    if (pt.y() < info.Vert.FixedBoundary && newAnchor.Y > fixedRows_)
        --newAnchor.Y;
    else if (pt.y() >= info.Vert.FullVisBoundary && newAnchor.Y < rowCount_ - 1)
        ++newAnchor.Y;
    if (!(newAnchor == anchor_))
        MoveAnchor(newAnchor);
}

void TMyCustomGrid::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    lastMousePos_ = pos;
    MouseDown(e->button(), ShiftStateOf(e->modifiers(), e->buttons()), pos.x(), pos.y());
    e->accept();
}

void TMyCustomGrid::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    lastMousePos_ = pos;
    MouseDown(e->button(), ShiftStateOf(e->modifiers(), e->buttons()) | ssDouble, pos.x(), pos.y());
    e->accept();
}

void TMyCustomGrid::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    lastMousePos_ = pos;
    MouseMove(ShiftStateOf(e->modifiers(), e->buttons()), pos.x(), pos.y());
    e->accept();
}

void TMyCustomGrid::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    lastMousePos_ = pos;
    MouseUp(e->button(), ShiftStateOf(e->modifiers(), e->buttons()), pos.x(), pos.y());
    e->accept();
}

bool TMyCustomGrid::DoMouseWheelDown(TShiftState)
{
    if (current_.Y < rowCount_ - 1)
        SetRow(current_.Y + 1);
    return true;
}

bool TMyCustomGrid::DoMouseWheelUp(TShiftState)
{
    if (current_.Y > fixedRows_)
        SetRow(current_.Y - 1);
    return true;
}

void TMyCustomGrid::wheelEvent(QWheelEvent* e)
{
    const int delta = e->angleDelta().y();
    const TShiftState shift = ShiftStateOf(e->modifiers(), e->buttons());
    if (delta < 0)
        DoMouseWheelDown(shift);
    else if (delta > 0)
        DoMouseWheelUp(shift);
    e->accept();
}

// ---- focus ----

void TMyCustomGrid::focusInEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusInEvent(e);
    if (editorReturningFocus_) {
        editorReturningFocus_ = false;
        return;
    }
    InvalidateGridRect(Selection());
    UpdateEdit();
    FocusEntering(e->reason());
}

void TMyCustomGrid::FocusEntering(Qt::FocusReason reason)
{
    if (!IsUserFocusReason(reason) || focusInside_)
        return;
    focusInside_ = true;
    DoEnter();
}

void TMyCustomGrid::focusOutEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusOutEvent(e);
    CancelMode();
    InvalidateGridRect(Selection());
    if (!IsUserFocusReason(e->reason()))
        return;
    QWidget* newFocus = QApplication::focusWidget();
    if (inplaceEdit_ != nullptr && newFocus != inplaceEdit_ && newFocus != this)
        HideEdit();
    FocusLeaving(newFocus, e->reason());
}

void TMyCustomGrid::FocusLeaving(QWidget* newFocus, Qt::FocusReason reason)
{
    if (!IsUserFocusReason(reason))
        return;
    if (newFocus == this) {
        // The editor hands the focus back: the grid neither reloads nor re-enters.
        editorReturningFocus_ = true;
        return;
    }
    if (inplaceEdit_ != nullptr && newFocus == inplaceEdit_)
        return;
    focusInside_ = false;
    DoExit();
}

void TMyCustomGrid::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    UpdateScrollRange();
}

// ---- painting ----

void TMyCustomGrid::DrawLines(QPainter& p, const TGridDrawInfo& info, int colFrom, int colTo, int rowFrom, int rowTo,
                              int left, int top, int right, int bottom, bool fixedArea, const QColor& background)
{
    const QColor gray = color_ == QColor(192, 192, 192) ? QColor(128, 128, 128) : QColor(192, 192, 192);
    const QColor lineColor = fixedArea ? QColor(Qt::black) : gray;
    const bool vertOn = options_ & (fixedArea ? goFixedVertLine : goVertLine);
    const bool horzOn = options_ & (fixedArea ? goFixedHorzLine : goHorzLine);
    if (const int lw = info.Horz.EffectiveLineWidth; lw > 0) {
        const QColor c = vertOn ? lineColor : background;
        int x = left;
        for (int i = colFrom; i < colTo && x < right; ++i) {
            x += ColWidthFor(i);
            p.fillRect(QRect(x, top, lw, bottom - top), c);
            x += lw;
        }
    }
    if (const int lw = info.Vert.EffectiveLineWidth; lw > 0) {
        const QColor c = horzOn ? lineColor : background;
        int y = top;
        for (int i = rowFrom; i < rowTo && y < bottom; ++i) {
            y += RowHeightFor(i);
            p.fillRect(QRect(left, y, right - left, lw), c);
            y += lw;
        }
    }
}

void TMyCustomGrid::DrawCells(QPainter& p, const QRegion& region, const TGridDrawInfo& info, int colFrom, int colTo,
                              int rowFrom, int rowTo, int left, int top, int right, int bottom, const QColor& color,
                              TGridDrawState baseState)
{
    const TGridRect sel = Selection();
    const bool active = IsActiveControl();
    const bool editorCovers = (options_ & goEditing) && editorMode_;
    const int lwH = info.Horz.EffectiveLineWidth;
    const int lwV = info.Vert.EffectiveLineWidth;
    int y = top;
    for (int row = rowFrom; row < rowTo && y < bottom; ++row) {
        const int h = RowHeightFor(row);
        int x = left;
        for (int col = colFrom; col < colTo && x < right; ++col) {
            const int w = ColWidthFor(col);
            const QRect rect(x, y, w, h);
            x += w + lwH;
            if (w <= 0 || h <= 0 || !region.intersects(rect))
                continue;
            TGridDrawState state = baseState;
            const bool focused = active && col == current_.X && row == current_.Y;
            if (focused)
                state |= gdFocused;
            if (sel.Contains(col, row))
                state |= gdSelected;
            if (focused && editorCovers)
                continue;
            p.save();
            if (defaultDrawing_) {
                p.setFont(font());
                const bool highlight = (state & gdSelected) &&
                                       (!focused || (options_ & (goDrawFocusSelected | goRowSelect)));
                if (highlight) {
                    p.setBrush(SysColor(TSysColor::Highlight));
                    p.setPen(SysColor(TSysColor::HighlightText));
                } else {
                    p.setBrush(color);
                    p.setPen(palette().color(QPalette::Text));
                }
                p.fillRect(rect, p.brush());
            }
            {
                CanvasScope scope(canvas_, &p);
                DrawCell(col, row, rect, state);
            }
            p.restore();
            if (defaultDrawing_ && (state & gdFixed)) {
                // Raised inner edges on the sides whose fixed lines are drawn.
                const QColor light = SysColor(TSysColor::BtnHighlight);
                const QColor dark = SysColor(TSysColor::BtnShadow);
                if (options_ & goFixedVertLine) {
                    p.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), light);
                    p.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), dark);
                }
                if (options_ & goFixedHorzLine) {
                    p.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), light);
                    p.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dark);
                }
            }
            if (defaultDrawing_ && focused && !((options_ & goEditing) && (options_ & goAlwaysShowEditor)) &&
                !(options_ & goRowSelect)) {
                p.save();
                p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
                p.setBrush(Qt::NoBrush);
                p.drawRect(rect.adjusted(0, 0, -1, -1));
                p.restore();
            }
        }
        y += h + lwV;
    }
}

void TMyCustomGrid::paintEvent(QPaintEvent* e)
{
    QPainter p(viewport());
    // A single wide column scrolls by pixels: paint in the column's own coordinates.
    p.translate(-colOffset_, 0);
    const TGridDrawInfo info = CalcDrawInfo();
    const QRegion region = e->region().translated(colOffset_, 0);
    const int fbh = info.Horz.FixedBoundary;
    const int fbv = info.Vert.FixedBoundary;
    const int gbh = info.Horz.GridBoundary;
    const int gbv = info.Vert.GridBoundary;

    DrawLines(p, info, 0, fixedCols_, 0, fixedRows_, 0, 0, fbh, fbv, true, fixedColor_);
    DrawLines(p, info, topLeft_.X, colCount_, 0, fixedRows_, fbh, 0, gbh, fbv, true, fixedColor_);
    DrawLines(p, info, 0, fixedCols_, topLeft_.Y, rowCount_, 0, fbv, fbh, gbv, true, fixedColor_);
    DrawLines(p, info, topLeft_.X, colCount_, topLeft_.Y, rowCount_, fbh, fbv, gbh, gbv, false, color_);

    DrawCells(p, region, info, 0, fixedCols_, 0, fixedRows_, 0, 0, fbh, fbv, fixedColor_, gdFixed);
    DrawCells(p, region, info, topLeft_.X, colCount_, 0, fixedRows_, fbh, 0, gbh, fbv, fixedColor_, gdFixed);
    DrawCells(p, region, info, 0, fixedCols_, topLeft_.Y, rowCount_, 0, fbv, fbh, gbv, fixedColor_, gdFixed);
    DrawCells(p, region, info, topLeft_.X, colCount_, topLeft_.Y, rowCount_, fbh, fbv, gbh, gbv, color_, {});

    // The area beyond the last cell.
    const QRect client = viewport()->rect().translated(colOffset_, 0);
    if (gbh < client.right() + 1)
        p.fillRect(QRect(gbh, 0, client.right() + 1 - gbh, client.height()), color_);
    if (gbv < client.height())
        p.fillRect(QRect(client.left(), gbv, std::min(gbh, client.right() + 1) - client.left(), client.height() - gbv),
                   color_);

    if ((options_ & goRowSelect) && defaultDrawing_ && IsActiveControl()) {
        const TGridRect sel = Selection();
        const auto [y0, y1] = VisibleSpan(info.Vert, sel.Top, sel.Bottom);
        if (y0 >= 0 && gbh > fbh) {
            p.save();
            p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(fbh, y0, gbh - fbh, y1 - y0 - info.Vert.EffectiveLineWidth).adjusted(0, 0, -1, -1));
            p.restore();
        }
    }
    DrawDragLine(p);
}
