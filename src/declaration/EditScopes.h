#pragma once

#include <QString>
#include <QStringList>

#include "declaration/Declaration.h"

namespace zem {

enum class AnnexGridKind;

// What each kind of user edit is called on the undo entries ("Deshacer casilla 107") and which working
// tables it may change, so that taking it back puts their rows back too.
namespace edits {

// "casilla 107".
QString boxText(int box);
// An answer: its box ("casilla 560"), or the section of the groups kept in no box.
QString answerText(OptionGroup group);
// The registers an answer empties: the co-owners, the investments abroad, the trusts.
QStringList answerTables(OptionGroup group);
// The grid's register: "dividendos", "condóminos" ...
QString gridText(AnnexGridKind kind);
QStringList gridTables(AnnexGridKind kind);
// Every working table a window opened from the declaration (an assistant, a register, the import) may
// change: all the working tables of the declaration.
QStringList feederTables();
// The option group whose answer the box stores, or -1.
int groupOfBox(int box);

inline constexpr char16_t kPayment[] = u"forma de pago";
inline constexpr char16_t kRecovered[] = u"cambios recuperados";
inline constexpr char16_t kImport[] = u"archivo personalizado";

}  // namespace edits
}  // namespace zem
