#include "calculator/mainwindow/Logos.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// A wave crossing a pipe, the brand mark, beside the product name.
QPixmap DrawLogo(const QString& name, const QColor& mark, const QColor& text)
{
    QPixmap pixmap(150, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(mark, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2, 6, 36, 28), 6, 6);
    QPainterPath wave;
    wave.moveTo(6, 20);
    wave.cubicTo(14, 6, 18, 34, 26, 20);
    wave.cubicTo(30, 12, 32, 14, 34, 20);
    painter.setPen(QPen(mark, 3));
    painter.drawPath(wave);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(18);
    painter.setFont(font);
    painter.setPen(text);
    painter.drawText(QRectF(44, 0, 106, 40), Qt::AlignVCenter | Qt::AlignLeft, name);
    return pixmap;
}
}  // namespace

QPixmap OwnLogo()
{
    return DrawLogo(QStringLiteral("Quelvar"), QColor(0, 90, 170), QColor(0, 50, 110));
}

QPixmap PartnerLogo()
{
    return DrawLogo(QStringLiteral("VK_RT"), QColor(200, 60, 20), QColor(90, 30, 10));
}
