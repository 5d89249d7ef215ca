// Painted logo and navigation icons; vector drawing keeps them sharp at any scale.
#include "main_window/qt/icons.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace dovrin {
namespace {

const QColor calendarRed(200, 40, 40);
const QColor iconBlue(40, 70, 140);
const QColor moonGold(230, 170, 30);

QPixmap BlankPixmap(int size, qreal devicePixelRatio)
{
    QPixmap pixmap(static_cast<int>(std::ceil(size * devicePixelRatio)),
                   static_cast<int>(std::ceil(size * devicePixelRatio)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A chevron pointing left (direction -1) or right (+1), centred on x.
void Chevron(QPainter& p, qreal x, int direction)
{
    const qreal half = 2.75;
    QPainterPath path;
    path.moveTo(x - direction * half, 3.5);
    path.lineTo(x + direction * half, 8);
    path.lineTo(x - direction * half, 12.5);
    p.drawPath(path);
}

void TodayIcon(QPainter& p)
{
    p.setPen(QPen(iconBlue, 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(calendarRed);
    p.drawRect(QRectF(2, 3, 12, 3.5));
    p.setBrush(iconBlue);
    p.drawEllipse(QPointF(8, 10.5), 2.25, 2.25);
    // Binder rings above the page.
    p.setPen(QPen(iconBlue, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5, 1), QPointF(5, 4));
    p.drawLine(QPointF(11, 1), QPointF(11, 4));
}

}  // namespace

QPixmap Image2Pixmap(int index, qreal devicePixelRatio)
{
    QPixmap pixmap = BlankPixmap(16, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(iconBlue, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (index) {
    case 0: Chevron(p, 5, -1), Chevron(p, 10.5, -1); break;
    case 1: Chevron(p, 7.5, -1); break;
    case 2: Chevron(p, 8.5, 1); break;
    case 3: Chevron(p, 5.5, 1), Chevron(p, 11, 1); break;
    case 4: TodayIcon(p); break;
    default: break;
    }
    return pixmap;
}

QPixmap LogoPixmap(int size, qreal devicePixelRatio)
{
    QPixmap pixmap = BlankPixmap(size, devicePixelRatio);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);

    // Page with a soft shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(5, 7, 40, 39), 5, 5);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(150, 150, 160), 1));
    p.drawRoundedRect(QRectF(3.5, 5.5, 40, 39), 5, 5);

    // Red header band.
    QPainterPath header;
    header.addRoundedRect(QRectF(3.5, 5.5, 40, 12), 5, 5);
    header.addRect(QRectF(3.5, 11.5, 40, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(calendarRed);
    p.drawPath(header.simplified());

    // Binder rings.
    p.setPen(QPen(QColor(90, 90, 100), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 2.5), QPointF(14, 9.5));
    p.drawLine(QPointF(33, 2.5), QPointF(33, 9.5));

    // The sun for the Gregorian calendar.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 90, 40));
    p.drawEllipse(QPointF(16, 31), 7, 7);

    // The crescent moon for the lunar calendar.
    QPainterPath moon;
    moon.addEllipse(QPointF(32, 31), 8, 8);
    QPainterPath bite;
    bite.addEllipse(QPointF(36, 28), 7, 7);
    p.setBrush(moonGold);
    p.drawPath(moon.subtracted(bite));
    return pixmap;
}

}  // namespace dovrin
