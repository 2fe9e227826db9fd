#include "shell/ui/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// Paints on a 24 x 24 grid at both sizes.
QIcon drawn(const std::function<void(QPainter&)>& paint) {
    QIcon icon;
    for (int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        paint(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor kOutline(0x40, 0x40, 0x48);

}  // namespace

QIcon newDeclarationIcon() {
    return drawn([](QPainter& p) {
        QPainterPath page;  // a blank sheet with its top right corner folded
        page.moveTo(4.5, 2.5);
        page.lineTo(13.5, 2.5);
        page.lineTo(18.5, 7.5);
        page.lineTo(18.5, 21.5);
        page.lineTo(4.5, 21.5);
        page.closeSubpath();
        p.setPen(QPen(kOutline, 1));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawPolyline(QPolygonF({QPointF(13.5, 2.5), QPointF(13.5, 7.5), QPointF(18.5, 7.5)}));
        p.setPen(QPen(QColor(0x2e, 0xa0, 0x4a), 2.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(17.5, 13), QPointF(17.5, 22));  // the plus of a new one
        p.drawLine(QPointF(13, 17.5), QPointF(22, 17.5));
    });
}

QIcon printerIcon() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(kOutline, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7.5, 2.5, 9, 8));  // paper going in
        p.setBrush(QColor(0x9a, 0xa4, 0xb0));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);  // body
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));  // printed page
        p.drawLine(QPointF(8.5, 17), QPointF(15.5, 17));
        p.drawLine(QPointF(8.5, 19), QPointF(13.5, 19));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2e, 0xa0, 0x4a));
        p.drawEllipse(QPointF(18.5, 12), 1.2, 1.2);  // power light
    });
}

QIcon orderNumberIcon() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0xff, 0xf8, 0xdc));
        p.drawRect(QRectF(4.5, 2.5, 15, 19));  // the receipt
        QFont font(u"Sans"_s);
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x1f, 0x4e, 0x9a));
        p.drawText(QRectF(4.5, 3, 15, 10), Qt::AlignCenter, u"N°"_s);
        p.setPen(QPen(kOutline, 1));
        p.drawLine(QPointF(7, 15.5), QPointF(17, 15.5));
        p.drawLine(QPointF(7, 18.5), QPointF(14, 18.5));
    });
}

QIcon deleteIcon() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0xd8, 0xdc, 0xe2));
        p.drawRect(QRectF(9.5, 2.5, 5, 2));                // the lid's handle
        p.drawRoundedRect(QRectF(3.5, 4.5, 17, 3), 1, 1);  // the lid
        QPainterPath bin;                                  // narrowing towards the bottom
        bin.moveTo(5.5, 7.5);
        bin.lineTo(18.5, 7.5);
        bin.lineTo(17, 21.5);
        bin.lineTo(7, 21.5);
        bin.closeSubpath();
        p.drawPath(bin);
        p.setPen(QPen(kOutline, 1.2));
        for (double x : {9.5, 12.0, 14.5})
            p.drawLine(QPointF(x, 10), QPointF(x, 19));
    });
}

QIcon exitIcon() {
    return drawn([](QPainter& p) {
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0xe8, 0xe2, 0xd4));
        p.drawRect(QRectF(3.5, 2.5, 11, 19));  // the doorway
        p.setBrush(QColor(0xa0, 0x6a, 0x3c));  // the door, swung open towards the viewer
        p.drawPolygon(
            QPolygonF({QPointF(3.5, 2.5), QPointF(9.5, 4.5), QPointF(9.5, 23), QPointF(3.5, 21.5)}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0xd0, 0x60));
        p.drawEllipse(QPointF(8.2, 13), 0.9, 0.9);  // the knob
        p.setPen(QPen(QColor(0x1e, 0x70, 0x34), 0.8));
        p.setBrush(QColor(0x2e, 0xa0, 0x4a));  // the way out
        p.drawPolygon(QPolygonF({QPointF(12, 10.5), QPointF(17, 10.5), QPointF(17, 7.5), QPointF(22.5, 12.5),
                                 QPointF(17, 17.5), QPointF(17, 14.5), QPointF(12, 14.5)}));
    });
}

}  // namespace zem
