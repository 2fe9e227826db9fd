#pragma once

#include "Output.h"
#include "startup/Clock.h"
#include "startup/Session.h"

namespace zem::cli {

// The module's session for one command: the settings file of the family, the database it names with this
// connection's working tables, and the UIT and rates of the catalogue.
class CliSession {
public:
    CliSession() : session(sink, clock) {}

    // False, with the reason on standard error, when the settings file or the database is missing or the
    // database cannot be opened. Nothing is written then.
    bool open();
    // A private database in memory with the tables and the starting catalogue, for a what-if computation that
    // needs no installation. False (with the reason on standard error) when it cannot be made.
    bool openScratch();

    // A read the database failed: a Spanish line first, then what the database said (kept in the sink), and
    // nothing on standard output. Returns the exit code of a refusal.
    int refuseFailedRead();

    CliSink sink;
    Clock clock;
    Session session;
};

}  // namespace zem::cli
