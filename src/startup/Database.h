#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>

#include "startup/DbError.h"

namespace zem {

class MessageSink;
struct Settings;

enum class Dialect { Sqlite, Postgres };

// The one open database of the process and the shared SQL executor over it. Every statement binds its values
// as parameters ('?' placeholders, in order); nothing is ever spliced into SQL text.
class Db {
public:
    // Takes over the open connection of that name; closes and removes it when destroyed.
    Db(QString connectionName, MessageSink& sink);
    ~Db();
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    QSqlDatabase handle() const { return QSqlDatabase::database(name_, false); }
    const QString& connectionName() const { return name_; }
    Dialect dialect() const { return dialect_; }
    MessageSink& sink() const { return sink_; }

    // Prepares and runs a statement on q without reporting; a failure is kept in lastError().
    bool run(QSqlQuery& q, const QString& sql, const QVariantList& params = {});

    // What a transaction may do: a read takes no write lock (on SQLite a deferred BEGIN, so that readers
    // never wait for a writer); it may still fill this connection's own temporary tables.
    enum class Access { Write, Read };

    // The shared SQL executor: runs an action statement. A failure outside a transaction is shown as
    // "Error al Ejecutar Sentencia SQL"; inside one it is left to the transaction, which reports it once.
    // Returns false on failure and never throws.
    bool execute(const QString& sql, const QVariantList& params = {});

    // Runs a query, reads every row it gives and returns it positioned before its first row. A failure,
    // including one the engine meets after some rows (a damaged page), is reported like execute() and gives
    // an inactive query: a caller never sees part of a result as if it were all of it.
    QSqlQuery select(const QString& sql, const QVariantList& params = {});

    // The first column of the first row, or a null variant when there is none (or on failure).
    QVariant scalar(const QString& sql, const QVariantList& params = {});

    // Runs work as one transaction (BEGIN IMMEDIATE on SQLite for a write). When work returns false or a
    // statement inside failed, everything is rolled back and a database failure is reported through the
    // database error reporter (title "Mensaje"). A call made inside another transaction joins it. Returns
    // true on commit. When work throws, the transaction is rolled back and the exception goes on to the
    // caller.
    bool transaction(const std::function<bool()>& work, Access access = Access::Write);
    bool inTransaction() const { return depth_ > 0; }

    const DbError& lastError() const { return lastError_; }
    // Marks the running transaction as failed with an error the code detected itself (a row changed
    // underneath, a row gone).
    void fail(const DbError& error);

private:
    class Nesting;
    void report(const DbError& error);
    bool readAll(QSqlQuery& q);
    void markFailed();
    bool control(QSqlQuery& q, const QString& sql);
    bool run(QSqlQuery& q, const QString& sql, const QVariantList& params, bool forwardOnly);

    QString name_;
    MessageSink& sink_;
    Dialect dialect_ = Dialect::Sqlite;
    int depth_ = 0;
    bool failed_ = false;
    DbError firstFailure_;
    DbError lastError_;
};

// Opens the connection described by the settings under the given connection name. The embedded default opens
// the SQLite file gDBFile shared and read-write (write-ahead log, busy timeout), and never creates it.
// On failure fills *error and returns false; the connection is then removed.
bool openDatabase(const Settings& settings, const QString& connectionName, DbError* error,
                  int busyTimeoutMs = 5000);

// Creates a new, empty SQLite database file (for the installation step only).
bool createSqliteFile(const QString& path, DbError* error);

// The message box text of a failed connection: " 3051- Base esta bloqueda" for a database held exclusively by
// another process, else the Spanish meaning of the error, a line feed and the number (the engine's text goes
// as the message's detail, dbErrorDetail). Titled kConnectionErrorTitle.
QString connectionErrorText(const DbError& error);
inline constexpr char16_t kConnectionErrorTitle[] = u"Error de Conección";

}  // namespace zem
