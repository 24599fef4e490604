#pragma once
// The string grid: one text and one object reference per cell in sparse storage, with each
// row and each column also presented as a string list view.

#include "grids/DrawGrid.h"
#include "grids/StringSparseList.h"

class TMyStringGrid;

// One row or one column of a string grid as a string list. Positions map onto the grid's
// cells; rows and columns cannot be inserted or deleted through a view.
class TMyStringGridStrings : public TGridStrings {
public:
    // index: 0 shows nothing, N > 0 shows row N - 1, a negative value the column ~index.
    TMyStringGridStrings(TMyStringGrid* grid, int index) : grid_(grid), index_(index) {}

    int Count() const override;
    QString Get(int index) const override;
    void Put(int index, const QString& text) override;
    TGridObject GetObject(int index) const override;
    void PutObject(int index, TGridObject object) override;
    void Insert(int index, const QString& text) override;
    void Delete(int index) override;
    void Clear() override;
    // Stores the text in the first empty position (a blank for an empty text) and returns
    // that position, or -1 when every position is filled.
    int Add(const QString& text) override;
    // Copies texts and objects position by position, up to the smaller count.
    void Assign(const TGridStrings& source) override;

protected:
    void SetUpdateState(bool updating) override;

private:
    TMyStringGrid* grid_;
    int index_;
};

class TMyStringGrid : public TMyDrawGrid {
    Q_OBJECT
    friend class TMyStringGridStrings;

public:
    explicit TMyStringGrid(QWidget* parent = nullptr);
    ~TMyStringGrid() override;

    // Cells outside ColCount and RowCount are stored and read like any other; negative
    // indices raise the list error.
    QString Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const QString& Value);
    TGridObject Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TGridObject Value);
    TMyStringGridStrings& Cols(int Index);
    TMyStringGridStrings& Rows(int Index);

    // The stored cell list of a row, null when nothing was ever written into it.
    const TStringSparseList* RowList(int ARow) const { return data_.Get(ARow); }
    // Number of row lists that exist (memory use).
    int StoredRowCount() const;

protected:
    void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

    // The rows' cell lists themselves: the sort grid rearranges whole rows and keeps
    // filtered-out rows apart. A caller that changes them repaints the grid.
    TSparseList<TStringSparseList*>& RowStore() { return data_; }

private:
    void SetUpdateState(bool updating);
    void Update(int ACol, int ARow);
    TStringSparseList* EnsureDataRow(int ARow);
    TMyStringGridStrings* EnsureColRow(int Index, bool IsCol);

    TSparseList<TStringSparseList*> data_;
    TSparseList<TMyStringGridStrings*> rows_;
    TSparseList<TMyStringGridStrings*> cols_;
    bool updating_ = false;
    bool needsUpdating_ = false;
    int editUpdate_ = 0;
};
