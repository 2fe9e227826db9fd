#pragma once

#include <QString>
#include <QVariantList>

#include "startup/Database.h"
#include "support/Taxpayers.h"

namespace zem::test {

// Rows the shell tests start from besides taxpayers and users: a declaration in preparation (CAB with one box
// in DET) and a sent one (HCAB).
inline void addPrepared(Db& db, const QString& ruc, int estado = 0) {
    db.execute(QStringLiteral("INSERT INTO cab (tip_doc_d, doc_id_d, periodo, formulario, semana, estado) "
                              "VALUES (6, ?, '2006', '0482', 0, ?)"),
               {ruc, estado});
    db.execute(QStringLiteral("INSERT INTO det (tip_doc_d, doc_id_d, periodo, formulario, semana, casilla, "
                              "i_valor, estado) VALUES (6, ?, '2006', '0482', 0, '107', '1000', 0)"),
               {ruc});
}

inline void addSent(Db& db, const QString& ruc, const QString& correl, int estado = 1,
                    const QString& norden = QString()) {
    db.execute(QStringLiteral("INSERT INTO hcab (tip_doc_d, doc_id_d, periodo, formulario, semana, correl, "
                              "estado, control, fec_env, norden) VALUES (6, ?, '2006', '0482', 0, ?, ?, "
                              "'12345678', '15/03/2007', ?)"),
               {ruc, correl, estado, norden.isNull() ? QVariant() : QVariant(norden)});
}

inline int count(Db& db, const QString& sql, const QVariantList& params = {}) {
    return db.scalar(sql, params).toInt();
}

}  // namespace zem::test
