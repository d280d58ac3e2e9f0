#include "iconart.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace IconArt {

namespace {

// The design is laid out on a 256-unit square, as in the SVG.
constexpr qreal designSize = 256.0;

} // namespace

QList<int> applicationIconSizes() {
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

QImage applicationIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / designSize, size / designSize);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x6f, 0xe5));
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);

    const QPolygonF letterV{{52, 56}, {102, 56}, {128, 150}, {154, 56}, {204, 56}, {152, 204}, {104, 204}};
    painter.setBrush(Qt::white);
    painter.drawPolygon(letterV);
    return image;
}

QImage handCursor() {
    QPainterPath hand;
    hand.setFillRule(Qt::WindingFill);
    hand.addRoundedRect(QRectF(8.5, 1.5, 6, 19), 3, 3);       // index finger, pointing up
    hand.addRoundedRect(QRectF(14.5, 10.5, 5, 10), 2.5, 2.5); // middle finger
    hand.addRoundedRect(QRectF(19.5, 12.5, 5, 9), 2.5, 2.5);  // ring finger
    hand.addRoundedRect(QRectF(24.5, 14.5, 4, 8), 2, 2);      // little finger
    hand.addRoundedRect(QRectF(8.5, 16.5, 20, 13), 4, 4);     // palm
    QPainterPath thumb;
    thumb.moveTo(9, 19);
    thumb.lineTo(4.5, 15.5);
    thumb.quadTo(1.5, 14.5, 2.5, 18.5);
    thumb.lineTo(9, 27);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();

    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    return image;
}

QPoint handCursorHotSpot() {
    return {11, 1};
}

} // namespace IconArt
