#pragma once

#include <QImage>
#include <QPainter>
#include <QSizeF>

#include "reports/ReportCanvas.h"

namespace zem::reports {

class ReportPages;

// An A4 sheet in twips (1/1440 inch): 210 x 297 mm.
inline constexpr QSizeF kA4Twips{11906, 16838};

// Draws report elements with a painter whose unit is the twip: texts in "Courier New" (Liberation Mono)
// with their top-left corner at (x, y), vertical texts one character every 190 twips, rectangle outlines in
// the painter's pen.
class TwipsCanvas : public ReportCanvas {
public:
    explicit TwipsCanvas(QPainter& painter) : painter_(painter) {}

    void ppos(const ReportElement& e) override;
    void pPosVerti(const ReportElement& e) override;
    void pCuadro(const ReportElement& e) override;

private:
    void useFont(const ReportElement& e);

    QPainter& painter_;
    int fontKey_ = -1;
    qreal ascent_ = 0;
};

// The i-th page of the report drawn on its background at the scale given in pixels per twip. A null image
// when there is no memory for it or the file can no longer be read.
QImage pageImage(ReportPages& pages, int i, qreal pixelsPerTwip);

}  // namespace zem::reports
