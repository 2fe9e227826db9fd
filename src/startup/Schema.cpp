#include "startup/Schema.h"

#include <QFile>
#include <QRegularExpression>

#include "startup/Database.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QString resourceText(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return QString::fromUtf8(f.readAll());
}

// Statements of a script, split at ';', with the "--" comment lines removed.
QStringList statements(const QString& script) {
    QStringList lines;
    for (const QString& line : script.split(u'\n')) {
        if (!line.trimmed().startsWith(u"--")) lines << line;
    }
    QStringList out;
    for (const QString& s : lines.join(u'\n').split(u';')) {
        if (!s.trimmed().isEmpty()) out << s.trimmed();
    }
    return out;
}

QList<AnnexTable> parseAnnexTables() {
    // "-- @annex STORED WORKING" followed by "CREATE TABLE STORED (col TYPE, ...);"
    static const QRegularExpression re(
        uR"(--\s*@annex\s+(\w+)\s+(\w+)\s*\nCREATE TABLE\s+\w+\s*\(([^)]*)\))"_s);
    QList<AnnexTable> tables;
    auto it = re.globalMatch(resourceText(u":/schema/annex_tables.sql"_s));
    while (it.hasNext()) {
        const auto m = it.next();
        AnnexTable t;
        t.stored = m.captured(1);
        t.working = m.captured(2);
        t.history = u'H' + t.stored;
        for (const QString& col : m.captured(3).split(u',')) t.columns << col.trimmed().section(u' ', 0, 0);
        tables << t;
    }
    return tables;
}

QString columnList(const QStringList& columns) {
    QStringList defs;
    for (const QString& c : columns) defs << c + u" TEXT"_s;
    return defs.join(u", "_s);
}

}  // namespace

const QList<AnnexTable>& annexTables() {
    static const QList<AnnexTable> tables = parseAnnexTables();
    return tables;
}

const AnnexTable* annexByWorking(const QString& working) {
    for (const AnnexTable& t : annexTables()) {
        if (t.working.compare(working, Qt::CaseInsensitive) == 0) return &t;
    }
    return nullptr;
}

const AnnexTable* annexByStored(const QString& stored) {
    for (const AnnexTable& t : annexTables()) {
        if (t.stored.compare(stored, Qt::CaseInsensitive) == 0) return &t;
    }
    return nullptr;
}

const QStringList& annexKeyColumns() {
    static const QStringList key = {u"tip_doc_d"_s, u"doc_id_d"_s, u"periodo"_s, u"formulario"_s};
    return key;
}

bool createSchema(Db& db) {
    return db.transaction([&db] {
        for (const QString& sql : statements(resourceText(u":/schema/schema.sql"_s))) {
            if (!db.execute(sql)) return false;
        }
        const QString key = u"tip_doc_d INTEGER, doc_id_d TEXT, periodo TEXT, formulario TEXT, "_s;
        for (const AnnexTable& t : annexTables()) {
            const QString cols = columnList(t.columns);
            if (!db.execute(u"CREATE TABLE IF NOT EXISTS "_s + t.stored + u" ("_s + key + cols + u", cnumero TEXT)"_s))
                return false;
            if (!db.execute(u"CREATE TABLE IF NOT EXISTS "_s + t.history + u" ("_s + key + u"correl TEXT, "_s + cols +
                            u", cnumero TEXT)"_s))
                return false;
            for (const QString& table : {t.stored, t.history}) {
                if (!db.execute(u"CREATE INDEX IF NOT EXISTS ix_"_s + table + u" ON "_s + table +
                                u" (doc_id_d, periodo, formulario)"_s))
                    return false;
            }
        }
        if (db.scalar(u"SELECT count(*) FROM schema_version"_s).toInt() == 0)
            return db.execute(u"INSERT INTO schema_version (version) VALUES (?)"_s, {kSchemaVersion});
        return true;
    });
}

int schemaVersion(Db& db) { return db.scalar(u"SELECT max(version) FROM schema_version"_s).toInt(); }

bool createWorkingTables(Db& db) {
    for (const AnnexTable& t : annexTables()) {
        if (!db.execute(u"CREATE TEMP TABLE IF NOT EXISTS "_s + t.working + u" ("_s + columnList(t.columns) + u')'))
            return false;
    }
    return db.execute(
        u"CREATE TEMP TABLE IF NOT EXISTS tmp_f0480importa "
        "(tip_doc_d INTEGER, doc_id_d TEXT, periodo TEXT, formulario TEXT)"_s);
}

}  // namespace zem
