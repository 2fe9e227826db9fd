#pragma once

#include <QList>

#include "reports/PrintoutData.h"

namespace zem::reports {

// The options of the print dialog (OptImp).
enum class PrintOption { Declaracion, Anexos, DeclaracionYAnexos };

// Whether the option prints annexes, and so needs one of them chosen ("Debe seleccionar algún anexo").
inline bool withAnnexes(PrintOption o) {
    return o != PrintOption::Declaracion;
}

// What the option and the ticked annex groups (indexes into annexGroups()) print: the declaration pages for
// "Declaración" and "Declaración y anexos", and every listing of each ticked group unless only the
// declaration is printed.
PrintoutChoice printoutChoice(PrintOption option, const QList<int>& tickedGroups);

}  // namespace zem::reports
