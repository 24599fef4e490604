#include "components/CECtrls.h"

#include "components/VCLUtils.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kHorizontalFlags = Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter;

// The rectangle a label's text needs: left and top kept, width and height those of the
// text (wrapped to the rectangle's width when word-wrapping), so auto-size fits it exactly.
QRect MeasureText(const QFont& font, const QRect& rect, int flags, const QString& text)
{
    const QFontMetrics metrics(font);
    const int wrapWidth = (flags & Qt::TextWordWrap) ? qMax(rect.width(), 1) : 1 << 20;
    const int measureFlags = (flags & ~kHorizontalFlags) | Qt::AlignLeft | Qt::AlignTop;
    const QRect bounds = metrics.boundingRect(QRect(0, 0, wrapWidth, 1 << 20), measureFlags, text);
    return QRect(rect.left(), rect.top(), bounds.width(), bounds.height());
}

}  // namespace

TCeCustomLabel::TCeCustomLabel(QWidget* parent) : QWidget(parent)
{
    shadowColor_ = palette().color(QPalette::Light);
    setAutoFillBackground(false);
    resize(65, 17);
    if (qApp) {
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            const bool focused = focusControl_ && now == focusControl_;
            if (focused != focused_) {
                focused_ = focused;
                if (showFocus_)
                    update();
            }
        });
    }
}

void TCeCustomLabel::SetCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TCeCustomLabel::SetFocusControl(QWidget* control)
{
    if (control == focusControl_)
        return;
    focusControl_ = control;
    focused_ = control && control->hasFocus();
    UpdateShortcut();
    if (showFocus_)
        update();
}

void TCeCustomLabel::SetAlignment(Qt::Alignment alignment)
{
    alignment &= kHorizontalFlags;
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    update();
}

void TCeCustomLabel::SetAutoSize(bool autoSize)
{
    if (autoSize == autoSize_)
        return;
    autoSize_ = autoSize;
    AdjustBounds();
    update();
}

void TCeCustomLabel::SetLayout(TTextLayout layout)
{
    if (layout == layout_)
        return;
    layout_ = layout;
    update();
}

void TCeCustomLabel::SetShadowColor(const QColor& color)
{
    if (color == shadowColor_)
        return;
    shadowColor_ = color;
    update();
}

void TCeCustomLabel::SetShadowSize(int size)
{
    size = qBound(0, size, 255);
    if (size == shadowSize_)
        return;
    shadowSize_ = size;
    AdjustBounds();
    update();
}

void TCeCustomLabel::SetShadowPos(TShadowPosition position)
{
    if (position == shadowPos_)
        return;
    shadowPos_ = position;
    update();
}

void TCeCustomLabel::SetWordWrap(bool wrap)
{
    if (wrap == wordWrap_)
        return;
    wordWrap_ = wrap;
    AdjustBounds();
    update();
}

void TCeCustomLabel::SetShowAccelChar(bool show)
{
    if (show == showAccelChar_)
        return;
    showAccelChar_ = show;
    UpdateShortcut();
    AdjustBounds();
    update();
}

void TCeCustomLabel::SetShowFocus(bool show)
{
    if (show == showFocus_)
        return;
    showFocus_ = show;
    update();
}

void TCeCustomLabel::SetTransparent(bool transparent)
{
    if (transparent == transparent_)
        return;
    transparent_ = transparent;
    update();
}

void TCeCustomLabel::SetColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
    update();
}

QColor TCeCustomLabel::GetDefaultFontColor() const
{
    return palette().color(QPalette::WindowText);
}

QString TCeCustomLabel::GetLabelText() const
{
    return caption_;
}

void TCeCustomLabel::MouseEnter()
{
    emit OnMouseEnter();
}

void TCeCustomLabel::MouseLeave()
{
    emit OnMouseLeave();
}

int TCeCustomLabel::TextFlags() const
{
    int flags = Qt::TextExpandTabs | static_cast<int>(alignment_);
    if (wordWrap_)
        flags |= Qt::TextWordWrap;
    return flags;
}

