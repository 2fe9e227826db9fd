#include "startup/Database.h"

#include <QFileInfo>
#include <QSqlDriver>

#include "startup/MessageSink.h"
#include "startup/Settings.h"

namespace zem {

using namespace Qt::StringLiterals;

Db::Db(QString connectionName, MessageSink& sink) : name_(std::move(connectionName)), sink_(sink) {
    if (handle().driverName() == u"QPSQL") dialect_ = Dialect::Postgres;
}

Db::~Db() {
    {
        QSqlDatabase db = handle();
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool Db::run(QSqlQuery& q, const QString& sql, const QVariantList& params) {
    lastError_ = {};
    q.setForwardOnly(true);
    bool ok = q.prepare(sql);
    if (ok) {
        for (const QVariant& p : params) q.addBindValue(p);
        ok = q.exec();
    }
    if (!ok) {
        lastError_ = DbError::fromSql(q.lastError());
        if (!lastError_.isError()) lastError_ = {-1, q.lastError().text()};
        if (depth_ > 0) failed_ = true;
    }
    return ok;
}

void Db::report(const DbError& error) {
    if (depth_ == 0) reportSqlExecutorError(sink_, error);
}

bool Db::execute(const QString& sql, const QVariantList& params) {
    QSqlQuery q(handle());
    if (run(q, sql, params)) return true;
    report(lastError_);
    return false;
}

QSqlQuery Db::select(const QString& sql, const QVariantList& params) {
    QSqlQuery q(handle());
    if (!run(q, sql, params)) {
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
    if (depth_ > 0) failed_ = true;
}

bool Db::transaction(const std::function<bool()>& work) {
    if (depth_ > 0) {
        ++depth_;
        const bool ok = work();
        --depth_;
        if (!ok) failed_ = true;
        return ok && !failed_;
    }

    QSqlQuery begin(handle());
    const QString beginSql = dialect_ == Dialect::Sqlite ? u"BEGIN IMMEDIATE"_s : u"BEGIN"_s;
    if (!run(begin, beginSql)) {
        reportDbError(sink_, lastError_);
        return false;
    }
    depth_ = 1;
    failed_ = false;
    const DbError before = lastError_;
    bool ok = work();
    depth_ = 0;
    ok = ok && !failed_;
    const DbError failure = failed_ ? lastError_ : DbError{};
    if (ok) {
        QSqlQuery commit(handle());
        if (run(commit, u"COMMIT"_s)) return true;
        reportDbError(sink_, lastError_);
    } else if (failure.isError()) {
        reportDbError(sink_, failure);
    }
    QSqlQuery rollback(handle());
    run(rollback, u"ROLLBACK"_s);
    lastError_ = failure.isError() ? failure : before;
    failed_ = false;
    return false;
}

bool openDatabase(const Settings& settings, const QString& connectionName, DbError* error, int busyTimeoutMs) {
    *error = {};
    const bool postgres = settings.dbDriver.compare(u"QPSQL"_s, Qt::CaseInsensitive) == 0;
    if (!postgres && !QFileInfo(settings.gDBFile).isFile()) {
        *error = {DbError::kFileNotFound,
                  u"No se encuentra el archivo de la base de datos '"_s + settings.gDBFile + u"'."_s};
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(postgres ? u"QPSQL"_s : u"QSQLITE"_s, connectionName);
        if (postgres) {
            db.setDatabaseName(settings.dbName);
            db.setHostName(settings.dbHost);
            if (settings.dbPort > 0) db.setPort(settings.dbPort);
            db.setUserName(settings.dbUser);
            db.setPassword(settings.dbPassword);
        } else {
            db.setDatabaseName(settings.gDBFile);
            db.setConnectOptions(u"QSQLITE_BUSY_TIMEOUT="_s + QString::number(busyTimeoutMs));
        }
        bool ok = db.open();
        if (ok && !postgres) {
            // The first statements touch the file: a file that is not a database, or one held exclusively by
            // another process, fails here.
            QSqlQuery q(db);
            ok = q.exec(u"PRAGMA journal_mode=WAL"_s) && q.exec(u"SELECT count(*) FROM sqlite_master"_s);
            if (!ok) {
                *error = DbError::fromSql(q.lastError());
                if (error->number == DbError::kLocked || error->number == DbError::kCannotSave)
                    error->number = DbError::kExclusive;
            } else {
                q.exec(u"PRAGMA foreign_keys=ON"_s);
            }
        } else if (!ok) {
            *error = DbError::fromSql(db.lastError());
        }
        if (ok) return true;
        if (!error->isError()) *error = {-1, db.lastError().text()};
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
            if (!ok) *error = DbError::fromSql(q.lastError());
        } else {
            *error = DbError::fromSql(db.lastError());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QString connectionErrorText(const DbError& error) {
    if (error.number == DbError::kExclusive) return u" "_s + QString::number(error.number) + u"- Base esta bloqueda"_s;
    return error.description + u'\n' + QString::number(error.number);
}

}  // namespace zem
