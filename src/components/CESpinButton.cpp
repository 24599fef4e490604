#include "components/CESpinButton.h"

#include "components/CEConst.h"
#include "components/CeLines.h"
#include "components/CeSpinRules.h"
#include "components/VCLUtils.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

QImage LoadGlyph(const char* name)
{
    InitComponentResources();
    return QImage(QStringLiteral(":/components/") + QLatin1String(name), "XPM");
}

int RoundHalfEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

TCeSpinButton::TCeSpinButton(QWidget* parent)
    : QWidget(parent), upGlyph_(LoadGlyph("CESPINUP")), downGlyph_(LoadGlyph("CESPINDOWN"))
{
    resize(20, 20);
}

void TCeSpinButton::SetUpGlyph(const QImage& glyph)
{
    upGlyph_ = glyph.isNull() ? LoadGlyph("CESPINUP") : glyph;
    invalidateCache_ = true;
    update();
}

void TCeSpinButton::SetDownGlyph(const QImage& glyph)
{
    downGlyph_ = glyph.isNull() ? LoadGlyph("CESPINDOWN") : glyph;
    invalidateCache_ = true;
    update();
}

QImage TCeSpinButton::DrawFace(QSize size, TButtonState state, const QPalette& palette, const QImage& upGlyph,
                               const QImage& downGlyph)
{
    const int w = size.width();
    const int h = size.height();
    const QColor face = palette.color(QPalette::Button);
    const QColor frame = palette.color(QPalette::WindowText);
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor highlight = palette.color(QPalette::Light);

    QImage image(size, QImage::Format_RGB32);
    image.fill(face);
    QPainter p(&image);
    p.setPen(frame);
    PolylineExclusive(p, {{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, {0, 0}});
    PolylineExclusive(p, {{-1, h}, {w, -1}});

    p.setPen(state == bsTopDown ? shadow : highlight);
    PolylineExclusive(p, {{1, h - 4}, {1, 1}, {w - 3, 1}});
    if (state != bsTopDown) {
        p.setPen(shadow);
        PolylineExclusive(p, {{1, h - 3}, {w - 2, 0}});
    }
    p.setPen(state == bsBottomDown ? highlight : shadow);
    PolylineExclusive(p, {{2, h - 2}, {w - 2, h - 2}, {w - 2, 1}});
    p.setPen(state == bsBottomDown ? shadow : highlight);
    PolylineExclusive(p, {{2, h - 2}, {w - 1, 1}});

    const int d = state == bsTopDown ? 2 : 1;
    DrawBitmapTransparent(p, RoundHalfEven(w / 4.0 - upGlyph.width() / 2.0) + d,
                          RoundHalfEven(h / 4.0 - upGlyph.height() / 2.0) + d, upGlyph, clDefault);
    DrawBitmapTransparent(p, RoundHalfEven(3.0 * w / 4.0 - downGlyph.width() / 2.0) - 1,
                          RoundHalfEven(3.0 * h / 4.0 - downGlyph.height() / 2.0) - 1, downGlyph, clDefault);
    if (state == bsBottomDown) {
        p.setPen(shadow);
        PolylineExclusive(p, {{3, h - 2}, {w - 1, 2}});
    }
    return image;
}

void TCeSpinButton::paintEvent(QPaintEvent*)
{
    if (invalidateCache_ || notDownFace_.size() != size()) {
        invalidateCache_ = false;
        const QPalette pal = palette();
        topDownFace_ = QPixmap::fromImage(DrawFace(size(), bsTopDown, pal, upGlyph_, downGlyph_));
        bottomDownFace_ = QPixmap::fromImage(DrawFace(size(), bsBottomDown, pal, upGlyph_, downGlyph_));
        notDownFace_ = QPixmap::fromImage(DrawFace(size(), bsNone, pal, upGlyph_, downGlyph_));
    }
    QPainter p(this);
    switch (state_) {
    case bsTopDown:
        p.drawPixmap(0, 0, topDownFace_);
        break;
    case bsBottomDown:
        p.drawPixmap(0, 0, bottomDownFace_);
        break;
    case bsNone:
        p.drawPixmap(0, 0, notDownFace_);
        break;
    }
}

TCeSpinButton::TButtonState TCeSpinButton::HalfAt(QPoint pos) const
{
    return SpinHitTop(pos.x(), pos.y(), width(), height()) ? bsTopDown : bsBottomDown;
}

void TCeSpinButton::SetState(TButtonState state)
{
    if (state_ == state)
        return;
    state_ = state;
    update();
}

void TCeSpinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QWidget::mousePressEvent(event);
        return;
    }
    if (focusControl_ && focusControl_->isEnabled() && focusControl_->focusPolicy() != Qt::NoFocus
        && !focusControl_->hasFocus())
        focusControl_->setFocus(Qt::MouseFocusReason);
    if (state_ == bsNone) {
        lastState_ = HalfAt(event->position().toPoint());
        SetState(lastState_);
        QPointer<TCeSpinButton> self(this);
        if (lastState_ == bsTopDown)
            emit OnTopClick();
        else
            emit OnBottomClick();
        if (!self)
            return;
        // The handler may have run a modal loop in which the button was released.
        if (!(QGuiApplication::mouseButtons() & Qt::LeftButton))
            SetState(bsNone);
        dragging_ = true;
    }
}

void TCeSpinButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    const QPoint pos = event->position().toPoint();
    TButtonState shown = bsNone;
    if (rect().contains(pos)) {
        const TButtonState half = HalfAt(pos);
        shown = half == lastState_ ? half : bsNone;
    }
    SetState(shown);
}

void TCeSpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        SetState(bsNone);
    }
}

void TCeSpinButton::StopDragging()
{
    dragging_ = false;
    SetState(bsNone);
}

void TCeSpinButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        invalidateCache_ = true;
        if (!isEnabled())
            StopDragging();
        update();
    } else if (event->type() == QEvent::PaletteChange) {
        invalidateCache_ = true;
        update();
    }
    QWidget::changeEvent(event);
}

void TCeSpinButton::resizeEvent(QResizeEvent* event)
{
    invalidateCache_ = true;
    QWidget::resizeEvent(event);
}
