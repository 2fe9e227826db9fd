#include "shell/Startup.h"

#include <QDir>
#include <QFileInfo>

#include "shell/Installation.h"
#include "shell/ShellTexts.h"
#include "startup/IniFile.h"
#include "startup/MessageSink.h"
#include "startup/Schema.h"
#include "startup/Session.h"
#include "startup/WindowFinder.h"

namespace zem {

using namespace Qt::StringLiterals;

SingleInstance::SingleInstance(const QString& lockPath) : lock_(lockPath) {
    // Only a dead owner makes the lock stale, never its age: a module may run for days.
    lock_.setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

QString SingleInstance::lockPathFor(const IniFile& ini) {
    QString dir = ini.read(QString::fromUtf16(kOptionsSection), u"SysPath"_s);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QFileInfo(ini.path()).absolutePath();
    return QDir(dir).filePath(u"qw482.lock"_s);
}

bool checkLaunch(MessageSink& sink, const cWindows& windows, SingleInstance& instance) {
    if (!windows.CorreApp(QString::fromUtf16(kLauncherTitle))) {
        sink.error(QString::fromUtf16(kNoLauncherText), QString::fromUtf16(kNoLauncherTitle));
        return false;
    }
    if (!instance.acquire()) {
        sink.info(QString::fromUtf16(kAlreadyRunningText), QString::fromUtf16(kModuleTitle));
        return false;
    }
    return true;
}

bool loadMainSession(Session& session, const IniFile& ini) {
    session.settings = loadSettings(ini);
    if (!openConnection(session, ini))
        return false;
    if (!createWorkingTables(session.db()))
        return false;
    session.gFormulario = u"0482"_s;
    session.helpFile = session.settings.gSysPath + session.gFormulario + u"/QW482"_s;
    // The help follows the program: an updated package replaces the copy an earlier version left here.
    installHelp(session.settings);
    return true;
}

}  // namespace zem
