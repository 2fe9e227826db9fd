#pragma once

#include <QList>
#include <QSet>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

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

// Which of the working tables hold any row, asked in one statement. The statement is prepared once for a list
// of tables and kept: asking again about the same list costs no parsing.
class TablePresence {
public:
    // nullopt when the question failed: the caller then reads every table, which reports the failure.
    std::optional<QSet<QString>> withRows(Db& db, const QStringList& tables);

private:
    QStringList tables_;
    std::optional<QSqlQuery> query_;
};

// Puts the rows back as they were: the table is emptied and refilled, in one transaction. False when the
// database failed (reported; the table is then as it was).
bool writeWorkingTable(Db& db, const TableRows& rows);

}  // namespace zem
