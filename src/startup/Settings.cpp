#include "startup/Settings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

#include "startup/IniFile.h"

namespace zem {

using namespace Qt::StringLiterals;

QString settingsFilePath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + u"/.config"_s;
    return base + u"/zem/QW000.INI"_s;
}

Settings loadSettings(const IniFile& ini, bool changeDirectory) {
    const QString section = QString::fromUtf16(kOptionsSection);
    auto read = [&](const char16_t* key) { return ini.read(section, QString::fromUtf16(key)); };

    Settings s;
    s.gSysPath = read(u"SysPath");
    if (changeDirectory && !s.gSysPath.isEmpty())
        QDir::setCurrent(s.gSysPath);
    s.gTmpPath = s.gSysPath + u"TMP/"_s;
    s.gSysVersion = read(u"SysVersion");
    s.dbName = read(u"DBName");
    s.gDBFile = read(u"DBPath") + s.dbName;
    s.gSysMenu = s.gSysPath + read(u"SysMenu");
    s.gRptPath = s.gSysPath + u"RPT"_s;
    s.gTmpDir = s.gSysPath + u"TMP"_s;
    s.gBmpPath = s.gSysPath + u"BMP/"_s;
    s.gUsuario = u" "_s;
    s.gUsuario = read(u"SysUser");

    s.dbDriver = read(u"DBDriver");
    s.dbHost = read(u"DBHost");
    s.dbPort = read(u"DBPort").toInt();
    s.dbUser = read(u"DBUser");
    s.dbPassword = read(u"DBPassword");
    s.dbSchema = read(u"DBSchema");
    s.dbOptions = read(u"DBOptions");
    return s;
}

bool Settings::onServer() const {
    return dbDriver.compare(u"QPSQL"_s, Qt::CaseInsensitive) == 0;
}

QString Settings::databaseLabel() const {
    if (!onServer())
        return gDBFile;
    QString label = dbHost.isEmpty() ? u"localhost"_s : dbHost;
    if (dbPort > 0)
        label += u':' + QString::number(dbPort);
    label += u'/' + dbName;
    if (!dbSchema.isEmpty())
        label += u'.' + dbSchema;
    return label;
}

QString settingsFileProblem(const IniFile& ini) {
    switch (ini.state()) {
        case IniFile::State::Missing:
            return u"No existe el archivo de configuración «"_s + ini.path() + u"»."_s;
        case IniFile::State::Unreadable:
            return u"No se puede leer el archivo de configuración «"_s + ini.path() +
                   u"». Revise sus permisos."_s;
        case IniFile::State::Empty:
            return u"El archivo de configuración «"_s + ini.path() +
                   u"» está vacío: no indica la instalación ni la base de datos."_s;
        case IniFile::State::Readable:
            break;
    }
    return {};
}

QString databaseFileProblem(const Settings& settings, const QString& settingsPath) {
    if (settings.onServer()) {
        if (!settings.dbName.trimmed().isEmpty())
            return {};
        return u"El archivo de configuración «"_s + settingsPath +
               u"» indica un servidor de base de datos (DBDriver=QPSQL) pero no el nombre de la base de "
               u"datos "
               u"(clave DBName)."_s;
    }
    if (!settings.dbDriver.isEmpty() && settings.dbDriver.compare(u"QSQLITE"_s, Qt::CaseInsensitive) != 0) {
        return u"El archivo de configuración «"_s + settingsPath + u"» indica un tipo de base de datos «"_s +
               settings.dbDriver +
               u"» que este programa no conoce: la clave DBDriver admite QPSQL (servidor PostgreSQL) o "
               u"quedar vacía (archivo local)."_s;
    }
    const QString file = settings.gDBFile;
    if (file.isEmpty() || file.endsWith(u'/')) {
        return u"El archivo de configuración «"_s + settingsPath +
               u"» no indica la base de datos (claves DBPath y DBName)."_s;
    }
    const bool control = std::any_of(file.cbegin(), file.cend(), [](QChar c) { return c.unicode() < 0x20; });
    if (control) {
        QString shown = file;
        for (QChar& c : shown) {
            if (c.unicode() < 0x20)
                c = u'?';
        }
        return u"El nombre de la base de datos «"_s + shown +
               u"» que indica el archivo de configuración «"_s + settingsPath + u"» no es válido."_s;
    }
    if (!QFileInfo(file).isFile()) {
        return u"No existe la base de datos «"_s + file + u"» que indica el archivo de configuración «"_s +
               settingsPath +
               u"». Si la movió o está en una unidad que no está montada, devuélvala a su lugar y vuelva a "
               u"intentarlo."_s;
    }
    return {};
}

QString settingsWriteFailedText(const QString& path) {
    return u"No se pudo escribir el archivo de configuración «"_s + path +
           u"»: el disco puede estar lleno o la carpeta protegida contra escritura. El archivo anterior se "
           u"conserva sin cambios."_s;
}

}  // namespace zem
