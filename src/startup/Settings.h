#pragma once

#include <QString>

namespace zem {

class IniFile;

// The values the module derives from the family's settings file, section "Options". Paths are plain
// concatenations: SysPath must end with a separator.
struct Settings {
    QString gSysPath;
    QString gTmpPath;  // gSysPath + "TMP/"
    QString gSysVersion;
    QString gDBFile;  // DBPath + DBName
    QString gSysMenu;
    QString gRptPath;  // gSysPath + "RPT"
    QString gTmpDir;   // gSysPath + "TMP"
    QString gBmpPath;  // gSysPath + "BMP/"
    QString gUsuario = QStringLiteral(" ");

    // A shared office database instead of the embedded file: DBDriver=QPSQL with DBHost, DBPort, DBUser,
    // DBPassword and DBName as the database name. Empty for the embedded default.
    QString dbDriver;
    QString dbHost;
    int dbPort = 0;
    QString dbUser;
    QString dbPassword;
    QString dbName;
};

inline constexpr char16_t kOptionsSection[] = u"Options";

// $XDG_CONFIG_HOME/zem/QW000.INI, or ~/.config/zem/QW000.INI when the variable is unset.
QString settingsFilePath();

// Reads the settings in the family's order. A missing file or key is not an error: the values stay empty.
// When changeDirectory is set, the current directory becomes SysPath (when it exists).
Settings loadSettings(const IniFile& ini, bool changeDirectory = true);

}  // namespace zem
