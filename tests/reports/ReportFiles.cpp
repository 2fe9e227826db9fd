#include "ReportFiles.h"

#include <stdexcept>

#include "reports/ReportWriter.h"

namespace zem::test {

using namespace Qt::StringLiterals;

void writePagedReport(const QString& path, int pages, int rowsPerPage) {
    reports::ReportWriter w;
    QString error;
    if (!w.open(path, &error))
        throw std::runtime_error(error.toStdString());
    w.pEscribeLinea(u"<!font!>Courier New<!/font!>"_s);
    w.pEscribeLinea(u"<!nHojas!>3<!/nHojas!>"_s);
    w.pEscribeLinea(u"<!Color!>&H00FFFFC0&<!/Color!>"_s);
    for (int p = 0; p < pages; ++p) {
        const auto page = static_cast<qint16>(p);
        if (p > 0)
            w.pEscribePos(0, 0, u"pNuevaHoja"_s, false, 8, page);
        w.pEscribePos(9000, 300, u"Pag. "_s + QString::number(p + 1), false, 8, page);
        w.pEscribeCuadro(150, 600, 11000, 900, page);
        for (int r = 0; r < rowsPerPage; ++r)
            w.pEscribePos(400, static_cast<qint16>(1000 + 270 * r),
                          u"   Fila "_s + QString::number(r + 1) + u" de la página "_s +
                              QString::number(p + 1) + u"      1,234,567"_s,
                          r == 0, 8, page);
    }
    if (!w.close(&error))
        throw std::runtime_error(error.toStdString());
}

}  // namespace zem::test
