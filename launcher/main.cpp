// zemlanda: the family launcher. Creates the installation on its first start (and never again), registers
// taxpayers and users, sends declarations and starts the module.
#include <QApplication>
#include <QIcon>

#include "LauncherWindow.h"
#include "shell/Installation.h"
#include "shell/ui/MessageBoxSink.h"
#include "shell/ui/SpanishTranslation.h"
#include "startup/Clock.h"
#include "startup/IniFile.h"
#include "startup/Schema.h"
#include "startup/Session.h"

int main(int argc, char** argv) {
    // The module finds this window on the X display, so the launcher is an X client (XWayland included).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zemlanda"));
    // The desktop entry and the icon the package installs (none when run from the build tree).
    QGuiApplication::setDesktopFileName(QStringLiteral("zemlanda"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("zemlanda")));
    zem::installSpanishTranslation(app);

    zem::MessageBoxSink sink;
    const zem::LauncherStart start = zem::launcherStart();
    if (start.kind == zem::LauncherStart::Kind::Refused) {
        sink.error(start.problem, QStringLiteral("Zemlanda"));
        return 1;
    }
    if (start.kind == zem::LauncherStart::Kind::FirstStart && !zem::initInstallation(sink, true))
        return 1;

    const zem::Clock clock;
    zem::Session session(sink, clock);
    const zem::IniFile ini(zem::settingsFilePath());
    session.settings = zem::loadSettings(ini);
    if (!zem::openConnection(session, ini) || !zem::createWorkingTables(session.db()))
        return 1;

    zem::LauncherWindow window(session);
    window.show();
    return QApplication::exec();
}
