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

    // A shared office database instead of the embedded file: DBDriver=QPSQL with DBHost (a name, an address
    // or the folder of a Unix socket), DBPort, DBUser, DBPassword, DBName as the database name, DBSchema (the
    // schema holding the tables; the user's default when empty) and DBOptions (further connection parameters
    // of the server's client library, "name=value" separated by spaces, such as sslmode=require). Empty for
    // the embedded default.
    QString dbDriver;
    QString dbHost;
    int dbPort = 0;
    QString dbUser;
    QString dbPassword;
    QString dbName;
    QString dbSchema;
    QString dbOptions;

    bool onServer() const;
    // How messages name the database: the file, or the server's database as host:port/name.
    QString databaseLabel() const;
};

inline constexpr char16_t kOptionsSection[] = u"Options";

// $XDG_CONFIG_HOME/zem/QW000.INI, or ~/.config/zem/QW000.INI when the variable is unset.
QString settingsFilePath();

// Reads the settings in the family's order. A missing file or key is not an error: the values stay empty.
// When changeDirectory is set, the current directory becomes SysPath (when it exists).
Settings loadSettings(const IniFile& ini, bool changeDirectory = true);

// Why the settings file cannot give the settings: missing, unreadable or empty, named with its path; an empty
// text when it can be read. Said instead of the failure an empty database name would cause further on.
QString settingsFileProblem(const IniFile& ini);

// Why the embedded database the settings name cannot be opened, said before touching the file: no name, a
// name holding control characters (a NUL byte), or no such file; named with the settings file's path. An
// empty text when the file is there, and always for a shared office database.
QString databaseFileProblem(const Settings& settings, const QString& settingsPath);

// The message shown when writing the settings file failed: the old file has been kept.
QString settingsWriteFailedText(const QString& path);

}  // namespace zem
