#include "reports/PainterCanvas.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kTwipsPerInch = 1440;
constexpr qreal kLineWidth = 10;  // twips: half a point

}  // namespace

QFont reportFont(int size, bool bold) {
    static const bool substituted = [] {
        QFont::insertSubstitution(u"Courier New"_s, u"Liberation Mono"_s);
        return true;
    }();
    Q_UNUSED(substituted);
    QFont f(u"Courier New"_s);
    f.setStyleHint(QFont::Monospace);
    f.setPixelSize(std::max(1, size * 20));  // painters here work in twips: a point is 20 twips
    f.setBold(bold);
    return f;
}

PainterCanvas::PainterCanvas(QPrinter& printer) : printer_(printer) {}

PainterCanvas::~PainterCanvas() {
    if (painter_.isActive())
        painter_.end();
}

bool PainterCanvas::page() {
    if (!ok_)
        return false;
    if (!painter_.isActive()) {
        printer_.setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
        if (!painter_.begin(&printer_)) {
            ok_ = false;
            return false;
        }
        ++pages_;
    } else if (breakPending_) {
        printer_.setPageOrientation(landscape_ ? QPageLayout::Landscape : QPageLayout::Portrait);
        if (!printer_.newPage()) {
            ok_ = false;
            return false;
        }
        ++pages_;
    } else {
        return true;
    }
    breakPending_ = false;
    const qreal scale = printer_.resolution() / kTwipsPerInch;
    painter_.resetTransform();
    painter_.scale(scale, scale);
    painter_.setPen(QPen(Qt::black, kLineWidth));
    fontKey_ = -1;
    return true;
}

void PainterCanvas::useFont(const ReportElement& e) {
    const int key = e.size * 2 + (e.bold ? 1 : 0);
    if (key == fontKey_)
        return;
    fontKey_ = key;
    const QFont f = reportFont(e.size, e.bold);
    painter_.setFont(f);
    ascent_ = QFontMetricsF(f).ascent();
}

void PainterCanvas::ppos(const ReportElement& e) {
    if (!page())
        return;
    useFont(e);
    painter_.drawText(QPointF(e.x, e.y + ascent_), e.text);
}

void PainterCanvas::pPosVerti(const ReportElement& e) {
    if (!page())
        return;
    useFont(e);
    for (qsizetype i = 0; i < e.text.size(); ++i)
        painter_.drawText(QPointF(e.x, e.y + ascent_ + i * kVerticalStep), QString(e.text[i]));
}

void PainterCanvas::pCuadro(const ReportElement& e) {
    if (!page())
        return;
    const QPointF a(e.x, e.y), b(e.x2, e.y), c(e.x2, e.y2), d(e.x, e.y2);
    const QLineF sides[] = {{a, b}, {b, c}, {c, d}, {d, a}};
    painter_.drawLines(sides, 4);
}

void PainterCanvas::orientacion(bool landscape) {
    landscape_ = landscape;
}

void PainterCanvas::nuevaHoja() {
    if (painter_.isActive())
        breakPending_ = true;
}

void PainterCanvas::finDocumento() {
    if (painter_.isActive())
        painter_.end();
    landscape_ = false;
    printer_.setPageOrientation(QPageLayout::Portrait);
}

}  // namespace zem::reports
