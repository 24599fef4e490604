#include "grids/StringGrid.h"

#include <QPainter>

#include <memory>
#include <vector>

namespace {
constexpr int LargeColumnCount = 512;
constexpr int LargeRowCount = 256;
}  // namespace

// ---- views ----

int TMyStringGridStrings::Count() const
{
    if (index_ == 0)
        return 0;
    return index_ > 0 ? grid_->ColCount() : grid_->RowCount();
}

QString TMyStringGridStrings::Get(int index) const
{
    if (index_ == 0)
        return {};
    return index_ > 0 ? grid_->Cells(index, index_ - 1) : grid_->Cells(~index_, index);
}

void TMyStringGridStrings::Put(int index, const QString& text)
{
    if (index_ == 0)
        return;
    if (index_ > 0)
        grid_->SetCells(index, index_ - 1, text);
    else
        grid_->SetCells(~index_, index, text);
}

TGridObject TMyStringGridStrings::GetObject(int index) const
{
    if (index_ == 0)
        return nullptr;
    return index_ > 0 ? grid_->Objects(index, index_ - 1) : grid_->Objects(~index_, index);
}

void TMyStringGridStrings::PutObject(int index, TGridObject object)
{
    if (index_ == 0)
        return;
    if (index_ > 0)
        grid_->SetObjects(index, index_ - 1, object);
    else
        grid_->SetObjects(~index_, index, object);
}

void TMyStringGridStrings::Insert(int, const QString&)
{
    RaiseGridError(GridMessages::CannotInsertDelete);
}

void TMyStringGridStrings::Delete(int)
{
    RaiseGridError(GridMessages::CannotInsertDelete);
}

void TMyStringGridStrings::Clear()
{
    if (index_ == 0)
        return;
    TStringsUpdateGuard batch(*this);
    std::vector<TGridCoord> cells;
    if (index_ > 0) {
        const int row = index_ - 1;
        if (const TStringSparseList* list = grid_->data_.Get(row); list != nullptr) {
            for (int col = 0; col < list->Count(); ++col)
                if (!list->Get(col).isEmpty() || list->GetObject(col) != nullptr)
                    cells.push_back({col, row});
        }
    } else {
        const int col = ~index_;
        grid_->data_.ForAll([&cells, col](int row, TStringSparseList* list) {
            if (!list->Get(col).isEmpty() || list->GetObject(col) != nullptr)
                cells.push_back({col, row});
            return 0;
        });
    }
    for (const TGridCoord& c : cells) {
        grid_->SetObjects(c.X, c.Y, nullptr);
        grid_->SetCells(c.X, c.Y, QString());
    }
}

int TMyStringGridStrings::Add(const QString& text)
{
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        if (Get(i).isEmpty()) {
            Put(i, text.isEmpty() ? QStringLiteral(" ") : text);
            return i;
        }
    }
    return -1;
}

void TMyStringGridStrings::Assign(const TGridStrings& source)
{
    if (&source == this)
        return;
    TStringsUpdateGuard batch(*this);
    const int count = std::min(Count(), source.Count());
    for (int i = 0; i < count; ++i) {
        Put(i, source.Get(i));
        PutObject(i, source.GetObject(i));
    }
}

void TMyStringGridStrings::SetUpdateState(bool updating)
{
    grid_->SetUpdateState(updating);
}

// ---- grid ----

TMyStringGrid::TMyStringGrid(QWidget* parent)
    : TMyDrawGrid(parent),
      data_(RowCount() > LargeRowCount ? SPALarge : SPASmall),
      rows_(RowCount() > LargeRowCount ? SPALarge : SPASmall),
      cols_(ColCount() > LargeColumnCount ? SPALarge : SPASmall)
{
}

TMyStringGrid::~TMyStringGrid()
{
    auto freeViews = [](int, TMyStringGridStrings* view) {
        delete view;
        return 0;
    };
    rows_.ForAll(freeViews);
    cols_.ForAll(freeViews);
    data_.ForAll([](int, TStringSparseList* list) {
        delete list;
        return 0;
    });
}

QString TMyStringGrid::Cells(int ACol, int ARow) const
{
    const TStringSparseList* list = data_.Get(ARow);
    if (list == nullptr) {
        if (ACol < 0)
            RaiseListIndexError(ACol);
        return {};
    }
    return list->Get(ACol);
}

