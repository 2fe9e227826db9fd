// Creating the shared tables and the connection's working tables.
#include "startup/Schema.h"

#include <QFile>

#include "startup/Database.h"
#include "startup/MessageSink.h"
#include "startup/SqlDialect.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QString resourceText(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

// Statements of a script, split at ';', with the "--" comment lines removed.
QStringList statements(const QString& script) {
    QStringList lines;
    for (const QString& line : script.split(u'\n')) {
        if (!line.trimmed().startsWith(u"--"))
            lines << line;
    }
    QStringList out;
    for (const QString& s : lines.join(u'\n').split(u';')) {
        if (!s.trimmed().isEmpty())
            out << s.trimmed();
    }
    return out;
}

QString columnList(const QStringList& columns) {
    QStringList defs;
    for (const QString& c : columns)
        defs << c + u" TEXT"_s;
    return defs.join(u", "_s);
}

bool createTables(Db& db) {
    for (const QString& sql : statements(resourceText(u":/schema/schema.sql"_s))) {
        if (!db.execute(sql))
            return false;
    }
    for (const AnnexTable& t : annexTables()) {
        for (const QString& sql : annexTableStatements(t, db.dialect())) {
            if (!db.execute(sql))
                return false;
        }
    }
    if (db.scalar(u"SELECT count(*) FROM schema_version"_s).toInt() == 0)
        return db.execute(u"INSERT INTO schema_version (version) VALUES (?)"_s, {kSchemaVersion});
    return true;
}

}  // namespace

QStringList annexTableStatements(const AnnexTable& t, Dialect dialect) {
    const QString key = u"tip_doc_d INTEGER, doc_id_d TEXT, periodo TEXT, formulario TEXT, "_s;
    const QString cols = columnList(t.columns);
    const QString order = entryOrderDefinition(dialect);
    QStringList sql = {u"CREATE TABLE IF NOT EXISTS "_s + t.stored + u" ("_s + key + cols +
                           u", cnumero TEXT"_s + order + u')',
                       u"CREATE TABLE IF NOT EXISTS "_s + t.history + u" ("_s + key + u"correl TEXT, "_s +
                           cols + u", cnumero TEXT"_s + order + u')'};
    for (const QString& table : {t.stored, t.history})
        sql << u"CREATE INDEX IF NOT EXISTS ix_"_s + table + u" ON "_s + table +
                   u" (doc_id_d, periodo, formulario)"_s;
    return sql;
}

bool createSchema(Db& db) {
    const SchemaState state = inspectSchema(db);
    if (state.kind != SchemaState::Kind::Empty) {
        DbError error;
        // Refuses another program's tables and a newer program's; brings an older database up to date.
        if (!prepareSchema(db, &error)) {
            db.sink().error(schemaErrorText(error), QString::fromUtf16(kConnectionErrorTitle));
            return false;
        }
    }
    return db.transaction([&db] { return createTables(db); });
}

int schemaVersion(Db& db) {
    return db.scalar(u"SELECT max(version) FROM schema_version"_s).toInt();
}

bool createWorkingTables(Db& db) {
    for (const AnnexTable& t : annexTables()) {
        if (!db.execute(u"CREATE TEMP TABLE IF NOT EXISTS "_s + t.working + u" ("_s + columnList(t.columns) +
                        entryOrderDefinition(db.dialect()) + u')'))
            return false;
    }
    return db.execute(
        u"CREATE TEMP TABLE IF NOT EXISTS tmp_f0480importa "
        "(tip_doc_d INTEGER, doc_id_d TEXT, periodo TEXT, formulario TEXT)"_s);
}

}  // namespace zem
