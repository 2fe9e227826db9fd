#pragma once

#include <QMap>
#include <QString>
#include <functional>

#include "declaration/DeclarationKey.h"
#include "import/ValImporta.h"

namespace zem {

struct Session;

// What a load leaves for the closing of the import window: the total of each box the package fed, and the
// imported totals the working tables held for the boxes before (an earlier import, loaded or stored), which
// this load replaced.
struct ImportTotals {
    bool imported = false;
    // In cents, by box; the payments of box 133 give box 100 (income declared with them) and 133 (tax paid).
    // A file without loaded records gives no total.
    QMap<int, qint64> byBox;
    // Whole units, by box, as TMP_F0482DIFCAS recorded them before this load.
    QMap<int, qint64> before;
};

// Called while loading: records done out of all records of the package.
using ImportProgress = std::function<void(qint64 done, qint64 total)>;

// TraDatos: loads the records of the eleven files (in code order, each already checked by CuentaPye) into
// the working tables, as ONE transaction: the rows of an earlier import (ind_importa "1") are removed first,
// so that a second import replaces the first and the rows the user typed stay; every record is checked by
// ValImporta and skipped when it fails; each agent of withholdings, receipts and box 522 gets its header row
// in TMP_F0482RETCAB (InsertaPadron), the total of an agent with lines being the sum of its lines (what is
// added to a typed agent without lines is recorded in TMP_F0482RETIMP and taken back by the next import); the
// imported totals are recorded in TMP_F0482DIFCAS (GrabarMontos) and the import marker in tmp_f0480importa.
// False when a statement failed: everything is rolled back and the failure was reported.
bool TraDatos(Session& session, const DeclarationKey& key, const ImportRules& rules,
              const QList<QStringList>& files, ImportTotals* totals, const ImportProgress& progress = {});

// The accepted codes of the catalogue and the fiscal year, for ValImporta.
ImportRules importRules(Session& session);

}  // namespace zem
