#include "shell/ui/Main.h"

#include "declaration/Recovery.h"
#include "shell/Startup.h"
#include "shell/ui/ModalWindow.h"
#include "shell/ui/WindowFactory.h"
#include "startup/IniFile.h"
#include "startup/Session.h"
#include "startup/WindowFinder.h"

namespace zem {

using namespace Qt::StringLiterals;

std::unique_ptr<MDIFrm> Main(Session& session, const WindowEnumerator& desktop, SingleInstance& instance,
                             const IniFile& ini, const WindowFactory& windows) {
    const cWindows finder(desktop);
    session.gAnio = u"2006"_s;
    if (!checkLaunch(session.sink, finder, instance))
        return nullptr;
    if (!loadMainSession(session, ini))
        return nullptr;
    auto main = std::make_unique<MDIFrm>(session, windows);
    main->show();
    // Edits a crash left unsaved are offered back once the main window is up.
    QMetaObject::invokeMethod(
        main.get(),
        [&session, &windows, window = main.get()] {
            if (const std::optional<OpenRequest> request = offerRecovery(session))
                showModal(windows.createDeclarationWindow(session, *request, window));
        },
        Qt::QueuedConnection);
    return main;
}

}  // namespace zem
