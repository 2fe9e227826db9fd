#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "startup/DbError.h"

namespace zem {

class Db;
enum class Dialect;

// One annex register as the database holds it: its stored table, its sent (H) table and the working (TMP_)
// table of the open declaration, all with the register's own columns in the same order.
struct AnnexTable {
    QString stored;   // "F0480PAGOS"
    QString history;  // "HF0480PAGOS"
    QString working;  // "TMP_F0480PAGOS"
    QStringList columns;
};

// Every annex register, in the order in which a save copies the working tables back.
const QList<AnnexTable>& annexTables();
const AnnexTable* annexByWorking(const QString& working);
const AnnexTable* annexByStored(const QString& stored);

// The statements that create a register's stored and sent tables with their indexes, when missing.
// On the server each table also gets its entry-order column.
QStringList annexTableStatements(const AnnexTable& table, Dialect dialect);

// The declaration key of the annex tables, in column order.
const QStringList& annexKeyColumns();  // tip_doc_d, doc_id_d, periodo, formulario

// The version of the tables this program writes. Each later version is reached from the one before by one
// upgrade step; version 2 added cab.version, the counter of the saves of a declaration; version 3 the
// register F0482RETIMP, the part of a typed payer's total that an import added.
inline constexpr int kSchemaVersion = 3;

// What an opened database holds, as far as this program is concerned.
struct SchemaState {
    enum class Kind { Empty, Foreign, Ours };
    Kind kind = Kind::Empty;
    int version = 0;  // of our tables: the recorded version
};
SchemaState inspectSchema(Db& db);

// Makes an opened database fit for this program. A database without our tables (empty, or another
// program's) or written by a newer version of the program is refused with *error in Spanish and nothing is
// written; an older one is brought up to kSchemaVersion by its upgrade steps in one transaction
// (*upgradedFrom then tells from which version).
bool prepareSchema(Db& db, DbError* error, int* upgradedFrom = nullptr);

// The connection message for a database prepareSchema refused: its Spanish description (which names the file
// and, for a failed upgrade, the engine's words) and the error number on the next line.
QString schemaErrorText(const DbError& error);

// The installation step: creates every shared table that is missing and records the schema version, in one
// transaction; an older database is upgraded first. A database that holds another program's tables, or that
// a newer program wrote, is refused through the connection message and left as it is.
bool createSchema(Db& db);

// The version recorded in the database, 0 when there is none.
int schemaVersion(Db& db);

// Creates the working tables of this connection (temporary tables: no other connection sees them), when they
// do not exist yet: every annex working table and tmp_f0480importa.
bool createWorkingTables(Db& db);

}  // namespace zem
