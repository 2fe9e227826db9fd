#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QUuid>
#include <memory>

#include <sys/resource.h>
#include <csignal>

#include "startup/IniFile.h"
#include "support/TestEnv.h"

namespace zem::test {

using namespace Qt::StringLiterals;

// The rows of a query that has run, each column as text.
inline QList<QStringList> rowsOf(QSqlQuery& q) {
    QList<QStringList> rows;
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i).toString();
        rows << row;
    }
    return rows;
}

// A raw connection to an installation's SQLite file, as another program (or a damaged disk) would touch it.
class RawFile {
public:
    explicit RawFile(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawFile() {
        QSqlDatabase::database(name_).close();
        QSqlDatabase::removeDatabase(name_);
    }
    RawFile(const RawFile&) = delete;
    RawFile& operator=(const RawFile&) = delete;

    QSqlQuery exec(const QString& sql) const {
        QSqlQuery q(QSqlDatabase::database(name_));
        q.exec(sql);
        return q;
    }
    QVariant scalar(const QString& sql) const {
        QSqlQuery q = exec(sql);
        return q.next() ? q.value(0) : QVariant();
    }
    QList<QStringList> rows(const QString& sql) const {
        QSqlQuery q = exec(sql);
        return rowsOf(q);
    }

private:
    const QString name_ = QUuid::createUuid().toString();
};

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

// Runs the batch tool with its settings and data under a temporary home. Against a test server
// (ZEM_TEST_PG) the first init finds a settings file naming a schema of its own, which it then fills.
class Tool {
public:
    Tool() : server(testServer()) {}
    ~Tool() {
        if (server)
            dropTestSchema(*server);
    }
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;

    // Runs the tool (or the given program, which then starts the tool itself) and waits for it.
    Outcome operator()(const QStringList& args, const QString& program = {}) const {
        return finish(*start(args, program));
    }

    // Starts the tool without waiting, for several runs at once.
    std::unique_ptr<QProcess> start(const QStringList& args, const QString& program = {}) const {
        if (server && args.value(0) == u"init"_s)
            pointAtServer();
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, home.filePath(u"config"_s));
        env.insert(u"XDG_DATA_HOME"_s, home.filePath(u"data"_s));
        env.insert(u"USER"_s, u"CONTADOR"_s);
        env.insert(u"LOGNAME"_s, u"CONTADOR"_s);
        env.remove(u"XDG_RUNTIME_DIR"_s);  // as in a scheduled job or a root shell
        p->setProcessEnvironment(env);
        if (fileSizeLimit > 0) {
            // As on a full disk: no file may grow past the limit.
            const rlim_t limit = fileSizeLimit;
            p->setChildProcessModifier([limit] {
                std::signal(SIGXFSZ, SIG_IGN);
                rlimit r{};
                getrlimit(RLIMIT_FSIZE, &r);
                r.rlim_cur = limit;
                setrlimit(RLIMIT_FSIZE, &r);
            });
        }
        p->start(program.isEmpty() ? QString::fromUtf8(ZEM0482_PATH) : program, args);
        return p;
    }

    static Outcome finish(QProcess& p) {
        p.waitForFinished(120000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    // The database file of the installation that init creates.
    QString databaseFile() const { return home.filePath(u"data/zem/zem.db"_s); }

    // "init --demo": the installation with its demonstration taxpayer; remembers the database file.
    bool initDemo() {
        const Outcome r = (*this)({u"init"_s, u"--demo"_s});
        const qsizetype at = r.out.indexOf(u"Base de datos: "_s);
        if (r.code != 0 || at < 0)
            return false;
        dbFile = r.out.mid(at + 15).section(u'\n', 0, 0).trimmed();
        return true;
    }

    // Runs SQL on the installation's database from outside the tool; the rows of a query, each column as
    // text.
    QList<QStringList> sql(const QString& statement) const {
        QList<QStringList> rows;
        const QString name = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(server ? u"QPSQL"_s : u"QSQLITE"_s, name);
            if (server) {
                db.setHostName(server->dbHost);
                db.setPort(server->dbPort);
                db.setDatabaseName(server->dbName);
                db.setUserName(server->dbUser);
            } else {
                db.setDatabaseName(dbFile);
            }
            if (db.open()) {
                QSqlQuery q(db);
                if (server)
                    q.exec(u"SET search_path TO "_s + server->dbSchema);
                q.exec(statement);
                rows = rowsOf(q);
            }
        }
        QSqlDatabase::removeDatabase(name);
        return rows;
    }

    void pointAtServer() const {
        const IniFile ini(home.filePath(u"config/zem/QW000.INI"_s));
        if (ini.exists())
            return;
        QDir().mkpath(home.filePath(u"config/zem"_s));
        for (const auto& [key, value] : serverKeys(*server))
            ini.write(QString::fromUtf16(kOptionsSection), key, value);
    }

    QTemporaryDir home;
    std::optional<Settings> server;
    QString dbFile;
    long fileSizeLimit = 0;  // bytes; 0 for none
};

// An installation with the user CONTADOR and one taxpayer, PEREZ GOMEZ ANA, under `ruc`.
inline void installTaxpayer(const Tool& zem, const QString& ruc) {
    ASSERT_EQ(zem({u"init"_s}).code, 0);
    ASSERT_EQ(zem({u"user"_s, u"add"_s, u"CONTADOR"_s, u"--tipo"_s, u"0"_s}).code, 0);
    ASSERT_EQ(zem({u"taxpayer"_s, u"add"_s, ruc, u"--paterno"_s, u"PEREZ"_s, u"--materno"_s, u"GOMEZ"_s,
                   u"--nombres"_s, u"ANA"_s})
                  .code,
              0);
}

// The same, with the taxpayer's declaration saved with its identification answered.
inline void installDeclaration(const Tool& zem, const QString& ruc) {
    installTaxpayer(zem, ruc);
    if (::testing::Test::HasFatalFailure())
        return;
    const Outcome saved = zem({u"save"_s, ruc, u"552=1"_s, u"554=0"_s, u"005=0"_s, u"027=2"_s, u"556=1"_s,
                               u"560=0"_s, u"561=0"_s, u"025=01"_s, u"599=E"_s});
    ASSERT_LT(saved.code, 2) << saved.err.toStdString();
}

}  // namespace zem::test
