#pragma once

#include <QString>
#include <array>
#include <memory>

#include "startup/Clock.h"
#include "startup/Database.h"
#include "startup/Settings.h"

namespace zem {

class IniFile;
class MessageSink;

// The values the whole module shares for the life of the process, kept in one object handed to whoever needs
// them. Names are the family's own.
struct Session {
    Session(MessageSink& sink, const Clock& clock) : sink(sink), clock(clock) {}

    MessageSink& sink;
    const Clock& clock;

    QString gAnio = QStringLiteral("2006");
    QString gFormulario = QStringLiteral("0482");
    Settings settings;  // gSysPath, gTmpPath, gDBFile, gUsuario ...
    std::unique_ptr<Db> gDB;
    QString helpFile;  // gSysPath + gFormulario + "/QW482"

    // Catalogue values loaded with the declaration window: the UIT and the five rates by concept.
    QString gUIT;
    std::array<QString, 5> gTasa;

    // What a command opens (new, modify, delete; sent declarations; which declaration) is not kept here: the
    // main window, the lists and the windows hand it on as arguments.

    // Register state: "NUEVO" or "MODIFICA"; information changed and not confirmed; a write in progress.
    QString registerMode;
    bool modified = false;
    bool writeFlag = false;

    const QString& usuario() const { return settings.gUsuario; }
    Db& db() const { return *gDB; }
};

// The connection opener: refuses a missing, unreadable or empty settings file, writes SystemDB (gSysPath +
// "QW000.MDW") into it when it does not hold that value yet, refuses a database file that is missing or
// badly named, then opens the database of the settings as the session's gDB and makes its tables fit for this
// program (a database without them or from a newer program is refused, an older one upgraded). On failure
// shows the connection error box through the session's sink and returns false; the caller then ends the
// process.
bool openConnection(Session& session, const IniFile& ini, int busyTimeoutMs = 5000);

}  // namespace zem
