#include "CliSession.h"

#include <QFileInfo>

#include "data/Catalogue.h"
#include "startup/IniFile.h"
#include "startup/Schema.h"

namespace zem::cli {

using namespace Qt::StringLiterals;

bool CliSession::open() {
    const IniFile ini(settingsFilePath());
    if (!ini.exists()) {
        printError(u"No existe el archivo de configuración "_s + ini.path() +
                   u". Ejecute «zem0482 init» para crear la instalación."_s);
        return false;
    }
    session.settings = loadSettings(ini, false);
    const bool embedded = session.settings.dbDriver.isEmpty();
    if (embedded && !QFileInfo(session.settings.gDBFile).isFile()) {
        printError(u"No existe la base de datos «"_s + session.settings.gDBFile + u"» que indica "_s +
                   ini.path() + u". Ejecute «zem0482 init» para crearla."_s);
        return false;
    }
    if (!openConnection(session, ini) || !createWorkingTables(session.db())) {
        sink.flushToStderr();
        return false;
    }
    catalogue::loadRates(session);
    sink.flushToStderr();
    return true;
}

}  // namespace zem::cli
