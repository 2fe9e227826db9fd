#pragma once

#include <QTemporaryDir>
#include <optional>

#include "startup/Clock.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem::test {

// A throw-away installation: a temporary SysPath with TMP/, RPT/ and BMP/, its settings file QW000.INI (the
// paths, the database and the user CONTADOR), an empty SQLite database with the schema and this connection's
// working tables, and a session over it whose messages are recorded and whose clock stands still (15/03/2007
// 10:00). When ZEM_TEST_PG names a PostgreSQL database ("host=... port=... dbname=... user=..."), the
// database is instead a schema of its own on that server, dropped at the end.
class TestEnv {
public:
    TestEnv();
    ~TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    Db& db() { return session.db(); }
    QString path(const QString& relative) const { return dir.filePath(relative); }

    QTemporaryDir dir;
    RecordingMessageSink sink;
    FixedClock clock;
    Session session;
};

// The server the tests run against: the settings keys of ZEM_TEST_PG with a schema of its own, created
// empty; nullopt when the variable is unset (the tests then use SQLite files).
std::optional<Settings> testServer();
// Removes a schema testServer() created.
void dropTestSchema(const Settings& server);
// The settings file keys that point an installation at that server.
QList<std::pair<QString, QString>> serverKeys(const Settings& server);
// Whether the tests run against a server; a test of the embedded file alone skips itself with
// GTEST_SKIP() << kSqliteOnly.
bool onTestServer();
inline constexpr char kSqliteOnly[] = "only the embedded SQLite file has this behaviour";

}  // namespace zem::test
