#pragma once

#include <QString>

namespace zem {

// The key of one declaration: always document type 6 (the RUC). A sent declaration adds the sequence of its
// sending (correl) and lives in the history tables.
struct DeclarationKey {
    QString ruc;
    QString periodo = QStringLiteral("2006");
    QString formulario = QStringLiteral("0482");
    int semana = 0;
    bool sent = false;
    QString correl;
};

}  // namespace zem
