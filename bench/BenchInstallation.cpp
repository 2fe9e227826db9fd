#include "BenchInstallation.h"

#include <QDir>
#include <memory>

#include "data/SeedCatalogue.h"
#include "startup/Database.h"
#include "startup/Schema.h"

namespace zem::bench {

using namespace Qt::StringLiterals;

BenchInstallation::BenchInstallation(bool withCatalogue)
    : clock(QDateTime(QDate(2007, 3, 15), QTime(10, 0))), session(sink, clock) {
    Settings& s = session.settings;
    s.gSysPath = dir.path() + u'/';
    s.gDBFile = dir.filePath(u"zem.db"_s);
    s.gTmpPath = dir.filePath(u"TMP/"_s);
    s.gRptPath = dir.filePath(u"RPT"_s);
    s.gUsuario = u"CONTADOR"_s;
    QDir().mkpath(s.gTmpPath);
    QDir().mkpath(s.gRptPath);
    DbError error;
    if (!createSqliteFile(s.gDBFile, &error) || !openDatabase(s, u"bench"_s, &error))
        qFatal("database: %s", qPrintable(error.description));
    session.gDB = std::make_unique<Db>(u"bench"_s, sink);
    if (!createSchema(db()) || !createWorkingTables(db()) || (withCatalogue && !loadSeedCatalogue(db())))
        qFatal("schema: %s", qPrintable(sink.texts().join(u" | "_s)));
}

}  // namespace zem::bench
