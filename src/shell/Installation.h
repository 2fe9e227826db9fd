#pragma once

#include <QString>

#include "startup/Settings.h"

namespace zem {

class MessageSink;

// Where an installation lives: the settings file and the installation directory (SysPath).
struct InstallTarget {
    QString settingsFile;  // settingsFilePath() when empty
    QString directory;     // defaultInstallDirectory() when empty
};

struct InstallResult {
    QString settingsFile;
    Settings settings;
    bool createdSettings = false;
    bool createdDatabase = false;
};

// $XDG_DATA_HOME/zem/, or ~/.local/share/zem/ when the variable is unset; ends with a separator.
QString defaultInstallDirectory();
// The login name of the user running the program.
QString loginName();

// Writes the help of the module, SysPath + "0482/QW482.html", when it is missing or is not this program's own
// (left there by an earlier version); false when it cannot be written.
bool installHelp(const Settings& settings);

// What the launcher does with the installation when it starts.
struct LauncherStart {
    enum class Kind {
        Ready,       // the settings file and the database it names are there
        FirstStart,  // no settings file yet: the installation is to be created
        Refused,     // the settings cannot be used or the database is missing: problem says why
    };
    Kind kind = Kind::Ready;
    QString problem;
};

// Only the first start of an installation (no settings file) creates one. A settings file that cannot be read
// or is empty, or one that names a database that is not there, is refused with the reason: a database that
// was moved or sits on an unmounted disk must not be replaced by an empty one that hides the user's data.
LauncherStart launcherStart(const InstallTarget& target = {});

// Creates what is missing of an installation and leaves everything that exists as it is: the settings file
// (SysPath, DBPath, DBName, SysUser = the login name, SysVersion), the directories TMP/, RPT/ and BMP/ under
// SysPath, the help of the module, the database with the shared tables and the starting catalogue. With demo,
// also a user of kind "0" named after SysUser and a demonstration taxpayer (RUC 10406958278, income kind 2).
// Errors are shown through the sink; false when the installation could not be completed.
bool initInstallation(MessageSink& sink, bool demo, const InstallTarget& target = {},
                      InstallResult* result = nullptr);

inline constexpr char16_t kDemoRuc[] = u"10406958278";

}  // namespace zem
