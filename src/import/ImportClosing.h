#pragma once

#include <QString>

namespace zem {

class Db;
class DeclarationEditor;
class MessageSink;
class Rules;
struct ImportTotals;

// Suma_Ret_s: the sum of `column` over `table` (only the rows of box `box` when it is not empty), formatted
// "###,###,###,##0"; "0" when there is no row.
QString Suma_Ret_s(Db& db, const QString& column, const QString& table, const QString& box);

// Closing the import window after an import: each box the package fed (or an earlier import had fed) takes
// the imported total in place of the earlier one, added to what the box held: the credit boxes 529, 522, 127,
// 129, 130, 131 and 133 in parentheses, the others plain; the payments of box 133 raise box 100 by the
// income declared with them and box 133 by the tax paid. Box 107 then becomes the sum of the agents
// registered for it. Without an import nothing changes (an empty 107 stays empty). Every box is written
// through the register write-back onto the declaration's one setter, so the change chain runs; a total a box
// cannot hold is told through the sink and leaves that box as it was.
void applyImportTotals(Db& db, Rules& rules, DeclarationEditor& editor, const ImportTotals& totals);

}  // namespace zem
