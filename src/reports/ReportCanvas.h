#pragma once

#include <QColor>

#include "reports/ReportElement.h"

namespace zem::reports {

// What the reader of report files draws on: the preview's page images, the printer or a PDF file. The reader
// decides what reaches the canvas (mode and page range); the canvas only draws.
class ReportCanvas {
public:
    virtual ~ReportCanvas() = default;

    virtual void ppos(const ReportElement& e) = 0;       // a text at (x, y), top-left corner
    virtual void pPosVerti(const ReportElement& e) = 0;  // a text, one character below the other
    virtual void pCuadro(const ReportElement& e) = 0;    // the outline of (x, y)-(x2, y2)

    // The start of a document ("<!nHojas!>"): its page count; the preview starts counting its pages again.
    virtual void inicioDocumento(int /*pages*/) {}
    // Preview only: the page background ("<!Color!>"), when it differs from the current one.
    virtual void color(const QColor& /*background*/) {}
    // Printing only: "<!Orientacion!>H" turns the following pages to landscape.
    virtual void orientacion(bool /*landscape*/) {}
    // Printing only: a page break ("pNuevaHoja") within the page range.
    virtual void nuevaHoja() {}
    // Printing only: the end of the file; the printer goes back to portrait.
    virtual void finDocumento() {}
};

}  // namespace zem::reports
