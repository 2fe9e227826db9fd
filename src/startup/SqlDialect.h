#pragma once

#include <QString>
#include <QStringList>

namespace zem {

class Db;
enum class Dialect;

// The few places where the embedded SQLite file and an office's PostgreSQL server need different SQL. Every
// other statement of the program is written once and runs on both.

// The statements that open a transaction. A write takes the one writer lock of the database at once, so that
// two writers never interleave: numbers taken as "the highest plus one" (the sending sequence, the report
// files) stay unique and a save reads the version it writes over. SQLite has BEGIN IMMEDIATE for it; on the
// server it is a lock held until the transaction ends. A read sees one consistent state of the database from
// its first statement to its last.
QStringList beginStatements(Dialect dialect, bool write);

// The column that keeps the rows of an annex table in the order they were entered (co-owners, payers,
// payments): SQLite keeps it by itself (rowid); on the server each annex table has its own counter column.
QString entryOrderColumn(Dialect dialect);
// " ORDER BY " + that column, to append to a statement reading annex rows.
QString inEntryOrder(Dialect dialect);
// The definition to add to an annex table's columns: empty on SQLite.
QString entryOrderDefinition(Dialect dialect);

// The number an amount column holds, for sums in SQL. Amounts are text; SQLite reads the number at the start
// of the text (nothing there reads as 0), and on the server the same leading number is cut out and read as a
// double, never an error for text that holds none.
QString numberOf(Dialect dialect, const QString& column);

// The tables of this program's database (lower case), its connection's working tables left out.
QStringList sharedTableNames(Db& db);

}  // namespace zem
