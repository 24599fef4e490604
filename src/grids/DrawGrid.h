#pragma once
// The owner-draw grid: the base grid with its drawing, selection, editing and move hooks
// published as events.

#include "grids/CustomGrid.h"

using TMovedEvent = std::function<void(QObject* Sender, int FromIndex, int ToIndex)>;
using TDrawCellEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, const QRect& Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, QString& Value)>;
using TSelectCellEvent = std::function<void(QObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TSetEditEvent = std::function<void(QObject* Sender, int ACol, int ARow, const QString& Value)>;

class TMyDrawGrid : public TMyCustomGrid {
    Q_OBJECT

public:
    explicit TMyDrawGrid(QWidget* parent = nullptr);

    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;
    TDrawCellEvent OnDrawCell;
    TGetEditEvent OnGetEditMask;
    TGetEditEvent OnGetEditText;
    TSelectCellEvent OnSelectCell;
    TSetEditEvent OnSetEditText;
    TNotifyEvent OnTopLeftChanged;

protected:
    void DrawCell(int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    QString GetEditMask(int ACol, int ARow) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    void TopLeftChanged() override;
};
