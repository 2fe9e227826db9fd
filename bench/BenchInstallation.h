#pragma once

#include <QTemporaryDir>

#include "startup/Clock.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem::bench {

// A throw-away installation for a benchmark: a temporary folder with TMP/ and RPT/, its SQLite database with
// the schema, this connection's working tables and (when asked) the parameter catalogue, and a session over
// it for the user CONTADOR whose messages are kept and whose clock stands at 15/03/2007 10:00. The program
// stops with the reason when any of it cannot be made: a benchmark over half an installation measures
// nothing.
class BenchInstallation {
public:
    explicit BenchInstallation(bool withCatalogue = true);
    BenchInstallation(const BenchInstallation&) = delete;
    BenchInstallation& operator=(const BenchInstallation&) = delete;

    Db& db() { return session.db(); }
    QString path(const QString& relative) const { return dir.filePath(relative); }

    QTemporaryDir dir;
    RecordingMessageSink sink;
    FixedClock clock;
    Session session;
};

}  // namespace zem::bench