TGridObject TMyStringGrid::Objects(int ACol, int ARow) const
{
    const TStringSparseList* list = data_.Get(ARow);
    if (list == nullptr) {
        if (ACol < 0)
            RaiseListIndexError(ACol);
        return nullptr;
    }
    return list->GetObject(ACol);
}

TStringSparseList* TMyStringGrid::EnsureDataRow(int ARow)
{
    TStringSparseList* list = data_.Get(ARow);
    if (list == nullptr) {
        auto fresh = std::make_unique<TStringSparseList>(ColCount() > LargeColumnCount ? SPALarge : SPASmall);
        data_.Put(ARow, fresh.get());
        list = fresh.release();
    }
    return list;
}

TMyStringGridStrings* TMyStringGrid::EnsureColRow(int Index, bool IsCol)
{
    TSparseList<TMyStringGridStrings*>& views = IsCol ? cols_ : rows_;
    TMyStringGridStrings* view = views.Get(Index);
    if (view == nullptr) {
        auto fresh = std::make_unique<TMyStringGridStrings>(this, IsCol ? ~Index : Index + 1);
        views.Put(Index, fresh.get());
        view = fresh.release();
    }
    return view;
}

void TMyStringGrid::SetCells(int ACol, int ARow, const QString& Value)
{
    if (ACol < 0)
        RaiseListIndexError(ACol);
    if (Value.isEmpty() && data_.Get(ARow) == nullptr)
        return;  // nothing stored, nothing to remove
    EnsureDataRow(ARow)->Put(ACol, Value);
    EnsureColRow(ACol, true);
    EnsureColRow(ARow, false);
    Update(ACol, ARow);
}

void TMyStringGrid::SetObjects(int ACol, int ARow, TGridObject Value)
{
    if (ACol < 0)
        RaiseListIndexError(ACol);
    if (Value == nullptr && data_.Get(ARow) == nullptr)
        return;
    EnsureDataRow(ARow)->PutObject(ACol, Value);
    EnsureColRow(ACol, true);
    EnsureColRow(ARow, false);
    Update(ACol, ARow);
}

TMyStringGridStrings& TMyStringGrid::Cols(int Index)
{
    return *EnsureColRow(Index, true);
}

TMyStringGridStrings& TMyStringGrid::Rows(int Index)
{
    return *EnsureColRow(Index, false);
}

int TMyStringGrid::StoredRowCount() const
{
    int n = 0;
    data_.ForAll([&n](int, TStringSparseList*) {
        ++n;
        return 0;
    });
    return n;
}

void TMyStringGrid::SetUpdateState(bool updating)
{
    updating_ = updating;
    if (!updating && needsUpdating_) {
        InvalidateGrid();
        needsUpdating_ = false;
    }
}

void TMyStringGrid::Update(int ACol, int ARow)
{
    if (updating_)
        needsUpdating_ = true;
    else
        InvalidateCell(ACol, ARow);
    if (ACol == Col() && ARow == Row() && editUpdate_ == 0)
        InvalidateEditor();
}

void TMyStringGrid::DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing()) {
        QPainter& canvas = Canvas();
        canvas.save();
        canvas.setClipRect(ARect, Qt::IntersectClip);
        canvas.drawText(QRect(ARect.left() + 2, ARect.top() + 2, ARect.width() - 2, ARect.height() - 2),
                        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Cells(ACol, ARow));
        canvas.restore();
    }
    TMyDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

QString TMyStringGrid::GetEditText(int ACol, int ARow)
{
    QString value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TMyStringGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    {
        // The editor already shows this text: storing it must not reload the editor.
        ++editUpdate_;
        struct Leave {
            int& counter;
            ~Leave() { --counter; }
        } leave{editUpdate_};
        if (Value != Cells(ACol, ARow))
            SetCells(ACol, ARow, Value);
    }
    TMyDrawGrid::SetEditText(ACol, ARow, Value);
}

void TMyStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    data_.ForAll([FromIndex, ToIndex](int, TStringSparseList* list) {
        list->Move(FromIndex, ToIndex);
        return 0;
    });
    InvalidateGrid();
    TMyDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TMyStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    data_.Move(FromIndex, ToIndex);
    InvalidateGrid();
    TMyDrawGrid::RowMoved(FromIndex, ToIndex);
}
