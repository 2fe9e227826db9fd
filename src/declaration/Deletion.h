#pragma once

#include "declaration/DeclarationKey.h"

namespace zem {

struct Session;

// Deletes a declaration in one transaction: for one in preparation its DET and CAB rows, its rows of every
// annex table and its import marker; for a sent one (key.sent) the rows of hDET, hCAB and every H annex table
// with its sequence key.correl, leaving the other sendings of the same declarant and the import marker alone.
// A failing statement rolls everything back and is reported through the database error reporter. The
// confirmations belong to the list window.
bool deleteDeclaration(Session& session, const DeclarationKey& key);

}  // namespace zem
