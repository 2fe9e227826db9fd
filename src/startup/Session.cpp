#include "startup/Session.h"

#include "startup/IniFile.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"

namespace zem {

using namespace Qt::StringLiterals;

bool openConnection(Session& session, const IniFile& ini, int busyTimeoutMs) {
    const QString title = QString::fromUtf16(kConnectionErrorTitle);
    if (const QString problem = settingsFileProblem(ini); !problem.isEmpty()) {
        session.sink.error(problem, title);
        return false;
    }
    const QString systemDb = session.settings.gSysPath + u"QW000.MDW"_s;
    if (!ini.write(QString::fromUtf16(kOptionsSection), u"SystemDB"_s, systemDb)) {
        session.sink.error(settingsWriteFailedText(ini.path()), title);
        return false;
    }

    if (const QString problem = databaseFileProblem(session.settings, ini.path()); !problem.isEmpty()) {
        session.sink.error(problem, title);
        return false;
    }

    static int serial = 0;
    const QString name = u"zem-"_s + QString::number(++serial);
    DbError error;
    if (!openDatabase(session.settings, name, &error, busyTimeoutMs)) {
        session.sink.error(connectionErrorText(error), title, dbErrorDetail(error));
        return false;
    }
    session.gDB = std::make_unique<Db>(name, session.sink);
    int upgradedFrom = 0;
    if (!prepareSchema(*session.gDB, &error, &upgradedFrom)) {
        session.gDB.reset();
        session.sink.error(schemaErrorText(error), title);
        return false;
    }
    if (upgradedFrom > 0) {
        session.sink.info(u"La base de datos se actualizó de la versión "_s + QString::number(upgradedFrom) +
                              u" a la "_s + QString::number(kSchemaVersion) + u"."_s,
                          u"Mensaje"_s);
    }
    return true;
}

}  // namespace zem
