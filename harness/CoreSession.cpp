#include "CoreSession.h"

#include "data/Catalogue.h"
#include "startup/IniFile.h"
#include "startup/Schema.h"

namespace zem::harness {

using namespace Qt::StringLiterals;

CoreSession::CoreSession() : clock(QDateTime(QDate(2007, 1, 1), QTime(10, 0))), session(sink, clock) {}

CoreSession::~CoreSession() = default;

bool CoreSession::open(QString* why, int busyTimeoutMs) {
    const IniFile ini(settingsFilePath());
    session.settings = loadSettings(ini, false);
    if (!ini.exists() || !openConnection(session, ini, busyTimeoutMs) || !createWorkingTables(session.db())) {
        *why = u"No se puede abrir la instalación "_s + ini.path() + u": "_s + takeMessages();
        return false;
    }
    catalogue::loadRates(session);
    return true;
}

bool CoreSession::isSqlite() const {
    return session.gDB && session.gDB->dialect() == Dialect::Sqlite;
}

QString CoreSession::takeMessages() {
    QStringList lines;
    for (const Message& m : sink.messages()) {
        lines << m.text;
        if (!m.detail.isEmpty())
            lines << m.detail;
    }
    sink.clear();
    return lines.join(u'\n');
}

}  // namespace zem::harness
