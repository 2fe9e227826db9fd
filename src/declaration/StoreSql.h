#pragma once

#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include "declaration/DeclarationKey.h"

namespace zem {

class Db;

namespace store {

// One statement prepared once and run for many rows, meant for the inside of a transaction: a failure marks
// the running transaction as failed, which then reports it once and rolls everything back.
class Prepared {
public:
    Prepared(Db& db, const QString& sql);
    bool exec(const QVariantList& values);

private:
    Db& db_;
    QSqlQuery query_;
    bool prepared_ = false;
};

// "?, ?, ?" for n values.
QString placeholders(qsizetype n);

// "INSERT INTO table (a, b, c) VALUES (?, ?, ?)".
QString insertSql(const QString& table, const QStringList& columns);

// The row followed by its record check code (the row's values in column order, key columns first).
QVariantList withCheckCode(QVariantList row);
// Sets the last value of the row, its check code column, from the values before it.
void setCheckCode(QVariantList& row);

// Every row a query returns, its values reachable by column name. An empty list on failure (which marks a
// running transaction as failed and leaves the error in db.lastError()).
QList<QSqlRecord> fetchRecords(Db& db, const QString& sql, const QVariantList& params = {});

// The values of a row for the given columns, in that order.
QVariantList valuesOf(const QSqlRecord& row, const QStringList& columns);

// The declaration key of the annex tables as values: 6, RUC, period, form.
QVariantList annexKeyValues(const DeclarationKey& key);

// " WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?" and its values; with semana the
// header and box tables' week condition, with the sequence condition for a sent declaration.
struct Condition {
    QString sql;
    QVariantList params;
};
Condition keyCondition(const DeclarationKey& key, bool withWeek, bool withCorrel);

// The columns of the header and box tables, in table order, the check code last (the columns the check code
// is computed over; cab.version, the save counter, is not one of them).
const QStringList& cabColumns();
const QStringList& hcabColumns();
const QStringList& detColumns();
const QStringList& hdetColumns();

}  // namespace store
}  // namespace zem
