#pragma once
// The text editor the grid lays over the current cell while editing. It loads its text,
// mask and length limit from the grid, hands user edits back to the grid, passes the
// navigation keys to the grid and keeps the caret keys (Left, Right, Home, End) to itself.

#include <QLineEdit>

class TMyCustomGrid;

class TInplaceEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TInplaceEdit(TMyCustomGrid* grid);

    TMyCustomGrid* Grid() const { return grid_; }
    void SetGrid(TMyCustomGrid* grid) { grid_ = grid; }

    // Places and shows the editor over a cell rectangle; an empty rectangle hides it.
    void Move(const QRect& rect);
    // Hides the editor; when it had the focus, the grid takes it back.
    void Hide();
    void Invalidate();
    // Caret to the end, nothing selected.
    void Deselect();
    // Reloads mask, text and length limit for the grid's current cell.
    virtual void UpdateContents();
    // A character typed on the grid that starts editing: only its character handling
    // runs here, the grid has handled the key itself.
    void TypeCharacter(QKeyEvent* e);
    // The length limit the grid gave (0 = none, -1 = the cell is read-only).
    int EditLimit() const { return editLimit_; }

protected:
    virtual bool EditCanModify() const;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool event(QEvent* e) override;

private:
    void HandleKeyDown(QKeyEvent* e, bool& consumed);
    void HandleKeyPress(QKeyEvent* e, bool& consumed);

    TMyCustomGrid* grid_;
    int editLimit_ = 0;
};
