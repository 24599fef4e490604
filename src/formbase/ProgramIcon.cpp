#include "formbase/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
// The brand mark on a white tile: a wave crossing a pipe.
QPixmap DrawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    const QColor mark(0, 90, 170);
    painter.setPen(QPen(mark, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(2, 5, 28, 22), 5, 5);
    QPainterPath wave;
    wave.moveTo(5, 16);
    wave.cubicTo(11, 5, 14, 27, 20, 16);
    wave.cubicTo(23, 10, 25, 12, 27, 16);
    painter.setPen(QPen(mark, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
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
