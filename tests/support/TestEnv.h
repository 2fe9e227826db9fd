#pragma once

#include <QTemporaryDir>

#include "startup/Clock.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem::test {

// A throw-away installation: a temporary SysPath with TMP/, RPT/ and BMP/, its settings file QW000.INI (the
// paths, the database and the user CONTADOR), an empty SQLite database with the schema and this connection's
// working tables, and a session over it whose messages are recorded and whose clock stands still (15/03/2007
// 10:00).
class TestEnv {
public:
    TestEnv();

    Db& db() { return session.db(); }
    QString path(const QString& relative) const { return dir.filePath(relative); }

    QTemporaryDir dir;
    RecordingMessageSink sink;
    FixedClock clock;
    Session session;
};

}  // namespace zem::test
