#pragma once

#include <QString>

#include "declaration/DeclarationKey.h"

namespace zem {
class FormSession;
}

namespace zem::cli {

class CliSession;

// The RUC must be well formed (as the launcher checks it) and a declarant of this form that the current
// user may see; otherwise the reason goes to standard error.
bool taxpayerVisible(CliSession& cli, const QString& ruc);

// Opens the declaration of the key as the declaration window opens it (FormSession::open): the stored one,
// the sent one (key.sent), or, when it does not exist and mayStart, a new one for that taxpayer. False, with
// the reason on standard error, when it cannot be opened (among others: no UIT in the catalogue).
bool openDeclaration(CliSession& cli, FormSession& form, const DeclarationKey& key, bool mayStart);

}  // namespace zem::cli
