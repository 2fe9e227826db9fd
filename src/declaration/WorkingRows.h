#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace zem {

class Db;

// The rows of one working table (TMP_) at one moment, in the table's own order, each value under its
// column's name.
struct TableRows {
    QString table;
    QStringList columns;
    QList<QVariantList> rows;

    bool operator==(const TableRows&) const = default;
};

// The same rows, value by value as text (a stored "6" and a read-back 6 are the same value; null is not "").
bool sameRows(const TableRows& a, const TableRows& b);

// Reads every row of the working table. An empty TableRows (no columns) when the read failed (reported).
TableRows readWorkingTable(Db& db, const QString& table);

// Puts the rows back as they were: the table is emptied and refilled, in one transaction. False when the
// database failed (reported; the table is then as it was).
bool writeWorkingTable(Db& db, const TableRows& rows);

}  // namespace zem
