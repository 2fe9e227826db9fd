#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zem {

class Db;

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

// The declaration key of the annex tables, in column order.
const QStringList& annexKeyColumns();  // tip_doc_d, doc_id_d, periodo, formulario

inline constexpr int kSchemaVersion = 1;

// Creates every shared table that is missing (a database that already has them is left as it is) and records
// the schema version. One transaction.
bool createSchema(Db& db);

// The version recorded in the database, 0 when there is none.
int schemaVersion(Db& db);

// Creates the working tables of this connection (temporary tables: no other connection sees them), when they
// do not exist yet: every annex working table and tmp_f0480importa.
bool createWorkingTables(Db& db);

}  // namespace zem
