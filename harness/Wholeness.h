#pragma once

#include <QString>
#include <QStringList>

namespace zem::harness {

class CoreSession;

// Reads a taxpayer's declaration in preparation and each of its sendings and tells, one line per fault,
// where they are not wholly one generation (see Generation.h): header, typed boxes, box 133 against its
// payments, the typed and imported payments, the import marker; and, with no declaration, that nothing of it
// is left. Empty when all is whole. A read that fails is a fault too.
QStringList wholenessFaults(CoreSession& core, const QString& ruc);

// SQLite's own check of the database file ("ok"); an empty list on another engine, which has no such check.
QStringList integrityFaults(CoreSession& core);

// Every stored row of the taxpayer's declarations (in preparation and sent) as text, in a fixed order: two
// snapshots are equal when nothing of them changed.
QString snapshot(CoreSession& core, const QString& ruc);

}  // namespace zem::harness
