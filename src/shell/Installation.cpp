#include "shell/Installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

#include "data/SeedCatalogue.h"
#include "startup/Database.h"
#include "startup/IniFile.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"

namespace zem {

using namespace Qt::StringLiterals;

namespace {

QString withSlash(QString dir) {
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

InstallTarget resolved(const InstallTarget& target) {
    InstallTarget t = target;
    if (t.settingsFile.isEmpty())
        t.settingsFile = settingsFilePath();
    t.directory = withSlash(t.directory.isEmpty() ? defaultInstallDirectory() : t.directory);
    return t;
}

bool writeMissingKeys(const IniFile& ini, const QString& directory, bool* created) {
    const QString section = QString::fromUtf16(kOptionsSection);
    const QList<std::pair<QString, QString>> defaults = {
        {u"SysPath"_s, directory},   {u"DBPath"_s, directory},    {u"DBName"_s, u"zem.db"_s},
        {u"SysUser"_s, loginName()}, {u"SysVersion"_s, u"1.0"_s},
    };
    *created = !ini.exists();
    for (const auto& [key, value] : defaults) {
        if (!ini.read(section, key).isEmpty())
            continue;
        if (!ini.write(section, key, value))
            return false;
    }
    return true;
}

bool addDemoRows(Db& db, const QString& user) {
    return db.transaction([&] {
        bool ok = true;
        if (db.scalar(u"SELECT count(*) FROM claves WHERE usuario = ?"_s, {user}).toInt() == 0)
            ok = db.execute(u"INSERT INTO claves (usuario, tipo) VALUES (?, '0')"_s, {user});
        const QString ruc = QString::fromUtf16(kDemoRuc);
        if (ok &&
            db.scalar(u"SELECT count(*) FROM cont WHERE tip_doc_d = 6 AND doc_id_d = ?"_s, {ruc}).toInt() ==
                0) {
            ok = db.execute(
                u"INSERT INTO cont (tip_doc_d, doc_id_d, apellido_p, apellido_m, nombre_1, nombre, "
                u"tipo_ingreso, usuario) VALUES (6, ?, ?, ?, ?, ?, 2, ?)"_s,
                {ruc, u"QUISPE"_s, u"MAMANI"_s, u"ROSA ELENA"_s, u"QUISPE MAMANI ROSA ELENA"_s, user});
        }
        return ok;
    });
}

}  // namespace

QString defaultInstallDirectory() {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + u"/.local/share"_s;
    return base + u"/zem/"_s;
}

QString loginName() {
    for (const char* var : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(var).trimmed();
        if (!name.isEmpty())
            return name;
    }
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return u"USUARIO"_s;
}

bool installHelp(const Settings& s) {
    const QString dir = s.gSysPath + u"0482"_s;
    QFile source(u":/help/QW482.html"_s);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray help = source.readAll();
    QFile target(dir + u"/QW482.html"_s);
    if (target.open(QIODevice::ReadOnly) && target.readAll() == help)
        return true;
    target.close();
    if (!QDir().mkpath(dir) || !target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return target.write(help) == help.size();
}

LauncherStart launcherStart(const InstallTarget& target) {
    const InstallTarget t = resolved(target);
    const IniFile ini(t.settingsFile);
    if (ini.state() == IniFile::State::Missing)
        return {LauncherStart::Kind::FirstStart, {}};
    if (QString problem = settingsFileProblem(ini); !problem.isEmpty())
        return {LauncherStart::Kind::Refused, problem};
    if (QString problem = databaseFileProblem(loadSettings(ini, false), ini.path()); !problem.isEmpty())
        return {LauncherStart::Kind::Refused, problem};
    return {};
}

bool initInstallation(MessageSink& sink, bool demo, const InstallTarget& target, InstallResult* result) {
    const InstallTarget t = resolved(target);
    const IniFile ini(t.settingsFile);
    InstallResult r;
    r.settingsFile = t.settingsFile;

    if (!QDir().mkpath(QFileInfo(t.settingsFile).absolutePath()) ||
        !writeMissingKeys(ini, t.directory, &r.createdSettings)) {
        sink.error(u"No se puede escribir el archivo de configuración "_s + t.settingsFile, u"Error"_s);
        return false;
    }
    r.settings = loadSettings(ini, false);
    const Settings& s = r.settings;
    for (const QString& dir : {s.gSysPath, s.gTmpDir, s.gRptPath, s.gBmpPath}) {
        if (!QDir().mkpath(dir)) {
            sink.error(u"No se puede crear el directorio "_s + dir, u"Error"_s);
            return false;
        }
    }
    if (!installHelp(s)) {
        sink.error(u"No se puede escribir la ayuda del módulo en "_s + s.gSysPath, u"Error"_s);
        return false;
    }

    DbError error;
    const bool postgres = s.onServer();
    if (!postgres && !QFileInfo::exists(s.gDBFile)) {
        if (!createSqliteFile(s.gDBFile, &error)) {
            sink.error(connectionErrorText(error), QString::fromUtf16(kConnectionErrorTitle),
                       dbErrorDetail(error));
            return false;
        }
        r.createdDatabase = true;
    }
    static int serial = 0;
    const QString name = u"zem-install-"_s + QString::number(++serial);
    if (!openDatabase(s, name, &error)) {
        sink.error(connectionErrorText(error), QString::fromUtf16(kConnectionErrorTitle),
                   dbErrorDetail(error));
        return false;
    }
    bool ok;
    {
        Db db(name, sink);
        ok = createSchema(db) && loadSeedCatalogue(db) && (!demo || addDemoRows(db, s.gUsuario));
    }
    if (result)
        *result = r;
    return ok;
}

}  // namespace zem
