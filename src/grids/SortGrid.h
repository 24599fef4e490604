#pragma once
// The program's own string grid: sorting by a click on a column title, a per-cell format
// callback used for drawing, check-box, combo-box and ellipsis cells, selection of several
// rows, insert, delete and move of rows and columns with events, filtering and hiding of
// rows, automatic column widths, proportional scroll bars and a stretched last column.
//
// Sorting and the storage beneath it live in the grid core (SortEngine.h): a sort moves
// whole rows by a permutation. Rows that a filter moves out are kept aside, apart from
// the grid's rows, until the filter is switched off.

#include "grids/SortEngine.h"
#include "grids/StringGrid.h"

#include <QBrush>
#include <QFont>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <set>
#include <vector>


class QDrag;
class QListWidgetItem;
class QMenu;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVertAlignment { taTopJustify, taBottomJustify, taMiddle };
enum TCellBevelStyle { cbNone, cbRaised, cbLowered };
enum TMyPrintRange { prAll, prSelected };

// How one cell is drawn. Font colour is a field of its own (Qt's font has none).
struct TFormatOptions {
    QBrush Brush;
    QFont Font;
    QColor FontColor;
    TAlignment AlignmentHorz = taLeftJustify;
    TVertAlignment AlignmentVert = taTopJustify;
    TCellBevelStyle BevelStyle = cbNone;
    QColor HighlightColor;
    QColor ShadowColor;
};

// The sort settings, owned by the grid; set field by field.
struct TSortOptions {
    TSortOptions() = default;
    TSortOptions(const TSortOptions&) = delete;
    TSortOptions& operator=(const TSortOptions&) = delete;

    bool CanSort = true;
    QString SecondaryIndex;  // comma-separated further key columns, most important first
    TSortStyle SortStyle = ssNormal;
    bool SortCaseSensitive = false;
    int SortCol = 0;
    TSortDirection SortDirection = sdAscending;
    bool UpdateOnSizeChange = false;
    // For ssCustom; cleared at the end of every sort, so it is set before each one.
    TSortCompareFunc SortCompare;
};

// Stored and kept for the user only; nothing prints.
struct TPrintOptions {
    QString JobTitle;
    QString PageTitle;
    unsigned Copies = 1;
    unsigned FromRow = 0;
    unsigned ToRow = 0;
    unsigned PreviewPage = 0;
    TMyPrintRange PrintRange = prAll;
};

using TUpdateGridEvent = std::function<void(QObject* Sender, int Index)>;
using TSizeChangedEvent = std::function<void(QObject* Sender, int OldColCount, int OldRowCount)>;
using TFormatDrawCellEvent = std::function<void(QObject* Sender, int Col, int Row, TGridDrawState State,
                                                TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox,
                                                bool& Ellipsis)>;
using TSetFilterEvent = std::function<void(const QStringList& ARows, bool& Accept)>;
using TSearchEvent = std::function<void(const QStringList& ARows, bool& Accept)>;
using TGetSortStyleEvent = std::function<void(QObject* Sender, int Col, TSortStyle& SortStyle)>;
using TCellValidateEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QString& OldValue,
                                              QString& NewValue, bool& Valid)>;
using TSetChecked = std::function<void(QObject* Sender, int ACol, int ARow, bool State)>;
using TGetCombobox = std::function<void(QObject* Sender, int ACol, int ARow, QStringList& Strs, int& Width,
                                        int& Height, bool& Sorted)>;
using TSetCombobox = std::function<void(QObject* Sender, int ACol, int ARow, const QString& Str)>;
using TSetEllipsis = std::function<void(QObject* Sender, int ACol, int ARow)>;
using TBeginSortEvent = std::function<void(QObject* Sender, int& Col)>;
using TEndSortEvent = std::function<void(QObject* Sender, int Col)>;
using TStartDragEvent = std::function<void(QObject* Sender)>;
// Target is the object that took the drop, null when none did; X and Y are where the mouse
// was then, in the coordinates MouseCoord takes.
using TEndDragEvent = std::function<void(QObject* Sender, QObject* Target, int X, int Y)>;

class TSortGrid : public TMyStringGrid {
    Q_OBJECT

public:
    explicit TSortGrid(QWidget* parent = nullptr);
    ~TSortGrid() override;

