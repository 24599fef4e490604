#pragma once
// A label that draws its caption with a one-colour shadow offset to one of four corners.

#include "components/CeShadow.h"

#include <QPointer>
#include <QWidget>

class QPainter;

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TCeCustomLabel : public QWidget {
    Q_OBJECT

public:
    explicit TCeCustomLabel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The control that takes the focus on the caption's accelerator key.
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control);
    // Horizontal alignment: Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter.
    Qt::Alignment Alignment() const { return alignment_; }
    void SetAlignment(Qt::Alignment alignment);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    QColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(const QColor& color);
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int size);
    TShadowPosition ShadowPos() const { return shadowPos_; }
    void SetShadowPos(TShadowPosition position);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool show);
    // A transparent label paints no background.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // The background colour of an opaque label.
    QColor Color() const { return palette().color(QPalette::Window); }
    void SetColor(const QColor& color);

    bool MouseInControl() const { return mouseInControl_; }

    // Measures (calc true) or draws the caption with its shadow into `rect` with the given
    // Qt text flags; returns the union of the text's and the shadow's rectangles.
    QRect DoDrawText(QPainter* painter, const QRect& rect, int flags, bool calc) const;

signals:
    void OnMouseEnter();
    void OnMouseLeave();

protected:
    // The colour the caption is drawn in.
    virtual QColor GetDefaultFontColor() const;
    // The text that is drawn.
    virtual QString GetLabelText() const;
    virtual void MouseEnter();
    virtual void MouseLeave();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void AdjustBounds();
    void UpdateTracking();
    void UpdateShortcut();
    int TextFlags() const;

    QPointer<QWidget> focusControl_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    bool autoSize_ = true;
    TTextLayout layout_ = tlTop;
    QColor shadowColor_;
    int shadowSize_ = 1;
    TShadowPosition shadowPos_ = spLeftTop;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    bool showFocus_ = false;
    bool focused_ = false;
    bool mouseInControl_ = false;
    bool dragging_ = false;
    bool transparent_ = false;
    QString caption_;
    int shortcutId_ = 0;
};

class TCeLabel : public TCeCustomLabel {
    Q_OBJECT

public:
    using TCeCustomLabel::TCeCustomLabel;
};
