#include "calculator/mainwindow/Logos.h"

#include "formbase/ProgramIcon.h"

#include <QPainter>

#include <functional>

namespace {
constexpr int GermanImage = 29;
constexpr int EnglishImage = 30;
constexpr int PartnerInfoImage = 31;

// One image in the sizes of menus and tool buttons, drawn on a 16 × 16 grid.
QIcon DrawnIcon(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void GermanFlag(QPainter& p)
{
    p.fillRect(QRectF(0, 3, 16, 10.0 / 3), QColor(0, 0, 0));
    p.fillRect(QRectF(0, 3 + 10.0 / 3, 16, 10.0 / 3), QColor(221, 0, 0));
    p.fillRect(QRectF(0, 3 + 20.0 / 3, 16, 10.0 / 3), QColor(255, 206, 0));
}

void EnglishFlag(QPainter& p)
{
    const QRectF flag(0, 3, 16, 10);
    p.fillRect(flag, QColor(1, 33, 105));
    p.setClipRect(flag);
    const QLineF diagonals[] = {{flag.topLeft(), flag.bottomRight()}, {flag.bottomLeft(), flag.topRight()}};
    p.setPen(QPen(Qt::white, 2.5));
    p.drawLines(diagonals, 2);
    p.setPen(QPen(QColor(200, 16, 46), 1));
    p.drawLines(diagonals, 2);
    p.fillRect(QRectF(0, 6.5, 16, 3), Qt::white);
    p.fillRect(QRectF(6.5, 3, 3, 10), Qt::white);
    p.fillRect(QRectF(0, 7.25, 16, 1.5), QColor(200, 16, 46));
    p.fillRect(QRectF(7.25, 3, 1.5, 10), QColor(200, 16, 46));
}

// An "i" in a disc of the partner's brand colour.
void PartnerInfo(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 20));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(7, 3.5, 2, 2));
    p.drawRect(QRectF(7, 6.5, 2, 6));
}

// A wave crossing a pipe, the brand mark, beside the product name.
QPixmap DrawLogo(const QString& name, const QColor& mark, const QColor& text)
{
    QPixmap pixmap(150, 40);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintBrandMark(painter, QRectF(2, 6, 36, 28), mark, Qt::transparent);
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

QIcon ActionImage(int index)
{
    switch (index) {
    case GermanImage:
        return DrawnIcon(GermanFlag);
    case EnglishImage:
        return DrawnIcon(EnglishFlag);
    case PartnerInfoImage:
        return DrawnIcon(PartnerInfo);
    default:
        return QIcon();
    }
}

int LanguageImageIndex(int primaryLanguageId)
{
    return primaryLanguageId == 7 ? GermanImage : primaryLanguageId == 9 ? EnglishImage : -1;
}
