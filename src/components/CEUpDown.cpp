#include "components/CEUpDown.h"

#include <QPointer>
#include <QResizeEvent>
#include <QStyle>
#include <QToolButton>

TCeUpDown::TCeUpDown(QWidget* parent) : QWidget(parent)
{
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("next"));
    down_->setObjectName(QStringLiteral("previous"));
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { SetPosition(position_ + 1); });
    connect(down_, &QToolButton::clicked, this, [this] { SetPosition(position_ - 1); });
    resize(DefaultButtonWidth(this), 20);
}

int TCeUpDown::DefaultButtonWidth(const QWidget* context)
{
    const int extent = context->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, context);
    return extent < 15 ? extent : 15;
}

void TCeUpDown::SetPosition(int position)
{
    position_ = position < -1 ? -1 : (position > 1 ? 1 : position);
    if (changing_ || position_ == 0)
        return;
    changing_ = true;
    const TUDBtnType button = position_ > 0 ? btNext : btPrev;
    QPointer<TCeUpDown> self(this);
    emit OnClick(button);
    if (!self)
        return;
    position_ = 0;
    changing_ = false;
}

void TCeUpDown::resizeEvent(QResizeEvent* event)
{
    const int forced = DefaultButtonWidth(this);
    if (event->size().width() != forced) {
        resize(forced, event->size().height());
        return;
    }
    const int h = height();
    up_->setGeometry(0, 0, forced, h / 2);
    down_->setGeometry(0, h / 2, forced, h - h / 2);
    QWidget::resizeEvent(event);
}
