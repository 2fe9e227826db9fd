// qw482: the module of form 0482. Started by the family launcher "Zemlanda".
#include <QApplication>
#include <QIcon>

#include "annexes/ui/AnnexWindows.h"
#include "declaration/ui/Assistants.h"
#include "declaration/ui/FeederRegistry.h"
#include "declaration/ui/Frm0478.h"
#include "import/ui/ImportWindow.h"
#include "shell/Startup.h"
#include "shell/ui/Main.h"
#include "shell/ui/MessageBoxSink.h"
#include "shell/ui/SpanishTranslation.h"
#include "shell/ui/WindowFactory.h"
#include "startup/Clock.h"
#include "startup/IniFile.h"
#include "startup/Session.h"
#include "startup/Settings.h"
#include "startup/X11WindowEnumerator.h"

int main(int argc, char** argv) {
    // The launcher check reads the X display's windows, so the module is an X client too (XWayland included).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qw482"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("zemlanda")));  // the family's, when installed
    zem::installSpanishTranslation(app);

    zem::MessageBoxSink sink;
    const zem::Clock clock;
    zem::Session session(sink, clock);
    const zem::X11WindowEnumerator desktop;
    const zem::IniFile ini(zem::settingsFilePath());
    zem::SingleInstance instance(zem::SingleInstance::lockPathFor(ini));
    // The windows that feed the declaration's boxes and grids register here; the declaration window opens
    // them through the registry.
    zem::FeederRegistry feeders;
    zem::registerAssistants(feeders);
    zem::registerAnnexWindows(feeders);
    zem::registerImportWindow(feeders);
    zem::WindowFactory windows;
    windows.setDeclarationWindow(
        [&feeders](zem::Session& s, const zem::OpenRequest& request, QWidget* parent) -> QDialog* {
            return new zem::Frm0478(s, feeders, request, parent);
        });

    const auto main = zem::Main(session, desktop, instance, ini, windows);
    if (!main)
        return 1;
    return QApplication::exec();
}
