#include "reports/PageRangeCheck.h"

#include <cmath>

namespace zem::reports {

using namespace Qt::StringLiterals;

namespace {

// The leading number of a typed page ("3", " 3", "3.5"); 0 when it starts with none.
double pageValue(const QString& text) {
    QString digits;
    bool point = false;
    for (const QChar c : text.trimmed()) {
        if (c.isDigit()) {
            digits += c;
        } else if (c == u'.' && !point) {
            point = true;
            digits += c;
        } else if (c != u' ') {
            break;
        }
    }
    bool ok = false;
    const double v = digits.toDouble(&ok);
    return ok ? v : 0;
}

int rounded(double v) {
    return static_cast<int>(std::lround(std::min(v, 32767.0)));
}

}  // namespace

PageRangeCheck checkPageRange(const QString& desde, const QString& hasta, int totalPages) {
    if (desde.trimmed().isEmpty())
        return {{}, u"Ingrese página de inicio"_s};
    const double first = pageValue(desde);
    if (first < 1)
        return {{}, u"Página inicial debe ser a partir de 1"_s};
    if (first > totalPages)
        return {{}, u"Página inicial no debe ser mayor a total de páginas del reporte"_s};
    if (hasta.trimmed().isEmpty())
        return {{}, u"Ingrese página de Fin"_s};
    const double last = pageValue(hasta);
    if (first > last)
        return {{}, u"Página de Inicio debe ser mayor a página de Fin"_s};
    return {{true, rounded(first), rounded(last)}, {}};
}

}  // namespace zem::reports
