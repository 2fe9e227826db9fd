#include "support/TestEnv.h"

#include <QDir>
#include <stdexcept>

#include "startup/IniFile.h"
#include "startup/Schema.h"

namespace zem::test {

using namespace Qt::StringLiterals;

TestEnv::TestEnv() : clock(QDateTime(QDate(2007, 3, 15), QTime(10, 0))), session(sink, clock) {
    const QString sys = dir.path() + u'/';
    for (const char16_t* sub : {u"TMP", u"RPT", u"BMP"})
        QDir(sys).mkpath(QString::fromUtf16(sub));
    Settings& s = session.settings;
    s.gSysPath = sys;
    s.gTmpPath = sys + u"TMP/"_s;
    s.gTmpDir = sys + u"TMP"_s;
    s.gRptPath = sys + u"RPT"_s;
    s.gBmpPath = sys + u"BMP/"_s;
    s.gDBFile = sys + u"zem.db"_s;
    s.gUsuario = u"CONTADOR"_s;

    // The installation's settings file names the same paths, as the launcher's would.
    const IniFile ini(dir.filePath(u"QW000.INI"_s));
    const QString section = QString::fromUtf16(kOptionsSection);
    for (const auto& [key, value] : {std::pair{u"SysPath"_s, sys},
                                     {u"DBPath"_s, sys},
                                     {u"DBName"_s, u"zem.db"_s},
                                     {u"SysUser"_s, s.gUsuario}}) {
        if (!ini.write(section, key, value))
            throw std::runtime_error("settings file");
    }

    DbError error;
    static int serial = 0;
    const QString name = u"test-"_s + QString::number(++serial);
    if (!createSqliteFile(s.gDBFile, &error) || !openDatabase(s, name, &error, 200))
        throw std::runtime_error(error.description.toStdString());
    session.gDB = std::make_unique<Db>(name, sink);
    if (!createSchema(db()) || !createWorkingTables(db()))
        throw std::runtime_error("schema");
}

}  // namespace zem::test
