#include "declaration/WorkingRows.h"

#include <QSqlRecord>

#include "startup/Database.h"
#include "startup/SqlDialect.h"

namespace zem {

using namespace Qt::StringLiterals;

bool sameRows(const TableRows& a, const TableRows& b) {
    if (a.columns != b.columns || a.rows.size() != b.rows.size())
        return false;
    for (qsizetype r = 0; r < a.rows.size(); ++r) {
        const QVariantList& x = a.rows[r];
        const QVariantList& y = b.rows[r];
        if (x.size() != y.size())
            return false;
        for (qsizetype c = 0; c < x.size(); ++c) {
            if (x[c].isNull() != y[c].isNull() || x[c].toString() != y[c].toString())
                return false;
        }
    }
    return true;
}

TableRows readWorkingTable(Db& db, const QString& table) {
    TableRows out;
    out.table = table;
    QSqlQuery q = db.select(u"SELECT * FROM "_s + table + inEntryOrder(db.dialect()));
    if (!q.isActive())
        return out;
    // The entry-order column is the table's own bookkeeping: rows written back get new numbers, in order.
    const QSqlRecord record = q.record();
    QList<int> kept;  // read by position: a lookup by name for every value costs more than the read itself
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i) != entryOrderColumn(db.dialect())) {
            out.columns << record.fieldName(i);
            kept << i;
        }
    }
    while (q.next()) {
        QVariantList row;
        row.reserve(kept.size());
        for (const int i : std::as_const(kept))
            row << q.value(i);
        out.rows << row;
    }
    return out;
}

std::optional<QSet<QString>> TablePresence::withRows(Db& db, const QStringList& tables) {
    if (tables.isEmpty())
        return QSet<QString>();
    if (!query_ || tables != tables_) {
        QStringList parts;
        for (qsizetype i = 0; i < tables.size(); ++i)
            parts << u"SELECT %1 WHERE EXISTS (SELECT 1 FROM %2)"_s.arg(i).arg(tables[i]);
        query_.emplace(db.handle());
        query_->setForwardOnly(true);
        tables_ = tables;
        if (!query_->prepare(parts.join(u" UNION ALL "_s))) {
            query_.reset();
            return std::nullopt;
        }
    }
    if (!query_->exec()) {
        query_.reset();
        return std::nullopt;
    }
    QSet<QString> out;
    while (query_->next())
        out.insert(tables_.value(query_->value(0).toInt()));
    const bool whole = !query_->lastError().isValid();
    query_->finish();  // the statement keeps no read open between questions
    if (!whole)
        return std::nullopt;
    return out;
}

bool writeWorkingTable(Db& db, const TableRows& rows) {
    if (rows.columns.isEmpty())
        return false;
    const QString insert = u"INSERT INTO "_s + rows.table + u" ("_s + rows.columns.join(u", "_s) +
                           u") VALUES ("_s + QStringList(rows.columns.size(), u"?"_s).join(u", "_s) + u')';
    return db.transaction([&] {
        if (!db.execute(u"DELETE FROM "_s + rows.table))
            return false;
        for (const QVariantList& row : rows.rows) {
            if (!db.execute(insert, row))
                return false;
        }
        return true;
    });
}

}  // namespace zem
