#include "CliSession.h"

#include <QSqlDatabase>
#include <QSqlError>

#include "Commands.h"
#include "data/Catalogue.h"
#include "data/SeedCatalogue.h"
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
    // The connection opener refuses an empty or unreadable settings file and a missing database by name.
    session.settings = loadSettings(ini, false);
    if (!openConnection(session, ini) || !createWorkingTables(session.db())) {
        printError(u"No se puede abrir la base de datos "_s + session.settings.databaseLabel() + u'.');
        sink.flushToStderr();
        return false;
    }
    catalogue::loadRates(session);
    sink.flushToStderr();
    return true;
}

int CliSession::refuseFailedRead() {
    printError(u"No se pudo leer la base de datos "_s + session.settings.databaseLabel() +
               u": está dañada o no se puede leer en este momento."_s);
    sink.flushToStderr();
    return kRefused;
}

}  // namespace zem::cli

namespace zem::cli {

bool CliSession::openScratch() {
    const QString name = u"scratch"_s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, name);
        db.setDatabaseName(u":memory:"_s);
        if (!db.open()) {
            printError(u"No se pudo preparar la base de datos de trabajo: "_s + db.lastError().text());
            return false;
        }
    }
    session.gDB = std::make_unique<Db>(name, sink);
    const bool ready =
        createSchema(session.db()) && createWorkingTables(session.db()) && loadSeedCatalogue(session.db());
    sink.flushToStderr();
    return ready;
}

}  // namespace zem::cli
