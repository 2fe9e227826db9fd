#pragma once

#include <QString>

namespace zem {

// The system's reason why a file could not be created or written, as Qt's errorString() gives it, told in
// Spanish: "Permission denied" (or its translation) becomes "no tiene permiso para escribir en esa carpeta o
// archivo", and so on for the reasons a user can act on. A reason not known here is returned as it came.
QString systemErrorInSpanish(const QString& systemText);

}  // namespace zem
