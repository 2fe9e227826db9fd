#pragma once

#include <QString>

#include "startup/Clock.h"
#include "startup/MessageSink.h"
#include "startup/Session.h"

namespace zem::harness {

// The module's core opened in this process over the installation the environment names (see
// Installation::enter), as the batch tool opens it: the settings file, the database it selects with this
// connection's working tables, and the catalogue's rates. Messages are recorded; the clock is set by whoever
// writes.
class CoreSession {
public:
    CoreSession();
    ~CoreSession();

    // False with the reason in *why.
    bool open(QString* why, int busyTimeoutMs = 5000);
    bool isSqlite() const;
    // Every message shown since the last call, one per line with its detail, and forgets them.
    QString takeMessages();

    RecordingMessageSink sink;
    FixedClock clock;
    Session session;
};

}  // namespace zem::harness
