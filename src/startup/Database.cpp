#include "startup/Database.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QUrl>

#include "startup/MessageSink.h"
#include "startup/Settings.h"
#include "startup/SqlDialect.h"

namespace zem {

using namespace Qt::StringLiterals;

Db::Db(QString connectionName, MessageSink& sink) : name_(std::move(connectionName)), sink_(sink) {
    if (handle().driverName() == u"QPSQL")
        dialect_ = Dialect::Postgres;
}

Db::~Db() {
    {
        QSqlDatabase db = handle();
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool Db::run(QSqlQuery& q, const QString& sql, const QVariantList& params) {
    return run(q, sql, params, true);
}

bool Db::run(QSqlQuery& q, const QString& sql, const QVariantList& params, bool forwardOnly) {
    lastError_ = {};
    q.setForwardOnly(forwardOnly);
    bool ok = false;
    if (params.isEmpty()) {
        // Nothing to bind: run as it is (the server prepares only queries and row changes, never a CREATE).
        ok = q.exec(sql);
    } else {
        ok = q.prepare(sql);
        if (ok) {
            for (const QVariant& p : params)
                q.addBindValue(p);
            ok = q.exec();
        }
    }
    if (!ok) {
        lastError_ = DbError::fromSql(q.lastError());
        if (!lastError_.isError())
            lastError_ = {-1, q.lastError().text()};
        markFailed();
    }
    return ok;
}

bool Db::control(QSqlQuery& q, const QString& sql) {
    // Transaction control is run as it is: the server cannot prepare it as a statement.
    lastError_ = {};
    if (q.exec(sql))
        return true;
    lastError_ = DbError::fromSql(q.lastError());
    if (!lastError_.isError())
        lastError_ = {-1, q.lastError().text()};
    return false;
}

void Db::report(const DbError& error) {
    if (depth_ == 0)
        reportSqlExecutorError(sink_, error);
}

bool Db::execute(const QString& sql, const QVariantList& params) {
    QSqlQuery q(handle());
    if (run(q, sql, params))
        return true;
    report(lastError_);
    return false;
}

bool Db::readAll(QSqlQuery& q) {
    // The engine reports an error met while stepping through the rows (a damaged page, a failing
    // expression) only when the step fails, so every row is read here before the caller sees one.
    if (!q.isSelect())
        return true;
    q.last();  // true even when the engine failed after some rows: the error is what tells
    if (!q.lastError().isValid()) {
        q.seek(-1);  // before the first row again
        return true;
    }
    lastError_ = DbError::fromSql(q.lastError());
    if (!lastError_.isError())
        lastError_ = {-1, q.lastError().text()};
    markFailed();
    return false;
}

QSqlQuery Db::select(const QString& sql, const QVariantList& params) {
    QSqlQuery q(handle());
    if (!run(q, sql, params, false) || !readAll(q)) {
        report(lastError_);
        return QSqlQuery(handle());
    }
    return q;
}

QVariant Db::scalar(const QString& sql, const QVariantList& params) {
    QSqlQuery q = select(sql, params);
    return q.isActive() && q.next() ? q.value(0) : QVariant();
}

void Db::fail(const DbError& error) {
    lastError_ = error;
    markFailed();
}

void Db::markFailed() {
    if (depth_ == 0)
        return;
    // The first failure is the one to tell: after it the server refuses every further statement of the
    // transaction ("current transaction is aborted") until it is rolled back.
    if (!failed_)
        firstFailure_ = lastError_;
    failed_ = true;
}

// Keeps the nesting depth right however the work ends, a thrown exception included: the outermost level rolls
// back whatever it did not commit.
class Db::Nesting {
public:
    explicit Nesting(Db& db) : db_(db) { ++db_.depth_; }
    ~Nesting() {
        if (--db_.depth_ > 0 || settled_)
            return;
        QSqlQuery rollback(db_.handle());
        rollback.exec(u"ROLLBACK"_s);
        db_.failed_ = false;
    }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;
    // The outermost level has committed or rolled back by itself.
    void settle() { settled_ = true; }

private:
    Db& db_;
    bool settled_ = false;
};

bool Db::transaction(const std::function<bool()>& work, Access access) {
    if (depth_ > 0) {
        Nesting inner(*this);
        inner.settle();
        const bool ok = work();
        if (!ok)
            markFailed();
        return ok && !failed_;
    }

    const QStringList begin = beginStatements(dialect_, access == Access::Write);
    for (qsizetype i = 0; i < begin.size(); ++i) {
        QSqlQuery q(handle());
        if (!control(q, begin[i])) {
            const DbError failure = lastError_;
            if (i > 0) {
                QSqlQuery rollback(handle());
                rollback.exec(u"ROLLBACK"_s);
            }
            reportDbError(sink_, failure);
            lastError_ = failure;
            return false;
        }
    }
    failed_ = false;
    firstFailure_ = {};
    const DbError before = lastError_;
    bool ok = false;
    DbError failure;
    {
        Nesting outer(*this);
        ok = work();
        ok = ok && !failed_;
        failure = failed_ ? firstFailure_ : DbError{};
        if (ok) {
            QSqlQuery commit(handle());
            if (control(commit, u"COMMIT"_s)) {
                outer.settle();
                failed_ = false;
                return true;
            }
            failure = lastError_;
            ok = false;
        }
    }  // rolls back
    reportDbError(sink_, failure);
    lastError_ = failure.isError() ? failure : before;
    return false;
}

namespace {

// A database in a folder nobody may write to can be read only as an unchanging file: its write-ahead log and
// shared-memory index cannot be created beside it, so no process can be writing to it either.
bool readOnlyFolder(const QString& path) {
    const QFileInfo file(path);
    return !QFileInfo(file.absolutePath()).isWritable() && !QFileInfo::exists(path + u"-wal"_s);
}

// Opens the SQLite file and touches it: a file that is not a database, or one held exclusively by another
// process, fails here. A database of ours is put into write-ahead-log mode, where readers never wait for a
// writer; an empty file or another program's database is left exactly as it is (it is refused later for not
// holding our tables).
bool openSqlite(QSqlDatabase& db, const QString& path, int busyTimeoutMs, bool readOnly, DbError* error) {
    QString options = u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(busyTimeoutMs);
    if (readOnly) {
        options += u";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"_s;
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString() +
                           u"?immutable=1"_s);
    } else {
        db.setDatabaseName(path);
    }
    db.setConnectOptions(options);
    if (!db.open()) {
        *error = DbError::fromSql(db.lastError());
        return false;
    }
    QSqlQuery q(db);
    bool ok =
        q.exec(
            u"SELECT count(*) FROM sqlite_master WHERE type = 'table' AND lower(name) = 'schema_version'"_s) &&
        q.next();
    if (ok && !readOnly && q.value(0).toInt() > 0)
        ok = q.exec(u"PRAGMA journal_mode=WAL"_s);
    if (!ok) {
        *error = DbError::fromSql(q.lastError());
        if (error->number == DbError::kLocked || error->number == DbError::kCannotSave)
            error->number = DbError::kExclusive;
        q.finish();
        db.close();
        return false;
    }
    q.exec(u"PRAGMA foreign_keys=ON"_s);
    return true;
}

// Connects to the office's server and sets up the session: the schema that holds the tables, the same wait
// for a lock as the embedded file's busy timeout (then "Registro bloqueado"), and no notices on the terminal.
bool openPostgres(QSqlDatabase& db, const Settings& settings, int busyTimeoutMs, DbError* error) {
    db.setDatabaseName(settings.dbName);
    db.setHostName(settings.dbHost);
    if (settings.dbPort > 0)
        db.setPort(settings.dbPort);
    db.setUserName(settings.dbUser);
    db.setPassword(settings.dbPassword);
    db.setConnectOptions(settings.dbOptions);
    if (!db.open()) {
        *error = DbError::fromSql(db.lastError());
        return false;
    }
    QList<std::pair<QString, QString>> session = {{u"client_min_messages"_s, u"warning"_s},
                                                  {u"lock_timeout"_s, QString::number(busyTimeoutMs)}};
    if (!settings.dbSchema.isEmpty())
        session.append({u"search_path"_s, settings.dbSchema});
    for (const auto& [name, value] : session) {
        QSqlQuery q(db);
        if (!q.prepare(u"SELECT set_config(?, ?, false)"_s))
            continue;
        q.addBindValue(name);
        q.addBindValue(value);
        if (!q.exec()) {
            *error = DbError::fromSql(q.lastError());
            q.finish();
            db.close();
            return false;
        }
    }
    return true;
}

}  // namespace

bool openDatabase(const Settings& settings, const QString& connectionName, DbError* error,
                  int busyTimeoutMs) {
    *error = {};
    const bool postgres = settings.onServer();
    if (!postgres && !QFileInfo(settings.gDBFile).isFile()) {
        *error = {DbError::kFileNotFound,
                  u"No se encuentra el archivo de la base de datos '"_s + settings.gDBFile + u"'."_s};
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(postgres ? u"QPSQL"_s : u"QSQLITE"_s, connectionName);
        bool ok = false;
        if (postgres) {
            ok = openPostgres(db, settings, busyTimeoutMs, error);
        } else {
            ok = openSqlite(db, settings.gDBFile, busyTimeoutMs, false, error);
            if (!ok && readOnlyFolder(settings.gDBFile)) {
                DbError first = *error;
                ok = openSqlite(db, settings.gDBFile, busyTimeoutMs, true, error);
                if (!ok)
                    *error = first;
            }
        }
        if (ok)
            return true;
        if (!error->isError())
            *error = {-1, db.lastError().text()};
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
    return false;
}

bool createSqliteFile(const QString& path, DbError* error) {
    const QString name = u"zem-create-"_s + path;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(path);
        ok = db.open();
        if (ok) {
            QSqlQuery q(db);
            ok = q.exec(u"PRAGMA journal_mode=WAL"_s);
            if (!ok)
                *error = DbError::fromSql(q.lastError());
        } else {
            *error = DbError::fromSql(db.lastError());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QString connectionErrorText(const DbError& error) {
    if (error.number == DbError::kExclusive)
        return u" "_s + QString::number(error.number) + u"- Base esta bloqueda"_s;
    return dbErrorMeaning(error) + u'\n' + QString::number(error.number);
}

}  // namespace zem
