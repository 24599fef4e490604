#include "components/CeLines.h"

#include <QPainter>

#include <cstdlib>

std::vector<QPoint> LinePixels(QPoint from, QPoint to)
{
    std::vector<QPoint> pixels;
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        pixels.emplace_back(x, y);
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
    return pixels;
}

void PolylineExclusive(QPainter& painter, std::initializer_list<QPoint> points)
{
    if (points.size() < 2)
        return;
    std::vector<QPoint> pixels;
    const QPoint* previous = points.begin();
    for (const QPoint* p = previous + 1; p != points.end(); previous = p++) {
        const auto segment = LinePixels(*previous, *p);
        pixels.insert(pixels.end(), segment.begin(), segment.end());
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen = painter.pen();
    pen.setWidth(1);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawPoints(pixels.data(), static_cast<int>(pixels.size()));
    painter.restore();
}
