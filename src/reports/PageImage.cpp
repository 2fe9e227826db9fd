#include "reports/PageImage.h"

#include <QFontMetricsF>
#include <cmath>

#include "reports/PainterCanvas.h"
#include "reports/ReportPages.h"

namespace zem::reports {

void TwipsCanvas::useFont(const ReportElement& e) {
    const int key = e.size * 2 + (e.bold ? 1 : 0);
    if (key == fontKey_)
        return;
    fontKey_ = key;
    const QFont f = reportFont(e.size, e.bold);
    painter_.setFont(f);
    ascent_ = QFontMetricsF(f).ascent();
}

void TwipsCanvas::ppos(const ReportElement& e) {
    useFont(e);
    painter_.drawText(QPointF(e.x, e.y + ascent_), e.text);
}

void TwipsCanvas::pPosVerti(const ReportElement& e) {
    useFont(e);
    for (qsizetype i = 0; i < e.text.size(); ++i)
        painter_.drawText(QPointF(e.x, e.y + ascent_ + i * kVerticalStep), QString(e.text[i]));
}

void TwipsCanvas::pCuadro(const ReportElement& e) {
    const QPointF a(e.x, e.y), b(e.x2, e.y), c(e.x2, e.y2), d(e.x, e.y2);
    const QLineF sides[] = {{a, b}, {b, c}, {c, d}, {d, a}};
    painter_.drawLines(sides, 4);
}

QImage pageImage(ReportPages& pages, int i, qreal pixelsPerTwip) {
    const QSize size(static_cast<int>(std::ceil(kA4Twips.width() * pixelsPerTwip)),
                     static_cast<int>(std::ceil(kA4Twips.height() * pixelsPerTwip)));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(pages.background(i));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixelsPerTwip, pixelsPerTwip);
    QPen pen(Qt::black, 1);  // one pixel at every zoom
    pen.setCosmetic(true);
    painter.setPen(pen);
    TwipsCanvas canvas(painter);
    if (!pages.draw(i, canvas))
        return {};
    return image;
}

}  // namespace zem::reports
