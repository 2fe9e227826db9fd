#include "support/TestEnv.h"
#include "support/Refusal.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <stdexcept>

#include "startup/IniFile.h"
#include "startup/Schema.h"

#include <unistd.h>

namespace zem::test {

using namespace Qt::StringLiterals;

namespace {

// Runs one statement on the test server outside any installation.
bool onServer(const Settings& server, const QString& sql) {
    const QString name = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QPSQL"_s, name);
        db.setHostName(server.dbHost);
        db.setPort(server.dbPort);
        db.setDatabaseName(server.dbName);
        db.setUserName(server.dbUser);
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(u"SET client_min_messages TO warning"_s) && q.exec(sql);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

}  // namespace

bool onTestServer() {
    return !qEnvironmentVariable("ZEM_TEST_PG").isEmpty();
}

std::optional<Settings> testServer() {
    const QString conninfo = qEnvironmentVariable("ZEM_TEST_PG");
    if (conninfo.isEmpty())
        return std::nullopt;
    Settings s;
    s.dbDriver = u"QPSQL"_s;
    for (const QString& pair : conninfo.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = pair.section(u'=', 0, 0);
        const QString value = pair.section(u'=', 1);
        if (key == u"host")
            s.dbHost = value;
        else if (key == u"port")
            s.dbPort = value.toInt();
        else if (key == u"dbname")
            s.dbName = value;
        else if (key == u"user")
            s.dbUser = value;
    }
    static int serial = 0;
    s.dbSchema = u"t"_s + QString::number(getpid()) + u'_' + QString::number(++serial);
    if (!onServer(s, u"CREATE SCHEMA "_s + s.dbSchema))
        throw std::runtime_error("cannot create a schema on the test server " + conninfo.toStdString());
    return s;
}

void dropTestSchema(const Settings& server) {
    onServer(server, u"DROP SCHEMA IF EXISTS "_s + server.dbSchema + u" CASCADE"_s);
}

QList<std::pair<QString, QString>> serverKeys(const Settings& s) {
    return {{u"DBDriver"_s, s.dbDriver}, {u"DBHost"_s, s.dbHost}, {u"DBPort"_s, QString::number(s.dbPort)},
            {u"DBName"_s, s.dbName},     {u"DBUser"_s, s.dbUser}, {u"DBSchema"_s, s.dbSchema}};
}

bool refuseWrites(Db& db, const QString& name, const QString& event, const QString& table,
                  const QString& words) {
    if (db.dialect() == Dialect::Sqlite) {
        return db.execute(u"CREATE TEMP TRIGGER "_s + name + u" BEFORE "_s + event + u" ON "_s + table +
                          u" BEGIN SELECT RAISE(ABORT, '"_s + words + u"'); END"_s);
    }
    return db.execute(u"CREATE OR REPLACE FUNCTION "_s + name +
                      u"() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN RAISE EXCEPTION '"_s + words +
                      u"'; END$$"_s) &&
           db.execute(u"CREATE TRIGGER "_s + name + u" BEFORE "_s + event + u" ON "_s + table +
                      u" FOR EACH ROW EXECUTE FUNCTION "_s + name + u"()"_s);
}

bool dropRefusal(Db& db, const QString& name, const QString& table) {
    if (db.dialect() == Dialect::Sqlite)
        return db.execute(u"DROP TRIGGER "_s + name);
    return db.execute(u"DROP TRIGGER "_s + name + u" ON "_s + table);
}

TestEnv::TestEnv() : clock(QDateTime(QDate(2007, 3, 15), QTime(10, 0))), session(sink, clock) {
    const QString sys = dir.path() + u'/';
    for (const char16_t* sub : {u"TMP", u"RPT", u"BMP"})
        QDir(sys).mkpath(QString::fromUtf16(sub));
    Settings& s = session.settings;
    if (std::optional<Settings> server = testServer())
        s = *server;
    s.gSysPath = sys;
    s.gTmpPath = sys + u"TMP/"_s;
    s.gTmpDir = sys + u"TMP"_s;
    s.gRptPath = sys + u"RPT"_s;
    s.gBmpPath = sys + u"BMP/"_s;
    s.gUsuario = u"CONTADOR"_s;
    QList<std::pair<QString, QString>> keys = {{u"SysPath"_s, sys}, {u"SysUser"_s, s.gUsuario}};
    if (s.onServer()) {
        keys += serverKeys(s);
    } else {
        s.gDBFile = sys + u"zem.db"_s;
        keys += {{u"DBPath"_s, sys}, {u"DBName"_s, u"zem.db"_s}};
    }

    // The installation's settings file names the same paths, as the launcher's would.
    const IniFile ini(dir.filePath(u"QW000.INI"_s));
    const QString section = QString::fromUtf16(kOptionsSection);
    for (const auto& [key, value] : keys) {
        if (!ini.write(section, key, value))
            throw std::runtime_error("settings file");
    }

    DbError error;
    static int serial = 0;
    const QString name = u"test-"_s + QString::number(++serial);
    if ((!s.onServer() && !createSqliteFile(s.gDBFile, &error)) || !openDatabase(s, name, &error, 200))
        throw std::runtime_error(error.description.toStdString());
    session.gDB = std::make_unique<Db>(name, sink);
    if (!createSchema(db()) || !createWorkingTables(db()))
        throw std::runtime_error("schema");
}

TestEnv::~TestEnv() {
    session.gDB.reset();
    if (session.settings.onServer())
        dropTestSchema(session.settings);
}

}  // namespace zem::test
