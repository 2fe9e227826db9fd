#pragma once

#include <QString>
#include <QStringList>

namespace zem::harness {

// The lines of what the module told the user that are not in its own Spanish words: an engine's text may
// travel only on a line of its own that starts with "Detalle: ".
QStringList foreignLines(const QString& told);

// Whether the text is one of the refusals of a write that met another process's lock or change: "Registro
// bloqueado. Intente luego", "No puede grabarlo. Actualmente bloqueado", "La data ha cambiado", "Registro ha
// sido modificado o eliminado por otro usuario", "Registro ya existe lo ingresaron en ese momento".
bool isLockRefusal(const QString& told);

}  // namespace zem::harness