    // Cells written here mark the grid modified when the text changes.
    void SetCells(int ACol, int ARow, const QString& Value);

    TSortOptions& SortOptions() { return sortOptions_; }
    const TSortOptions& SortOptions() const { return sortOptions_; }
    // Read-only: the title row is the one fixed row (none while the grid has no data row).
    void SetFixedRows(int value) = delete;
    TPrintOptions& PrintOptions() { return printOptions_; }
    QMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }
    bool HideRows() const { return hideRows_; }
    void SetHideRows(bool value);
    bool Filtered() const { return filtered_; }
    void SetFiltered(bool value);
    // Rows the filter moved out, kept aside until it is switched off.
    int FilteredOutCount() const { return static_cast<int>(filteredOut_.size()); }
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool value);
    const QStringList& UserSettings() const { return userSettings_; }
    void SetUserSettings(const QStringList& value);
    TAlignment AlignmentHorz() const { return alignmentHorz_; }
    void SetAlignmentHorz(TAlignment value);
    TVertAlignment AlignmentVert() const { return alignmentVert_; }
    void SetAlignmentVert(TVertAlignment value);
    TCellBevelStyle BevelStyle() const { return bevelStyle_; }
    void SetBevelStyle(TCellBevelStyle value);
    bool ProportionalScrollBars() const { return proportionalScrollBars_; }
    void SetProportionalScrollBars(bool value);
    bool ExtendedKeys() const { return extendedKeys_; }
    void SetExtendedKeys(bool value) { extendedKeys_ = value; }
    bool StretchLastCol() const { return stretchLastCol_; }
    void SetStretchLastCol(bool value);

    void GetCellFormat(int ACol, int ARow, TFormatOptions& FormatOptions, bool& CheckBox, bool& Combobox,
                       bool& Ellipsis);

    void ClearGrid();
    void AutoSizeColumns(bool Force);
    void AutoSizeColumn(int ACol, bool Force);

    void DeleteRow(int ARow) override;
    void DeleteColumn(int ACol) override;
    void InsertRow(int ARow);
    void InsertColumn(int ACol);
    void ExchangeRows(int A, int B);

    void SetChecked(int ACol, int ARow, bool State);
    bool IsChecked(int ACol, int ARow) const;

    bool IsRowSelected(int ARow) const { return selectedRows_.count(ARow) != 0; }
    std::vector<int> SelectedRows() const { return {selectedRows_.begin(), selectedRows_.end()}; }
    void ClearSelection();
    // Makes the cell current and its row the only selected one.
    void SelectGridCell(int ACol, int ARow, bool Scroll);
    void ScrollToCell(int ACol, int ARow);

    bool Modified() const { return modified_; }
    void SetModified(bool Value);

    void BeginUpdate() override;
    void EndUpdate() override;

    void SortByColumn(int ACol);
    TSortStyle DetectSortStyle(int ACol) const;
    // Today's date for sorting dates written without a year (the system date unless set).
    TSortClock Clock;

    // A title too wide for `room` pixels: its last two characters become ".." and those
    // before them go until it fits or fewer than 4 characters remain.
    static QString FittedTitle(const QString& text, const QFontMetrics& metrics, int room);

    TNotifyEvent OnModified;
    TNotifyEvent OnRowSelected;
    TUpdateGridEvent OnRowInsert;
    TUpdateGridEvent OnRowDelete;
    TUpdateGridEvent OnColumnInsert;
    TUpdateGridEvent OnColumnDelete;
    TNotifyEvent OnColumnWidthsChanged;
    TNotifyEvent OnRowHeightsChanged;
    TSizeChangedEvent OnSizeChanged;
    TFormatDrawCellEvent OnGetCellFormat;
    TSetFilterEvent OnSetFilter;
    TSearchEvent OnSearch;  // kept for the user, never fired
    TNotifyEvent OnEndUpdate;
    TGetSortStyleEvent OnGetSortStyle;
    TCellValidateEvent OnCellValidate;
    TSetChecked OnSetChecked;
    TGetCombobox OnGetComboBox;
    TSetCombobox OnSetComboBox;
    TSetEllipsis OnSetEllipsis;
    TBeginSortEvent OnBeginSort;
    TEndSortEvent OnEndSort;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    // What a drag of the grid carries: the selected rows from top to bottom, one line each,
    // their cells separated by tabs.
    QString SelectedRowsText() const;

    // The combo list (hidden while closed), for tests.
    QListWidget* ComboList() const { return comboList_; }
    bool Dragging() const { return dragging_; }

