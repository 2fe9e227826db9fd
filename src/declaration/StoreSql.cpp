#include "declaration/StoreSql.h"

#include <QSqlRecord>

#include "data/CheckCode.h"
#include "startup/Database.h"

namespace zem::store {

using namespace Qt::StringLiterals;

Prepared::Prepared(Db& db, const QString& sql) : db_(db), query_(db.handle()) {
    query_.setForwardOnly(true);
    prepared_ = query_.prepare(sql);
    if (!prepared_)
        db_.fail(DbError::fromSql(query_.lastError()));
}

bool Prepared::exec(const QVariantList& values) {
    if (!prepared_)
        return false;
    for (qsizetype i = 0; i < values.size(); ++i)
        query_.bindValue(static_cast<int>(i), values[i]);
    if (query_.exec())
        return true;
    DbError error = DbError::fromSql(query_.lastError());
    if (!error.isError())
        error = {-1, query_.lastError().text()};
    db_.fail(error);
    return false;
}

QString placeholders(qsizetype n) {
    QStringList marks;
    marks.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        marks << u"?"_s;
    return marks.join(u", "_s);
}

QString insertSql(const QString& table, const QStringList& columns) {
    return u"INSERT INTO "_s + table + u" ("_s + columns.join(u", "_s) + u") VALUES ("_s +
           placeholders(columns.size()) + u')';
}

QVariantList withCheckCode(QVariantList row) {
    row.append(QVariant());
    setCheckCode(row);
    return row;
}

void setCheckCode(QVariantList& row) {
    // The check code column itself is left out of its own computation.
    row.last() = checkCode(row, 5);
}

QList<QSqlRecord> fetchRecords(Db& db, const QString& sql, const QVariantList& params) {
    QList<QSqlRecord> rows;
    QSqlQuery q = db.select(sql, params);
    while (q.next())
        rows << q.record();
    return rows;
}

QVariantList valuesOf(const QSqlRecord& row, const QStringList& columns) {
    QVariantList values;
    values.reserve(columns.size());
    for (const QString& c : columns)
        values << row.value(c);
    return values;
}

QVariantList annexKeyValues(const DeclarationKey& key) {
    return {6, key.ruc, key.periodo, key.formulario};
}

Condition keyCondition(const DeclarationKey& key, bool withWeek, bool withCorrel) {
    Condition c{u" WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?"_s,
                {key.ruc, key.periodo, key.formulario}};
    if (withWeek) {
        c.sql += u" AND semana = ?"_s;
        c.params << key.semana;
    }
    if (withCorrel) {
        c.sql += u" AND correl = ?"_s;
        c.params << key.correl;
    }
    return c;
}

const QStringList& cabColumns() {
    static const QStringList c = {u"tip_doc_d"_s, u"doc_id_d"_s, u"periodo"_s,   u"formulario"_s,
                                  u"semana"_s,    u"fec_pro"_s,  u"bcolibrad"_s, u"nrocheque"_s,
                                  u"cheque"_s,    u"efectivo"_s, u"rectifica"_s, u"estado"_s,
                                  u"cnumero"_s};
    return c;
}

const QStringList& hcabColumns() {
    static const QStringList c = {
        u"tip_doc_d"_s, u"doc_id_d"_s,  u"periodo"_s,   u"formulario"_s, u"semana"_s,   u"correl"_s,
        u"fec_pro"_s,   u"bcolibrad"_s, u"nrocheque"_s, u"cheque"_s,     u"efectivo"_s, u"rectifica"_s,
        u"estado"_s,    u"norden"_s,    u"control"_s,   u"fec_env"_s,    u"cnumero"_s};
    return c;
}

const QStringList& detColumns() {
    static const QStringList c = {u"tip_doc_d"_s, u"doc_id_d"_s, u"periodo"_s, u"formulario"_s,
                                  u"semana"_s,    u"casilla"_s,  u"i_valor"_s, u"idcasilla"_s,
                                  u"estado"_s,    u"cnumero"_s};
    return c;
}

const QStringList& hdetColumns() {
    static const QStringList c = {u"tip_doc_d"_s, u"doc_id_d"_s, u"periodo"_s, u"formulario"_s,
                                  u"semana"_s,    u"correl"_s,   u"casilla"_s, u"i_valor"_s,
                                  u"idcasilla"_s, u"estado"_s,   u"cnumero"_s};
    return c;
}

}  // namespace zem::store
