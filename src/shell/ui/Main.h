#pragma once

#include <memory>

#include "shell/ui/MDIFrm.h"

namespace zem {

class IniFile;
class SingleInstance;
class WindowEnumerator;
class WindowFactory;
struct Session;

// The start-up routine: the fiscal year, the launcher check on the desktop's windows, the single-instance
// rule, then the settings and the one database connection, and the main window shown. Null when the process
// must end; the reason has been shown through the session's sink by then.
std::unique_ptr<MDIFrm> Main(Session& session, const WindowEnumerator& desktop, SingleInstance& instance,
                             const IniFile& ini, const WindowFactory& windows);

}  // namespace zem
