#pragma once

#include <QLockFile>
#include <QString>

namespace zem {

class IniFile;
class MessageSink;
class cWindows;
struct Session;

// The single-instance rule: one lock file per installation, beside its data; a second copy of the module on
// the same installation finds it held, while another installation (another settings file) has its own.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath);

    // Takes the lock; false when another running process holds it. A lock left by a process that died is
    // taken over. A lock that cannot be made at all (a folder that cannot be written) does not stop the
    // module.
    bool acquire();

    // qw482.lock in the installation directory (SysPath of the settings file); in the settings file's folder
    // when SysPath names no folder.
    static QString lockPathFor(const IniFile& ini);

private:
    QLockFile lock_;
};

inline constexpr char16_t kNoLauncherText[] = u"Debe ejecutar este módulo desde el Didazarevo del ZEM";
inline constexpr char16_t kNoLauncherTitle[] = u"Error al ejecutar el módulo";
inline constexpr char16_t kAlreadyRunningText[] = u"La Aplicación ya se encuentra en ejecución";

// The start-up checks, in this order: the launcher window "Zemlanda" must be on the desktop (else a critical
// message), and no other copy of the module may run (else an information message). False means the process
// ends; nothing has been read or written by then.
bool checkLaunch(MessageSink& sink, const cWindows& windows, SingleInstance& instance);

// The start-up part of the main window's load: reads the settings (the current directory becomes SysPath),
// opens the one database connection (writing SystemDB) with this connection's working tables, sets the form
// number and the help file. False when the database cannot be opened: the message has been shown and the
// process ends.
bool loadMainSession(Session& session, const IniFile& ini);

}  // namespace zem
