#pragma once

#include <QSqlQuery>
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

// Every row a query returns, each as the list of its values in column order. An empty list on failure (which
// marks a running transaction as failed).
QList<QVariantList> fetchRows(Db& db, const QString& sql, const QVariantList& params = {});

// The declaration key of the annex tables as values: 6, RUC, period, form.
QVariantList annexKeyValues(const DeclarationKey& key);

// " WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?" and its values; with semana the
// header and box tables' week condition, with the sequence condition for a sent declaration.
struct Condition {
    QString sql;
    QVariantList params;
};
Condition keyCondition(const DeclarationKey& key, bool withWeek, bool withCorrel);

// The columns of the header and box tables, in table order, the check code last.
const QStringList& cabColumns();
const QStringList& hcabColumns();
const QStringList& detColumns();
const QStringList& hdetColumns();

}  // namespace store
}  // namespace zem
