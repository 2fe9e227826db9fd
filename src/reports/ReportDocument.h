#pragma once

#include <QList>

#include "reports/ReportCanvas.h"

namespace zem::reports {

// A report as the reader hands it over, kept in memory: every element drawn, the page breaks, the colour and
// the orientation. The preview reads a file into one and paints its pages from it.
class ReportDocument : public ReportCanvas {
public:
    void ppos(const ReportElement& e) override { add(e); }
    void pPosVerti(const ReportElement& e) override { add(e); }
    void pCuadro(const ReportElement& e) override { add(e); }
    void inicioDocumento(int pages) override {
        declaredPages = pages;
        pagesMade = 0;
    }
    void color(const QColor& c) override { background = c; }
    void orientacion(bool l) override { landscape = l; }
    void nuevaHoja() override { ++pageBreaks; }
    void finDocumento() override { ended = true; }

    QList<ReportElement> elements;
    int declaredPages = 0;  // the "<!nHojas!>" count
    int pagesMade = 0;      // one more than the highest page number seen since the start of the document
    int pageBreaks = 0;
    QColor background = Qt::white;
    bool landscape = false;
    bool ended = false;

private:
    void add(const ReportElement& e) {
        elements.append(e);
        if (e.page + 1 > pagesMade)
            pagesMade = e.page + 1;
    }
};

}  // namespace zem::reports