QRect TCeCustomLabel::DoDrawText(QPainter* painter, const QRect& rect, int flags, bool calc) const
{
    QString text = GetLabelText();
    if (calc && (text.isEmpty() || (showAccelChar_ && text == QLatin1String("&"))))
        text += QLatin1Char(' ');
    if (showAccelChar_)
        flags |= Qt::TextShowMnemonic;

    QColor textColor = GetDefaultFontColor();
    QColor shadowColor = shadowColor_;
    int size = shadowSize_;
    TShadowPosition position = shadowPos_;
    if (!isEnabled()) {
        textColor = palette().color(QPalette::Disabled, QPalette::Text);
        shadowColor = palette().color(QPalette::Light);
        if (size == 0) {
            position = spRightBottom;
            size = 1;
        }
    }

    // The shadow first, then the text over it.
    const QRect shadowRect = rect.translated(ShadowOffset(position, size));
    if (calc)
        return MeasureText(font(), shadowRect, flags, text).united(MeasureText(font(), rect, flags, text));
    if (painter) {
        painter->setFont(font());
        painter->setPen(shadowColor);
        painter->drawText(shadowRect, flags, text);
        painter->setPen(textColor);
        painter->drawText(rect, flags, text);
    }
    return shadowRect.united(rect);
}

void TCeCustomLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_)
        painter.fillRect(rect(), Color());
    QRect textRect = rect().adjusted(1, 1, -1, -1);
    const int flags = TextFlags();
    if (layout_ != tlTop) {
        const QRect measured = DoDrawText(nullptr, textRect, flags, true);
        const int measuredBottom = measured.top() + measured.height();
        const int shift = layout_ == tlBottom ? height() - measuredBottom : (height() - measuredBottom) / 2;
        textRect = QRect(0, measured.top() + shift, width(), measured.height());
    }
    const QRect drawn = DoDrawText(&painter, textRect, flags, false);
    if (showFocus_ && focusControl_ && focused_) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = drawn.adjusted(-1, -1, 1, 1);
        // Drawn whenever the focus control has the focus, not only after keyboard use.
        option.state |= QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
        option.backgroundColor = Color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void TCeCustomLabel::AdjustBounds()
{
    if (!autoSize_)
        return;
    const QRect start = rect().adjusted(1, 1, -1, -1);
    const QRect measured = DoDrawText(nullptr, start, TextFlags() | (wordWrap_ ? Qt::TextWordWrap : 0), true);
    const int newWidth = measured.width() + 2;
    const int newHeight = measured.height();
    int x = this->x();
    Qt::Alignment effective = alignment_;
    if (isRightToLeft() && effective != Qt::AlignHCenter)
        effective = effective == Qt::AlignRight ? Qt::AlignLeft : Qt::AlignRight;
    if (effective == Qt::AlignRight)
        x += width() - newWidth;
    setGeometry(x, y(), newWidth, newHeight);
}

void TCeCustomLabel::UpdateShortcut()
{
    if (shortcutId_ != 0) {
        releaseShortcut(shortcutId_);
        shortcutId_ = 0;
    }
    if (!showAccelChar_ || !focusControl_)
        return;
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption_);
    if (!mnemonic.isEmpty())
        shortcutId_ = grabShortcut(mnemonic);
}

bool TCeCustomLabel::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == shortcutId_ && focusControl_) {
            if (focusControl_->isEnabled() && focusControl_->isVisible()
                && focusControl_->focusPolicy() != Qt::NoFocus)
                focusControl_->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
    }
    return QWidget::event(event);
}

void TCeCustomLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isEnabled())
        dragging_ = true;
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::RightButton)
        UpdateTracking();
}

void TCeCustomLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging_ = false;
    QWidget::mouseReleaseEvent(event);
    UpdateTracking();
}

void TCeCustomLabel::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (!mouseInControl_ && isEnabled() && IsForegroundTask()) {
        mouseInControl_ = true;
        MouseEnter();
    }
}

void TCeCustomLabel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (mouseInControl_ && isEnabled() && !dragging_) {
        mouseInControl_ = false;
        MouseLeave();
    }
}

void TCeCustomLabel::UpdateTracking()
{
    const bool inside = isEnabled() && isVisible() && QApplication::widgetAt(QCursor::pos()) == this
                        && IsForegroundTask();
    if (inside == mouseInControl_)
        return;
    mouseInControl_ = inside;
    if (inside)
        MouseEnter();
    else
        MouseLeave();
}

void TCeCustomLabel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        UpdateTracking();
        update();
        break;
    case QEvent::FontChange:
        AdjustBounds();
        update();
        break;
    default:
        break;
    }
}

void TCeCustomLabel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    UpdateTracking();
}

void TCeCustomLabel::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    UpdateTracking();
}
