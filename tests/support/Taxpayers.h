#pragma once

#include <QString>
#include <QVariant>

#include "startup/Database.h"

namespace zem::test {

// A taxpayer of the contributor register (CONT) as the tests need one. A null text is stored as NULL; names
// may carry quotes ("D'ONOFRIO"), every value is bound.
struct TaxpayerRow {
    QString ruc{};
    QString apellidoP = QStringLiteral("PEREZ");
    QString apellidoM = QStringLiteral("GOMEZ");
    QString nombre1 = QStringLiteral("ANA");
    QString nombre2{};                                   // NULL
    QString nombre = QStringLiteral("PEREZ GOMEZ ANA");  // the full name the lists show
    QVariant tipoIngreso = 2;
    QString usuario = QStringLiteral("CONTADOR");
    // The kind given to the user when CLAVES does not hold it yet; null leaves the user unregistered.
    QString userKind = QStringLiteral("1");
};

// Registers the user with its kind ("0" sees every taxpayer), or changes the kind of a registered one.
inline bool addUser(Db& db, const QString& usuario, const QString& tipo) {
    return db.execute(QStringLiteral("UPDATE claves SET tipo = ? WHERE usuario = ?"), {tipo, usuario}) &&
           db.execute(QStringLiteral("INSERT INTO claves (usuario, tipo) SELECT ?, ? "
                                     "WHERE NOT EXISTS (SELECT 1 FROM claves WHERE usuario = ?)"),
                      {usuario, tipo, usuario});
}

// Registers the taxpayer with document type 6 (RUC), and its user unless CLAVES already holds it (a user
// registered earlier keeps its kind). False when the database refused a row.
inline bool addTaxpayer(Db& db, const TaxpayerRow& t) {
    const auto value = [](const QString& text) { return text.isNull() ? QVariant() : QVariant(text); };
    if (!t.usuario.isNull() && !t.userKind.isNull() &&
        !db.execute(QStringLiteral("INSERT INTO claves (usuario, tipo) SELECT ?, ? "
                                   "WHERE NOT EXISTS (SELECT 1 FROM claves WHERE usuario = ?)"),
                    {t.usuario, t.userKind, t.usuario}))
        return false;
    return db.execute(
        QStringLiteral("INSERT INTO cont (tip_doc_d, doc_id_d, apellido_p, apellido_m, nombre_1, "
                       "nombre_2, nombre, tipo_ingreso, usuario) VALUES (6, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {t.ruc, value(t.apellidoP), value(t.apellidoM), value(t.nombre1), value(t.nombre2), value(t.nombre),
         t.tipoIngreso, value(t.usuario)});
}

}  // namespace zem::test