protected:
    void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    void DoEnter() override;
    void DoExit() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void MouseDown(Qt::MouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(Qt::MouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift) override;
    bool DoMouseWheelUp(TShiftState Shift) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Runs the drag until the mouse button is released and returns what the drop did. The
    // grid never frees the drag: a target may read its data after the drop.
    virtual Qt::DropAction ExecDrag(QDrag& drag);

private:
    TGridDrawState CellDrawState(int ACol, int ARow) const;
    void FormatOf(int ACol, int ARow, TGridDrawState State, TFormatOptions& FormatOptions, bool& CheckBox,
                  bool& Combobox, bool& Ellipsis);
    bool IsComboCell(int ACol, int ARow);
    bool IsCheckCell(int ACol, int ARow);
    bool IsEllipsisCell(int ACol, int ARow);
    void DrawCellText(QPainter& canvas, int ACol, int ARow, const QRect& ARect, const TFormatOptions& fo,
                      const QString& text);
    void DrawCellButtons(QPainter& canvas, int ACol, int ARow, const QRect& ARect, bool check, bool combo,
                         bool ellipsis);
    void DrawBevel(QPainter& canvas, const QRect& ARect, const TFormatOptions& fo);
    bool SortArrowShown(int ACol) const;

    int CurrentYear() const;
    TSortStyle DetectSortStyle(int ACol, int currentYear) const;
    std::vector<TSortPass> SortKeys(int ACol, int currentYear) const;
    void ApplySortOrder(const std::vector<int>& order);
    void FilterRows();
    void UnfilterRows();
    QStringList RowTexts(int ARow) const;
    bool RowEmpty(int ARow) const;
    void SelectOnly(int ARow);
    void SelectRowsOfSelection();
    void UpdateProportionalBars();
    void StretchLastColumn();
    void EmptyRow(int ARow);
    void DropRowsFrom(int ARow);

    void OpenComboList(int ACol, int ARow);
    void ComboChosen(QListWidgetItem* item);
    void CloseComboList();
    void ToggleCheck(int ACol, int ARow);
    void ValidateEdit();
    void RememberEdit();
    void JumpToTyped(QChar Key);
    // The column whose right edge lies within `tolerance` pixels of X, or -1.
    int ColumnEdgeAt(int X, int tolerance) const;
    void TitleClick(Qt::MouseButton Button, int ACol);
    void ClickedCell(Qt::MouseButton Button, int X, int Y);
    void StartDrag();

    TSortOptions sortOptions_;
    TPrintOptions printOptions_;
    QMenu* popupMenu_ = nullptr;
    bool hideRows_ = false;
    bool filtered_ = false;
    bool multiSelect_ = false;
    QStringList userSettings_;
    TAlignment alignmentHorz_ = taLeftJustify;
    TVertAlignment alignmentVert_ = taTopJustify;
    TCellBevelStyle bevelStyle_ = cbNone;
    bool proportionalScrollBars_ = false;
    bool extendedKeys_ = false;
    bool stretchLastCol_ = false;

    bool modified_ = false;
    std::set<int> selectedRows_;
    bool rowTracking_ = true;
    bool tabHeld_ = false;  // a Tab is being handled
    QPixmap upBitmap_;
    QPixmap downBitmap_;
    QPixmap checkedBitmap_;
    QPixmap uncheckedBitmap_;
    QPixmap comboBitmap_;
    QPixmap ellipsisBitmap_;
    QPointer<QListWidget> comboList_;
    TGridCoord comboCell_{-1, -1};
    // Rows the filter moved out, in their order; a placeholder row shows while all are out.
    std::vector<std::unique_ptr<TStringSparseList>> filteredOut_;
    TGridCoord downCell_{-1, -1};
    QPoint downPos_;
    bool dragPending_ = false;
    bool dragging_ = false;
    bool savedUpdateOnSizeChange_ = false;
    int updateDepth_ = 0;
    TGridCoord editCell_{-1, -1};
    QString editText_;
    bool editModified_ = false;
};
