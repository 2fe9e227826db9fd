#pragma once

#include <QFont>
#include <QHash>
#include <QPainter>

#include "reports/ReportCanvas.h"

class QPrinter;

namespace zem::reports {

// Draws report elements on a printer (a CUPS queue or a PDF file) with QPainter: coordinates in twips from
// the top-left corner of the paper, texts in "Courier New" (drawn with the metric-compatible Liberation
// Mono), a new page at each page break, landscape pages after an "H" orientation tag. Pages start only when
// something is drawn on them, so a break at the end of a page range leaves no blank page.
class PainterCanvas : public ReportCanvas {
public:
    explicit PainterCanvas(QPrinter& printer);
    ~PainterCanvas() override;

    void ppos(const ReportElement& e) override;
    void pPosVerti(const ReportElement& e) override;
    void pCuadro(const ReportElement& e) override;
    void orientacion(bool landscape) override;
    void nuevaHoja() override;
    void finDocumento() override;

    int pagesPrinted() const { return pages_; }
    // False when the printer could not start the document.
    bool ok() const { return ok_; }

private:
    bool page();
    void useFont(const ReportElement& e);

    QPrinter& printer_;
    QPainter painter_;
    bool breakPending_ = false;
    bool landscape_ = false;
    bool ok_ = true;
    int pages_ = 0;
    int fontKey_ = -1;
    qreal ascent_ = 0;
};

// "Courier New" as the reports name it, with Liberation Mono standing for it.
QFont reportFont(int size, bool bold);

}  // namespace zem::reports
