#include "formbase/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

void PaintBrandMark(QPainter& painter, const QRectF& box, const QColor& mark, const QColor& fill)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.topLeft());
    painter.scale(box.width() / 28.0, box.height() / 22.0);
    painter.setPen(QPen(mark, 2));
    painter.setBrush(fill.alpha() ? QBrush(fill) : QBrush(Qt::NoBrush));
    painter.drawRoundedRect(QRectF(0, 0, 28, 22), 5, 5);
    QPainterPath wave;
    wave.moveTo(3, 11);
    wave.cubicTo(9, 0, 12, 22, 18, 11);
    wave.cubicTo(21, 5, 23, 7, 25, 11);
    painter.setPen(QPen(mark, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
    painter.restore();
}

namespace {
// The brand mark on a white tile.
QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const double unit = size / 32.0;
    PaintBrandMark(painter, QRectF(2 * unit, 5 * unit, 28 * unit, 22 * unit), QColor(0, 90, 170), Qt::white);
    return pixmap;
}
}  // namespace

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 32, 48})
            made.addPixmap(DrawIcon(size));
        return made;
    }();
    return icon;
}
