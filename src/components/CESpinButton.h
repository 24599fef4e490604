#pragma once
// The square step button split along its diagonal: the upper-left triangle steps up, the
// lower-right one steps down. One step per press; no auto-repeat.

#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QPainter;

class TCeSpinButton : public QWidget {
    Q_OBJECT

public:
    // Which half is pressed.
    enum TButtonState { bsNone = 0, bsTopDown = 1, bsBottomDown = 2 };

    explicit TCeSpinButton(QWidget* parent = nullptr);

    QImage UpGlyph() const { return upGlyph_; }
    // A null image reloads the built-in "CESPINUP" picture.
    void SetUpGlyph(const QImage& glyph);
    QImage DownGlyph() const { return downGlyph_; }
    // A null image reloads the built-in "CESPINDOWN" picture.
    void SetDownGlyph(const QImage& glyph);

    // The control that takes the focus when the button is pressed (forgotten when it is
    // destroyed).
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control) { focusControl_ = control; }

    TButtonState State() const { return state_; }

    // Paints the face of one state into a Width x Height image with the palette's colours.
    static QImage DrawFace(QSize size, TButtonState state, const QPalette& palette, const QImage& upGlyph,
                           const QImage& downGlyph);

signals:
    void OnTopClick();
    void OnBottomClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetState(TButtonState state);
    void StopDragging();
    TButtonState HalfAt(QPoint pos) const;

    TButtonState state_ = bsNone;
    QImage upGlyph_;
    QImage downGlyph_;
    bool dragging_ = false;
    bool invalidateCache_ = true;
    QPixmap topDownFace_;
    QPixmap bottomDownFace_;
    QPixmap notDownFace_;
    TButtonState lastState_ = bsNone;
    QPointer<QWidget> focusControl_;
};
