#pragma once
// The grid base control: a scroll area that paints its own cells, with fixed header rows
// and columns, a current cell and a range selection, keyboard and mouse navigation, sizing
// and moving of rows and columns, an in-place editor and the update bracket.

#include "grids/GridExtents.h"
#include "grids/GridGeometry.h"
#include "grids/GridTypes.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QElapsedTimer>

#include <functional>

class QPainter;
class QTimer;
class TInplaceEdit;

using TNotifyEvent = std::function<void(QObject* Sender)>;
using TKeyEvent = std::function<void(QObject* Sender, int& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(QObject* Sender, QChar& Key)>;

// Both axes of the grid's layout.
struct TGridDrawInfo {
    TGridAxisDrawInfo Horz;
    TGridAxisDrawInfo Vert;
};

class TMyCustomGrid : public QAbstractScrollArea {
    Q_OBJECT
    friend class TInplaceEdit;

public:
    explicit TMyCustomGrid(QWidget* parent = nullptr);
    ~TMyCustomGrid() override;

    // Counts and extents.
    int ColCount() const { return colCount_; }
    void SetColCount(int value);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int value);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int value);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int value);
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int value);
    int ColWidths(int index) const { return colWidths_.Get(index, defaultColWidth_); }
    void SetColWidths(int index, int value);
    int RowHeights(int index) const { return rowHeights_.Get(index, defaultRowHeight_); }
    void SetRowHeights(int index, int value);
    bool TabStops(int index) const { return tabStops_.Get(index, 1) != 0; }
    void SetTabStops(int index, bool value);
    bool HasColWidths() const { return colWidths_.Exists(); }
    bool HasRowHeights() const { return rowHeights_.Exists(); }
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int value);

    // Appearance.
    TGridOptions Options() const { return options_; }
    void SetOptions(TGridOptions value);
    QColor Color() const { return color_; }
    void SetColor(const QColor& value);
    QColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(const QColor& value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    TGridBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TGridBorderStyle value);
    bool DefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool value);

    // Current cell, selection and scrolling.
    int Col() const { return current_.X; }
    void SetCol(int value);
    int Row() const { return current_.Y; }
    void SetRow(int value);
    int LeftCol() const { return topLeft_.X; }
    void SetLeftCol(int value);
    int TopRow() const { return topLeft_.Y; }
    void SetTopRow(int value);
    TGridCoord Anchor() const { return anchor_; }
    TGridRect Selection() const { return GridRect(current_, anchor_); }
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // Geometry. Points and rectangles are in viewport coordinates; the draw info is in
    // the cells' own, which differ only while a single wide column is scrolled by pixels.
    TGridDrawInfo CalcDrawInfo() const;
    QRect CellRect(int ACol, int ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

    // Repainting.
    void InvalidateCell(int ACol, int ARow);
    void InvalidateCol(int ACol);
    void InvalidateRow(int ARow);
    void InvalidateGrid();

    // Moves and deletes; an index outside 0..count - 1 raises the index error and changes
    // nothing.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    virtual void DeleteColumn(int ACol);
    virtual void DeleteRow(int ARow);

    // The update bracket. It does not nest: an inner EndUpdate ends it. What a bracket
    // saves is saved by the outermost BeginUpdate only (see NowUpdating before calling it).
    virtual void BeginUpdate();
    virtual void EndUpdate();
    bool NowUpdating() const { return nowUpdating_; }

    // The control's own enabled state: while off, it takes no mouse or keyboard input but
    // keeps the keyboard focus where it is.
    bool Enabled() const { return inputEnabled_ && isEnabled(); }
    void SetEnabled(bool value) { inputEnabled_ = value; }

    // Editing.
    bool EditorMode() const { return editorMode_; }
    void SetEditorMode(bool value);
    void ShowEditor();
    void HideEditor();
    TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }
    virtual bool CanEditModify() const { return canEditModify_; }

    TGridState GridState() const { return gridState_; }

    // The painter of the cell being drawn; valid only inside DrawCell.
    QPainter& Canvas() const;

    // Events.
    TNotifyEvent OnBeginUpdate;
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // Overridable input handling; the editor forwards keys here.
    virtual void KeyDown(int& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(int& Key, TShiftState Shift);
    virtual bool CanEditAcceptKey(QChar Key) const;
    virtual bool CanGridAcceptKey(int Key, TShiftState Shift) const;
    virtual void Click();
    virtual void DblClick();
    virtual bool DoMouseWheelDown(TShiftState Shift);
    virtual bool DoMouseWheelUp(TShiftState Shift);

    // Called by the editor: milliseconds since the last left press on the grid, -1 when
    // there was none since the last call.
    qint64 TakeClickTime();
    // Called by the grid and the editor when the focus enters or leaves either of them;
    // the enter and exit notifications run when it comes from or goes to another control.
    void FocusEntering(Qt::FocusReason reason);
    void FocusLeaving(QWidget* newFocus, Qt::FocusReason reason);
    // The editor reports a user edit of its text.
    void EditorTextEdited(const QString& text);

protected:
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos,
                                 int& SizingOfs, const TGridDrawInfo& FixedInfo) const;
    virtual TInplaceEdit* CreateEditor();
    virtual bool CanEditShow() const;
    virtual void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) = 0;
    virtual bool SelectCell(int ACol, int ARow);
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual QString GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void TopLeftChanged();
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    virtual void DoExit();
    virtual void DoEnter();
    virtual void MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y);
    // Inserts (Amount > 0) or removes (Amount < 0) columns or rows at Index.
    virtual void AdjustSize(int Index, int Amount, bool Rows);
    // One tick of the scroll timer while a mouse selection leaves the grid.
    virtual void TimedScroll();

    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void MoveAnchor(TGridCoord NewAnchor);
    void MoveTopLeft(int ALeft, int ATop);
    void UpdateEdit();
    void HideEdit();
    void InvalidateEditor();
    void InvalidateGridRect(const TGridRect& rect);
    bool IsActiveControl() const;
    int EditCol() const { return inplaceCol_; }
    int EditRow() const { return inplaceRow_; }
    void SetCanEditModify(bool value) { canEditModify_ = value; }
    int ScrollTimerInterval() const;
    bool ScrollTimerActive() const;
    // Where an index lands when the line at `from` moves to `to`.
    static int Shifted(int index, int from, int to);
    // Ends sizing, moving or selecting without applying it (the mouse was taken away).
    void CancelMode();

    // Qt plumbing.
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int ColWidthFor(int index) const { return colWidths_.Get(index, defaultColWidth_); }
    int RowHeightFor(int index) const { return rowHeights_.Get(index, defaultRowHeight_); }
    int EffectiveLineWidth(bool horizontalAxis) const;
    TGridCoord CalcMaxTopLeft() const;
    void ChangeSize(int NewColCount, int NewRowCount);
    void ApplySize(int OldColCount, int OldRowCount);
    void ApplyExtents();
    void InitializeCells();
    void ClampInView(TGridCoord coord);
    void UpdateScrollRange();
    void UpdateScrollPos();
    void ScrollBarAction(Qt::Orientation orientation, int action);
    void ScrollBarReleased(Qt::Orientation orientation);
    void ScrollToPosition(Qt::Orientation orientation, int position);
    void UpdateEditorContents();
    void DrawLines(QPainter& p, const TGridDrawInfo& info, int colFrom, int colTo, int rowFrom, int rowTo,
                   int left, int top, int right, int bottom, bool fixedArea, const QColor& background);
    void DrawCells(QPainter& p, const QRegion& region, const TGridDrawInfo& info, int colFrom, int colTo, int rowFrom,
                   int rowTo, int left, int top, int right, int bottom, const QColor& color, TGridDrawState baseState);
    void DrawDragLine(QPainter& p) const;
    void SetDragLine(int pos, bool vertical);
    void StopMouseState();
    // A grid of one column scrolls horizontally by pixels over the part of the column
    // that is wider than the client area.
    int ColOverflow() const;
    void SetColOffset(int value);

    // Counts and extents.
    int colCount_ = 5;
    int rowCount_ = 5;
    int fixedCols_ = 1;
    int fixedRows_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    int gridLineWidth_ = 1;
    TGridExtents colWidths_;
    TGridExtents rowHeights_;
    TGridExtents tabStops_;

    // Appearance.
    TGridOptions options_ = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    QColor color_;
    QColor fixedColor_;
    TScrollStyle scrollBars_ = ssBoth;
    TGridBorderStyle borderStyle_ = bsSingle;
    bool defaultDrawing_ = true;

    // Cells.
    TGridCoord current_;
    TGridCoord anchor_;
    TGridCoord topLeft_;

    // Mouse.
    TGridState gridState_ = gsNormal;
    int sizingIndex_ = -1;
    int sizingPos_ = 0;
    int sizingOfs_ = 0;
    int moveIndex_ = -1;
    int movePos_ = -1;
    QPoint lastMousePos_;
    QTimer* scrollTimer_ = nullptr;
    int dragLinePos_ = -1;
    bool dragLineVertical_ = true;
    QElapsedTimer clickClock_;
    qint64 clickTime_ = 0;

    // Editor.
    TInplaceEdit* inplaceEdit_ = nullptr;
    int inplaceCol_ = -1;
    int inplaceRow_ = -1;
    bool editorMode_ = false;
    bool canEditModify_ = true;
    bool editorReturningFocus_ = false;
    bool focusInside_ = false;

    // Update bracket.
    bool nowUpdating_ = false;
    bool inputEnabled_ = true;
    int bracketColCount_ = 0;
    int bracketRowCount_ = 0;

    bool syncingScrollBars_ = false;
    int colOffset_ = 0;
    QPainter* canvas_ = nullptr;
};

// Opens the update bracket and closes it when it goes out of scope, also when an exception
// leaves the scope. Close() ends it early and lets a failure of EndUpdate pass on.
class TGridUpdateGuard {
public:
    explicit TGridUpdateGuard(TMyCustomGrid& grid) : grid_(&grid) { grid_->BeginUpdate(); }
    ~TGridUpdateGuard();
    void Close();
    TGridUpdateGuard(const TGridUpdateGuard&) = delete;
    TGridUpdateGuard& operator=(const TGridUpdateGuard&) = delete;

private:
    TMyCustomGrid* grid_;
};
