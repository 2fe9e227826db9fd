// Which tables an opened database holds, and bringing an older version of ours up to date.
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>

#include "startup/Database.h"
#include "startup/Schema.h"
#include "startup/SqlDialect.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

// The statements that take the tables from the version before to `version`, in order. A database is upgraded
// by running every step above its recorded version, all in one transaction.
struct UpgradeStep {
    int version;
    QStringList statements;
};

QList<UpgradeStep> upgradeSteps(Dialect dialect) {
    return {
        // A counter of the saves of a declaration: a save checks that it still writes over the version it
        // opened.
        {2, {u"ALTER TABLE cab ADD COLUMN version INTEGER NOT NULL DEFAULT 0"_s}},
        // What an import added to the payers the user typed, so that importing again does not add it twice.
        {3, annexTableStatements(*annexByStored(u"F0482RETIMP"_s), dialect)},
    };
}

// The tables that make a database ours.
const QStringList& ourTables() {
    static const QStringList tables = {u"schema_version"_s, u"cab"_s, u"det"_s, u"param"_s};
    return tables;
}

QString databaseName(Db& db) {
    const QString name = db.handle().databaseName();
    return QFileInfo(name).isFile() ? QFileInfo(name).absoluteFilePath() : name;
}

// The version as it stands inside a running transaction; 1 for our tables without a recorded version.
int recordedVersion(Db& db) {
    const int v = schemaVersion(db);
    return v > 0 ? v : 1;
}

bool upgrade(Db& db, int* from) {
    return db.transaction([&] {
        // Read again under the write lock: another program may have upgraded the database meanwhile.
        *from = recordedVersion(db);
        if (*from >= kSchemaVersion)
            return true;
        for (const UpgradeStep& step : upgradeSteps(db.dialect())) {
            if (step.version <= *from)
                continue;
            for (const QString& sql : step.statements) {
                if (!db.execute(sql))
                    return false;
            }
        }
        return db.execute(u"DELETE FROM schema_version"_s) &&
               db.execute(u"INSERT INTO schema_version (version) VALUES (?)"_s, {kSchemaVersion});
    });
}

}  // namespace

SchemaState inspectSchema(Db& db) {
    QSet<QString> present;
    for (const QString& t : sharedTableNames(db))
        present.insert(t);
    SchemaState state;
    if (present.isEmpty())
        return state;
    for (const QString& t : ourTables()) {
        if (!present.contains(t)) {
            state.kind = SchemaState::Kind::Foreign;
            return state;
        }
    }
    state.kind = SchemaState::Kind::Ours;
    state.version = recordedVersion(db);
    return state;
}

bool prepareSchema(Db& db, DbError* error, int* upgradedFrom) {
    *error = {};
    if (upgradedFrom)
        *upgradedFrom = 0;
    const SchemaState state = inspectSchema(db);
    const QString name = databaseName(db);
    switch (state.kind) {
        case SchemaState::Kind::Empty:
            // A server's database is created empty by its administrator; the tables come from the batch tool.
            *error = {DbError::kNotADatabase,
                      u"La base de datos "_s + name + u" está vacía: no tiene las tablas del sistema."_s +
                          (db.dialect() == Dialect::Postgres ? u" Créelas con «zem0482 init --server»."_s
                                                             : QString())};
            return false;
        case SchemaState::Kind::Foreign:
            *error = {
                DbError::kNotADatabase,
                u"La base de datos "_s + name + u" no es de este sistema: tiene tablas de otro programa."_s};
            return false;
        case SchemaState::Kind::Ours:
            break;
    }
    if (state.version > kSchemaVersion) {
        *error = {DbError::kNotADatabase,
                  u"La base de datos "_s + name +
                      u" es de una versión más reciente del programa (versión "_s +
                      QString::number(state.version) + u"); este programa solo conoce hasta la versión "_s +
                      QString::number(kSchemaVersion) + u". Actualice el programa."_s};
        return false;
    }
    if (state.version == kSchemaVersion)
        return true;
    int from = state.version;
    if (!upgrade(db, &from)) {
        const DbError cause = db.lastError();
        *error = {cause.isError() ? cause.number : -1,
                  u"No se pudo actualizar la base de datos "_s + name + u" de la versión "_s +
                      QString::number(state.version) + u" a la "_s + QString::number(kSchemaVersion) +
                      u": "_s + dbErrorMeaning(cause)};
        return false;
    }
    if (upgradedFrom && from < kSchemaVersion)
        *upgradedFrom = from;
    return true;
}

QString schemaErrorText(const DbError& error) {
    return error.description + u'\n' + QString::number(error.number);
}

}  // namespace zem
