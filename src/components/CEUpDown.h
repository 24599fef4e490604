#pragma once
// The standard up-down step control of the spin edit. It rests at position 0: a press moves
// it to +1 ("next") or -1 ("previous"), which is reported as a click and at once undone.

#include <QWidget>

class QToolButton;

class TCeUpDown : public QWidget {
    Q_OBJECT

public:
    enum TUDBtnType { btNext, btPrev };

    explicit TCeUpDown(QWidget* parent = nullptr);

    int Min() const { return -1; }
    int Max() const { return 1; }
    int Position() const { return position_; }
    // Moves the control; a move to +1 or -1 acts as a click and returns it to 0.
    void SetPosition(int position);

    // Width the control is always given.
    static int DefaultButtonWidth(const QWidget* context);

signals:
    void OnClick(TCeUpDown::TUDBtnType button);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    int position_ = 0;
    bool changing_ = false;
};
