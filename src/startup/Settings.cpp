#include "startup/Settings.h"

#include <QDir>
#include <QStandardPaths>

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
    return s;
}

}  // namespace zem
