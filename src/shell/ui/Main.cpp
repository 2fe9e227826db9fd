#include "shell/ui/Main.h"

#include "shell/Startup.h"
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
    return main;
}

}  // namespace zem
