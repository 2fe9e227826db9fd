#pragma once

class QCoreApplication;

namespace zem {

// Installs Qt's own Spanish translation (qtbase_es.qm) so the standard dialogs say "Sí", "No", "Cancelar":
// the copy in share/zem/translations beside the program's bin/ directory, else the one of the Qt
// installation. False when the translation is not installed on this machine; the dialogs then stay in
// English.
bool installSpanishTranslation(QCoreApplication& app);

}  // namespace zem
