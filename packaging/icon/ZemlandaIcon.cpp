#include "ZemlandaIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zem {

namespace {

const QColor kPaper(0xfd, 0xfd, 0xfa);
const QColor kEdge(0x5a, 0x63, 0x70);
const QColor kBand(0x1f, 0x4e, 0x9a);
const QColor kRule(0x9a, 0xa6, 0xb6);
const QColor kSeal(0xc8, 0x8a, 0x12);
const QColor kSealDark(0x8c, 0x5c, 0x05);

// The sheet with its top right corner folded down.
void paintSheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(40, 12);
    sheet.lineTo(176, 12);
    sheet.lineTo(220, 56);
    sheet.lineTo(220, 244);
    sheet.lineTo(40, 244);
    sheet.closeSubpath();
    p.setPen(QPen(kEdge, 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(kPaper);
    p.drawPath(sheet);

    QPainterPath fold;
    fold.moveTo(176, 12);
    fold.lineTo(176, 56);
    fold.lineTo(220, 56);
    fold.closeSubpath();
    p.setBrush(QColor(0xd8, 0xdd, 0xe4));
    p.drawPath(fold);
}

void paintBand(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBand);
    p.drawRect(QRectF(60, 34, 100, 30));
}

// Rows of boxes: a caption line on the left and the amount box on the right.
void paintRules(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 5; ++row) {
        const qreal y = 92 + row * 28;
        p.setPen(QPen(kRule, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(62, y + 8), QPointF(row % 2 ? 112 : 124, y + 8));
        p.setPen(QPen(kRule, 4));
        p.drawRect(QRectF(138, y, 60, 17));
    }
}

// The round seal with a Z drawn as three strokes.
void paintSeal(QPainter& p, bool small) {
    const QPointF centre(170, 194);
    const qreal radius = small ? 58 : 50;
    QLinearGradient gold(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    gold.setColorAt(0, kSeal.lighter(125));
    gold.setColorAt(1, kSeal);
    p.setPen(QPen(kSealDark, small ? 10 : 6));
    p.setBrush(gold);
    p.drawEllipse(centre, radius, radius);

    const qreal h = radius * 0.46;
    QPainterPath z;
    z.moveTo(centre + QPointF(-h, -h));
    z.lineTo(centre + QPointF(h, -h));
    z.lineTo(centre + QPointF(-h, h));
    z.lineTo(centre + QPointF(h, h));
    p.setPen(QPen(Qt::white, small ? 20 : 15, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(z);
}

}  // namespace

QImage zemlandaIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const bool small = size < 32;
    paintSheet(p);
    paintBand(p);
    if (!small)
        paintRules(p);
    paintSeal(p, small);
    p.end();
    return image;
}

}  // namespace zem
